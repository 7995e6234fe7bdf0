// The intro while the loading threads run: four videos one after the other,
// then the loading screen with its bar until both threads are done; and
// the start of a video, for the intro and for the attractions that show one.
//
// A video that cannot be started counts as played, so that a missing file
// or a machine without a video player still reaches the game.
#include <algorithm>
#include <cmath>

#include "app/CIniFile.h"
#include "app/VAvazadOvurUrovi.h"
#include "engine/core/Globals.h"
#include "engine/input/ZOdevuvInput.h"
#include "engine/media/ZOdevuvMusic.h"
#include "engine/media/ZOdevuvVideo.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvText.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/gfx/Device.h"
#include "platform/media/MediaTypes.h"
#include "screens/REraduzizOptionsScreen.h"

namespace {

constexpr const char* kIntroVideos[VAvazadOvurUrovi::kIntroStageCount] = {
    "\\Music\\videos\\1.avi", "\\Music\\videos\\2.avi", "\\Music\\videos\\3.avi", "\\Music\\videos\\4.avi"};

// The intro and the loading screen are laid out for 1024 by 768.
constexpr int32_t kLayoutWidth = 1024;
constexpr int32_t kLayoutHeight = 768;

enum LoadingImage { kBackground, kProgressBar, kMarker, kFrame };
struct ScreenPoint {
  int32_t x, y;
};
constexpr ScreenPoint kFramePosition{394, 267};
constexpr ScreenPoint kBarPosition{456, 278};
constexpr ScreenPoint kCaptionPosition{460, 230};
constexpr int32_t kCaptionText = 100168;
constexpr uint32_t kCaptionColour = 0xFFFF7315;
constexpr uint32_t kLoadingClearColour = 0xFF320000;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr float kImageDepth = 0.1f;
// A progress count of this fills the bar.
constexpr double kFullBarCount = 490.0;

plat::Device* LiveDevice() { return g_device ? g_device->GetDevice() : nullptr; }

void DrawImage(ZOdevuvTexture* image, int32_t x, int32_t y) {
  if (image) image->DrawQuad(x, y, kOpaqueWhite, kImageDepth);
}

}  // namespace

int32_t VAvazadOvurUrovi::ScaleToScreen(int32_t position, int32_t layoutSize, int32_t screenSize) {
  if (layoutSize <= 0 || screenSize <= 0) return position;
  return int32_t(int64_t(position) * screenSize / layoutSize);
}

int32_t VAvazadOvurUrovi::LoadingBarWidth(int32_t textureWidth, int32_t progress) {
  const double width = std::trunc(double(textureWidth) / kFullBarCount * double(progress));
  return int32_t(std::clamp(width, 0.0, double(std::max(textureWidth, 0))));
}

bool VAvazadOvurUrovi::PlayVideo(EngineString path) {
  if (!g_video) return false;
  if (plat::MediaFailed(g_video->Open(path.CStr()))) return false;
  int32_t width = 0, height = 0;
  g_video->GetVideoSize(&width, &height);
  if (plat::MediaFailed(g_video->Run())) {
    g_video->Close();
    return false;
  }
  inGameVideoPlaying = 1;
  // The park music stays quiet while a video plays.
  if (g_music && g_music->GetGraph()) g_music->GetGraph()->Stop();
  return true;
}

void VAvazadOvurUrovi::SkipIntroVideos() {
  for (int stage = 0; stage < kIntroStageCount; ++stage) FinishIntroStage(stage);
}

void VAvazadOvurUrovi::UpdateVideoSequence() {
  for (int stage = 0; stage < kIntroStageCount; ++stage) {
    if (introStages[stage]) continue;
    PlayIntroStage(stage);
    return;
  }
  DrawLoadingScreen();
  if (IsLoadingDone()) EndLoading();
}

void VAvazadOvurUrovi::PlayIntroStage(int stage) {
  if (!inGameVideoPlaying) {
    // A video that does not start is over at once.
    if (!PlayVideo(baseDirectory + EngineString(kIntroVideos[stage]))) FinishIntroStage(stage);
    else SetIntroVideoRect();
    return;
  }
  SetIntroVideoRect();
  if (!g_video || g_video->IsFinished()) {
    inGameVideoPlaying = 0;
    FinishIntroStage(stage);
  }
}

void VAvazadOvurUrovi::SetIntroVideoRect() {
  if (g_video) g_video->SetDestRect(0, 0, ScreenWidth(), ScreenHeight());
}

void VAvazadOvurUrovi::FinishIntroStage(int stage) {
  introStages[stage] = 1;
  if (stage + 1 < kIntroStageCount) return;
  if (g_video) g_video->Close();
  ApplyMusicSettings();
  if (g_input) {
    cursorX = ScreenWidth() / 2;
    cursorY = ScreenHeight() / 2;
    cursor = {cursorX, cursorY};
  }
}

void VAvazadOvurUrovi::ApplyMusicSettings() {
  if (!g_music || !g_music->GetGraph()) return;
  if (IsMusicOn()) g_music->GetGraph()->Run();
  else g_music->GetGraph()->Stop();
  g_music->SetVolume(REraduzizOptionsScreen::MusicVolumeFor(MusicValue()));
}

bool VAvazadOvurUrovi::IsMusicOn() const {
  if (optionsScreen) return optionsScreen->musicEnabled != 0;
  return CIniFile::Settings(baseDirectory).ReadString(CIniFile::kEnableMusic) != "0";
}

int32_t VAvazadOvurUrovi::MusicValue() const {
  if (optionsScreen) return optionsScreen->musicValue;
  return CIniFile::Settings(baseDirectory).ReadInt(CIniFile::kMusicVolume);
}

int32_t VAvazadOvurUrovi::ScreenWidth() const { return g_device ? g_device->GetWidth() : kLayoutWidth; }

int32_t VAvazadOvurUrovi::ScreenHeight() const { return g_device ? g_device->GetHeight() : kLayoutHeight; }

void VAvazadOvurUrovi::DrawLoadingScreen() {
  plat::Device* device = LiveDevice();
  if (!device || !loadingImages[kBackground]) return;
  auto x = [this](int32_t layoutX) { return ScaleToScreen(layoutX, kLayoutWidth, ScreenWidth()); };
  auto y = [this](int32_t layoutY) { return ScaleToScreen(layoutY, kLayoutHeight, ScreenHeight()); };
  device->Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer | plat::ClearFlags::Stencil,
                kLoadingClearColour, 1.0f, 0);
  device->BeginScene();
  device->SetRenderState(plat::RenderState::ZEnable, plat::kFalse);
  DrawImage(loadingImages[kBackground], 0, 0);
  const EngineString caption = GetText(kCaptionText);
  DrawImage(loadingImages[kFrame], x(kFramePosition.x), y(kFramePosition.y));
  DrawImage(loadingImages[kMarker], x(kBarPosition.x), y(kBarPosition.y));
  if (loadingFont) {
    loadingFont->DrawShadowed(x(kCaptionPosition.x), y(kCaptionPosition.y), caption.CStr(), 0, 0, kCaptionColour);
  }
  if (ZOdevuvTexture* bar = loadingImages[kProgressBar]) {
    bar->Draw(x(kBarPosition.x), y(kBarPosition.y), LoadingBarWidth(bar->GetSurfaceDesc().width, loadProgressCounter),
              bar->GetSurfaceDesc().height, kOpaqueWhite, kImageDepth);
  }
  DrawCursor();
  device->SetRenderState(plat::RenderState::SlopeScaleDepthBias, 0);
  device->SetRenderState(plat::RenderState::DepthBias, 0);
  device->EndScene();
  g_device->Present();
}

void VAvazadOvurUrovi::EndLoading() {
  initialLoadingStarted = 0;
  loadingScreenActive = 0;
  // The player's sound and picture settings, now that everything exists.
  if (optionsScreen) optionsScreen->ApplyVolumes();
}

void VAvazadOvurUrovi::WatchInGameVideo() {
  if (!g_video) return;
  if (!g_video->IsFinished()) return;
  inGameVideoStarted = 0;
  inGameVideoPlaying = 0;
  if (g_video) g_video->Close();
  if (g_music && g_music->GetGraph() && IsMusicOn()) g_music->GetGraph()->Run();
}
