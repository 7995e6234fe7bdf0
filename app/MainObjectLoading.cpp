// The two loading threads: the world and the GUI on one, the character
// manager on the other. The window thread sets the started bytes before
// they run, polls their done bytes and joins them before anything they
// touch goes (the destructor and the window's destruction).
#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "platform/os/DebugOutput.h"

void VAvazadOvurUrovi::StartLoadingThreads() {
  // Set here, before the threads run, so that no frame takes loading as
  // done or draws a GUI still being built.
  loadProgressCounter = 0;
  initialLoadingStarted = 1;
  aiManagerStarted = 1;
  aiManagerThread = std::make_unique<plat::WorkerThread>([this] { CreateAiManager(); });
  initialLoadingThread = std::make_unique<plat::WorkerThread>([this] { InitialLoading(); });
  aiManagerThread->Resume();
  initialLoadingThread->Resume();
}

void VAvazadOvurUrovi::InitialLoading() {
  plat::OutputDebugString("InitialLoading Start\n");
  plat::OutputDebugString("InitClasses\n");
  InitClasses();
  plat::OutputDebugString("ChangeText\n");
  ChangeText();
  plat::OutputDebugString("ScanProfiles\n");
  AddLoadProgress();
  ListSceneFiles(baseDirectory + kSavedGamesFolder);
  plat::OutputDebugString("ReloadSaveLoadScreen\n");
  ReloadSaveLoadScreen();
  plat::OutputDebugString("InitialLoading End\n");
  initialLoadingDone = 1;
}

void VAvazadOvurUrovi::CreateAiManager() {
  plat::OutputDebugString("CreateAiManager\n");
  auto* manager = new CPorvikAiClass;
  AddLoadProgress();
  // Stored after the count: users test the pointer.
  aiManager = manager;
  aiManagerDone = 1;
}
