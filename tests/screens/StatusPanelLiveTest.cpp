// The demo park's GUI with the screens over a park ground in a real window:
// the game bar and the status panel are shown, and the cash, date, time and
// visitor count change from frame to frame. Screenshots of the frames are
// written into the working directory. Skips without a display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/widgets/CGuiStaticText.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/math/Math.h"
#include "platform/os/Window.h"
#include "screens/ScreenIds.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint32_t kSky = 0xFF87B5E0u;

struct GroundVertex {
  float x, y, z;
  uint32_t colour;
};

void DrawGround(plat::Device& d) {
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {0, 4, -8}, {0, 0, 8}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 3, float(kWidth) / kHeight, 1, 200);
  d.SetTransform(plat::TransformType::World, plat::IdentityMatrix());
  d.SetTransform(plat::TransformType::View, view);
  d.SetTransform(plat::TransformType::Projection, projection);
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetRenderState(plat::RenderState::CullMode, 1);  // none
  d.SetTexture(0, nullptr);
  d.SetFVF(0x42);  // position, colour
  const uint32_t grass = 0xFF4C9A3Cu;
  const GroundVertex ground[] = {{-80, 0, -60, grass}, {-80, 0, 160, grass}, {80, 0, -60, grass}, {80, 0, 160, grass}};
  d.DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, 2, ground, sizeof(GroundVertex));
}

class StatusPanelLiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    window = plat::CreateGameWindow("Halvenor status panel", kWidth, kHeight, plat::WindowBackend::Live);
    if (!window) GTEST_SKIP() << "no display for a live window";
    plat::RegisterGlBackend();
    // The engine device picks its backend from the environment.
    setenv("HALVENOR_HEADLESS", "0", 1);
    device = std::make_unique<ZOdevuvDevice>(window);
    device->InitEngineDevice(kWidth, kHeight, 32, 1, 1);
    setenv("HALVENOR_HEADLESS", "1", 1);
    ASSERT_NE(device->GetDevice(), nullptr);
    ASSERT_EQ(device->GetDevice()->Backend().Name(), "gl");
    plat::KeepRendererLoaded();
    gui = std::make_unique<CGuiMainClass>();
    host = std::make_unique<screentest::FakeHost>(*gui);
    screens = std::make_unique<ScreenSet>(*host);
    host->screens = screens.get();
  }
  void TearDown() override {
    if (host) host->screens = nullptr;
    screens.reset();
    host.reset();
    gui.reset();
    device.reset();
    plat::SetLiveBackendFactory({});
    if (window) plat::DestroyGameWindow(window);
  }

  void Pass() {
    gui->RunCommandPass([this](GuiCommand* command) {
      if (!screens->OfferExclusive(*command)) screens->RouteToScreens(*command);
    });
    gui->RemoveDoneCommands();
  }

  std::vector<uint32_t> Frame(const std::string& screenshot) {
    plat::Device& d = *device->GetDevice();
    gui->UpdateLayers();
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kSky, 1, 0);
    DrawGround(d);
    gui->DrawLayers();
    d.EndScene();
    d.Present();
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    EXPECT_TRUE(plat::CaptureBackBuffer(d, width, height, pixels));
    EXPECT_TRUE(plat::SaveScreenshot(d, (fs::current_path() / screenshot).string()));
    pixels.resize(size_t(kWidth) * kHeight);
    return pixels;
  }

  // The number of pixels that differ inside an element's rectangle.
  int Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int32_t id) {
    CGuiElement* element = gui->FindElement(id);
    if (!element) return 0;
    int changed = 0;
    for (int y = element->rect.top; y < element->rect.bottom; ++y) {
      for (int x = element->rect.left; x < element->rect.right; ++x) {
        const size_t i = size_t(y) * kWidth + size_t(x);
        if (i < a.size() && a[i] != b[i]) ++changed;
      }
    }
    return changed;
  }

  plat::WindowHandle window = nullptr;
  std::unique_ptr<ZOdevuvDevice> device;
  std::unique_ptr<CGuiMainClass> gui;
  std::unique_ptr<screentest::FakeHost> host;
  std::unique_ptr<ScreenSet> screens;
};

TEST_F(StatusPanelLiveTest, TheStatusPanelShowsTheParkFiguresAsTheyChange) {
  screentest::LoadDemoGui(*gui);
  screens->CreateAll();
  screens->ChangeText();
  gui->PostCommand(-1, screen_ids::kGameMainPage, kCmdShowPage, screen_ids::kSummaryButton, 0);
  gui->PostCommand(-1, screen_ids::kStatusPanel, kCmdShowPage, REraduzizObjectWindow::kCashId, 0);
  Pass();
  ASSERT_TRUE(gui->FindElement(screen_ids::kStatusPanel)->IsVisible());
  host->flags.gameRunning = 1;
  host->flags.firstVisitorsNoticeGiven = 1;

  struct Moment {
    int32_t cash;
    StatusDateTime clock;
    int32_t visitors;
  };
  const Moment moments[] = {
      {30000, {2007, 3, 21, 10, 0}, 0}, {28450, {2007, 3, 21, 10, 35}, 12}, {31275, {2007, 3, 22, 9, 5}, 57}};
  std::vector<std::vector<uint32_t>> frames;
  for (size_t i = 0; i < std::size(moments); ++i) {
    host->cash = moments[i].cash;
    host->clock = moments[i].clock;
    host->visitors = moments[i].visitors;
    screens->RefreshCashDisplay();
    frames.push_back(Frame("status_panel_" + std::to_string(i) + ".png"));
  }
  EXPECT_EQ(screens->objectWindow->cash->GetText(), "31275");
  EXPECT_EQ(screens->objectWindow->date->GetText(), "22-03-2007");
  EXPECT_EQ(screens->objectWindow->time->GetText(), "09:05");
  EXPECT_EQ(screens->objectWindow->visitors->GetText(), "57");
  // Each value is drawn anew: its pixels change from frame to frame.
  for (int32_t id :
       {REraduzizObjectWindow::kCashId, REraduzizObjectWindow::kTimeId, REraduzizObjectWindow::kVisitorsId}) {
    EXPECT_GT(Changed(frames[0], frames[1], id), 0) << id;
  }
  EXPECT_GT(Changed(frames[1], frames[2], REraduzizObjectWindow::kDateId), 0);
  // The panel lies over the park; the sky shows above it.
  const std::vector<uint32_t>& last = frames.back();
  EXPECT_NE(last[size_t(kHeight - 4) * kWidth + 600], last[size_t(kHeight - 200) * kWidth + 600]);
  EXPECT_EQ(last[size_t(60) * kWidth + 600], kSky | 0xFF000000u);
}

}  // namespace
