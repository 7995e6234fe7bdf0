// The resource set-up and the two loading threads: the world and the GUI on
// one, the character manager on the other. The window thread polls their
// done bytes; the destructor joins them.
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvCamera.h"
#include "platform/os/DebugOutput.h"

namespace {

constexpr const char* kTextTable = "\\GuiFiles\\langFile.gui.nl";
// The camera's first view over the park.
constexpr plat::Vec3 kCameraEye{0.0f, 17.0f, 10.0f};
constexpr plat::Vec3 kCameraTarget{150.0f, 0.0f, -50.0f};
constexpr plat::Vec3 kWorldUp{0.0f, 1.0f, 0.0f};

}  // namespace

void VAvazadOvurUrovi::InitResources() {
  if (g_camera) {
    g_camera->SetMode(0);
    g_camera->LookAt(kCameraEye, kCameraTarget, kWorldUp);
  }
  LoadStringTable(baseDirectory + EngineString(kTextTable));
  loadingScreenActive = 1;
  StartLoadingThreads();
  resourcesReady = 1;
}

void VAvazadOvurUrovi::StartLoadingThreads() {
  // Set here, before the threads run, so that no frame takes loading as done.
  initialLoadingStarted = 1;
  aiManagerStarted = 1;
  aiManagerThread = std::make_unique<plat::WorkerThread>([this] { CreateAiManager(); });
  initialLoadingThread = std::make_unique<plat::WorkerThread>([this] { InitialLoading(); });
  aiManagerThread->Resume();
  initialLoadingThread->Resume();
}

void VAvazadOvurUrovi::InitialLoading() {
  plat::OutputDebugString("InitialLoading\n");
  CreateGui();
  InitClasses();
  InitScenarios();
  InitLedgerAndFoods();
  plat::OutputDebugString("ChangeText\n");
  ChangeText();
  initialLoadingDone = 1;
}

void VAvazadOvurUrovi::CreateAiManager() {
  plat::OutputDebugString("CreateAiManager\n");
  aiManagerDone = 1;
}
