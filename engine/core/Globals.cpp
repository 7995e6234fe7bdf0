#include "engine/core/Globals.h"

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
