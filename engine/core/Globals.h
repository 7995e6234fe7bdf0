#pragma once
// The engine's global singleton slots. Each singleton's constructor stores its
// own address in its slot; the engine object's destructor deletes the
// singletons and clears the slots. Null until filled.
#include <cstdint>
#include <memory>

namespace plat {
class Font;
class Texture;
class Surface;
}  // namespace plat

class DOradovIruzez;
class ZOdevuvDevice;
class ZOdevuvAssetPaths;
class ZOdevuvCamera;
class ZOdevuvLightManager;
class ZOdevuvFrustum;
class ZOdevuvInput;
class ZOdevuvMusic;
class SoundManager;
class ZOdevuvVideo;
class ZOdevuvLog;
class ZOdevuvParticleManager;
class ZOdevuvGameObjectList;

extern DOradovIruzez* g_engine;
extern ZOdevuvDevice* g_device;
extern ZOdevuvAssetPaths* g_assetPaths;
extern ZOdevuvCamera* g_camera;
extern ZOdevuvLightManager* g_lights;
extern ZOdevuvFrustum* g_frustum;
extern ZOdevuvInput* g_input;
extern ZOdevuvMusic* g_music;
extern SoundManager* g_sound;
extern ZOdevuvVideo* g_video;
extern ZOdevuvLog* g_log;
extern ZOdevuvParticleManager* g_particleManager;
extern ZOdevuvGameObjectList* g_gameObjectList;

// Device resources made by the device manager.
extern std::shared_ptr<plat::Font> g_debugFont;
extern std::shared_ptr<plat::Texture> g_shadowMap;
extern std::shared_ptr<plat::Surface> g_shadowMapSurface;
extern std::shared_ptr<plat::Surface> g_shadowDepthSurface;

// The id for a new sub-mesh: ids count up from 0 while an engine object
// lives, 0 without one. Safe from the loading threads.
int32_t TakeMeshId();
// Starts the ids at 0 again; the engine object calls it when it is made.
void ResetMeshIds();
