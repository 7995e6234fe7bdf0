#include "engine/system/DOradovIruzez.h"

#include "engine/core/EngineString.h"
#include "engine/core/Globals.h"
#include "engine/core/ZOdevuvLog.h"
#include "engine/input/ZOdevuvInput.h"
#include "engine/media/SoundManager.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/media/ZOdevuvVideo.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "engine/render/ZOdevuvAssetPaths.h"
#include "engine/render/ZOdevuvCamera.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvFrustum.h"
#include "engine/render/ZOdevuvGameObjectList.h"
#include "engine/render/ZOdevuvLightManager.h"
#include "platform/os/Path.h"

namespace {

template <typename T>
void DeleteSingleton(T*& slot) {
  T* singleton = slot;
  slot = nullptr;
  delete singleton;
}

}  // namespace

DOradovIruzez::DOradovIruzez() {
  g_engine = this;
  ResetMeshIds();
}

DOradovIruzez::~DOradovIruzez() {
  // The device goes before the owners of device resources: those hold the
  // resources themselves, so they outlive the device safely.
  DeleteSingleton(g_gameObjectList);
  DeleteSingleton(g_device);
  DeleteSingleton(g_assetPaths);
  DeleteSingleton(g_camera);
  DeleteSingleton(g_lights);
  DeleteSingleton(g_frustum);
  DeleteSingleton(g_input);
  DeleteSingleton(g_music);
  DeleteSingleton(g_sound);
  DeleteSingleton(g_video);
  DeleteSingleton(g_log);
  DeleteSingleton(g_particleManager);
  g_shadowMapSurface.reset();
  g_shadowMap.reset();
  g_shadowDepthSurface.reset();
  if (g_engine == this) g_engine = nullptr;
}

void DOradovIruzez::Init(plat::WindowHandle window, plat::InstanceHandle instance) {
  m_window = window;
  m_instance = instance;
  const EngineString logPath = EngineString(plat::CurrentDirectory().c_str()) + "\\log.txt";
  new ZOdevuvDevice(window);
  new ZOdevuvAssetPaths();
  new ZOdevuvCamera();
  new ZOdevuvLightManager();
  new ZOdevuvFrustum();
  if (instance) {
    new ZOdevuvInput(window, instance);
    g_input->Init(window, 0, 0, 1, 0);
  }
  new ZOdevuvMusic(window);
  new SoundManager(window);
  new ZOdevuvVideo();
  new ZOdevuvLog();
  new ZOdevuvParticleManager();
  g_log->Open(logPath, true);
  new ZOdevuvGameObjectList();
}

void DOradovIruzez::InitDevice(int32_t width, int32_t height, int32_t bits, int32_t windowed) {
  if (g_device) g_device->InitEngineDevice(width, height, bits, windowed, 1);
}
