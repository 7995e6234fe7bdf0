#include "engine/core/Globals.h"

#include <atomic>

namespace {
std::atomic<int32_t> g_meshCounter{0};
}  // namespace

DOradovIruzez* g_engine = nullptr;
ZOdevuvDevice* g_device = nullptr;
ZOdevuvAssetPaths* g_assetPaths = nullptr;
ZOdevuvCamera* g_camera = nullptr;
ZOdevuvLightManager* g_lights = nullptr;
ZOdevuvFrustum* g_frustum = nullptr;
ZOdevuvInput* g_input = nullptr;
ZOdevuvMusic* g_music = nullptr;
SoundManager* g_sound = nullptr;
ZOdevuvVideo* g_video = nullptr;
ZOdevuvLog* g_log = nullptr;
ZOdevuvParticleManager* g_particleManager = nullptr;
ZOdevuvGameObjectList* g_gameObjectList = nullptr;

std::shared_ptr<plat::Font> g_debugFont;
std::shared_ptr<plat::Texture> g_shadowMap;
std::shared_ptr<plat::Surface> g_shadowMapSurface;
std::shared_ptr<plat::Surface> g_shadowDepthSurface;

int32_t TakeMeshId() { return g_engine ? g_meshCounter.fetch_add(1) : 0; }

void ResetMeshIds() { g_meshCounter = 0; }
