// The frame hook: the scene under the GUI, presented.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"

namespace {

constexpr uint32_t kBackgroundColour = 0xFF323232;

}  // namespace

void VAvazadOvurUrovi::Frame(float /*elapsedSeconds*/) {
  if (loadingScreenActive && IsLoadingDone()) loadingScreenActive = 0;
  plat::Device* device = g_device ? g_device->GetDevice() : nullptr;
  if (!device) return;
  device->BeginScene();
  device->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kBackgroundColour, 1.0f, 0);
  if (!loadingScreenActive) {
    RefreshCashDisplay();
    CheckScenarioGoals();
    DrawLayers();
  }
  device->EndScene();
  g_device->Present();
}
