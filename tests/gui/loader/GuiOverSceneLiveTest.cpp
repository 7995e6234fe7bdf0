// The GUI toolkit's demo panel (the park folder's "DemoGuiXML.xml") drawn by
// the OpenGL device over a 3D scene in a real window; a click on the main panel's
// "Ledger" button opens the ledger page, with its chart. Screenshots of
// both frames are written into the build folder's screenshots. Skips
// without a display.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/XmlNode.h"
#include "gui/core/CGuiMainClass.h"
#include "gui/core/GuiLayer.h"
#include "gui/core/GuiMessages.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "gui/widgets/CGuiChart.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/os/Path.h"
#include "tests/gui/loader/GuiActionHarness.h"
#include "tests/live/support/LiveGameWindow.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint32_t kSky = 0xFF87B5E0u;

struct SceneVertex {
  float x, y, z;
  uint32_t colour;
};

// A green park ground to the horizon and a red block on it.
void DrawScene(plat::Device& d) {
  plat::Matrix view, projection;
  plat::MatrixLookAtLH(&view, {0, 3, -6}, {0, 0, 6}, {0, 1, 0});
  plat::MatrixPerspectiveFovLH(&projection, plat::kPi / 3, float(kWidth) / kHeight, 1, 200);
  d.SetTransform(plat::TransformType::World, plat::IdentityMatrix());
  d.SetTransform(plat::TransformType::View, view);
  d.SetTransform(plat::TransformType::Projection, projection);
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetRenderState(plat::RenderState::CullMode, 1);  // none
  d.SetTexture(0, nullptr);
  d.SetFVF(0x42);  // position, colour
  const uint32_t green = 0xFF3A8A3Au;
  const SceneVertex ground[] = {{-60, 0, -60, green}, {-60, 0, 120, green}, {60, 0, -60, green}, {60, 0, 120, green}};
  d.DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, 2, ground, sizeof(SceneVertex));
  const uint32_t red = 0xFFB03030u;
  const SceneVertex block[] = {{1, 0, 6, red}, {1, 2, 6, red}, {3, 0, 6, red}, {3, 2, 6, red}};
  d.DrawPrimitiveUP(plat::PrimitiveType::TriangleStrip, 2, block, sizeof(SceneVertex));
}

bool Light(uint32_t argb) { return ((argb >> 16) & 0xFF) > 180 && ((argb >> 8) & 0xFF) > 180 && (argb & 0xFF) > 160; }

class GuiOverSceneLiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    live.Open("Halvenor GUI", kWidth, kHeight);
    if (!live.IsOpen()) GTEST_SKIP() << "no display for a live window";
  }
  void TearDown() override {
    gui.reset();
    live.Close();
  }

  void LoadDemoGui() {
    gui = std::make_unique<CGuiMainClass>();
    harness = std::make_unique<guitest::GuiActionHarness>(*gui);
    const fs::path previous = fs::current_path();
    fs::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    CGuiXmlLoader loader(harness.get(), gui.get());
    const EngineString folder = EngineString(HALVENOR_PARK_DIR) + "\\guifiles\\";
    loader.SetWorkingDirectory(HALVENOR_PARK_DIR);
    loader.ReadDefines(folder + "guidefines.h");
    loader.LoadFromNode(XmlNode::OpenFileHelper((folder + "DemoGuiXML.xml").CStr(), "GUI"));
    // The statistics screen puts a chart on the ledger; here the test does.
    const int32_t page = loader.IdByName("PAGE_LEDGER");
    CGuiElement* ledger = gui->FindElement(page);
    ASSERT_NE(ledger, nullptr);
    auto* chart = new CGuiChart();
    chart->CreateSized(ledger, 29999, 0, 16, 224, 468, 200, 0, ledger->record->visible, ledger->record->enabled);
    ledger->AddChild(chart);
    chart->title = "Visitors";
    chart->xAxisCaption = "Month";
    chart->AddSeries({{0, 20}, {1, 35}, {2, 30}, {3, 55}, {4, 70}, {5, 64}}, "Visitors", 0xFF2040C0u);
    chart->AddSeries({{0, 10}, {1, 12}, {2, 18}, {3, 20}}, "Staff", 0xFFC04020u);
    chart->Invalidate();
    fs::current_path(previous);
    plat::ClearPathCache();
  }

  std::vector<uint32_t> Frame(const std::string& screenshot) {
    plat::Device& d = live.Device();
    gui->UpdateLayers();
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kSky, 1, 0);
    DrawScene(d);
    gui->DrawLayers();
    d.EndScene();
    return live.Capture(screenshot);
  }

  void Click(int32_t x, int32_t y) {
    for (const auto& [message, held] : {std::pair{gui::kMouseMove, std::uintptr_t(0)},
                                        std::pair{gui::kLeftDown, gui::kHeldLeft}, std::pair{gui::kLeftUp, std::uintptr_t(0)}}) {
      plat::Message routed;
      routed.message = message;
      routed.wParam = held;
      routed.lParam = gui::PointParam(x, y);
      gui->RouteMessage(&routed, 0);
    }
    for (int pass = 0; pass < 3; ++pass) {
      gui->RunCommandPass(harness->Handler());
      gui->RemoveDoneCommands();
    }
  }

  static uint32_t At(const std::vector<uint32_t>& pixels, int x, int y) { return pixels[size_t(y) * kWidth + size_t(x)]; }

  livetest::LiveGameWindow live;
  std::unique_ptr<CGuiMainClass> gui;
  std::unique_ptr<guitest::GuiActionHarness> harness;
};

TEST_F(GuiOverSceneLiveTest, DemoGuiIsDrawnOverTheSceneAndItsButtonOpensTheLedger) {
  LoadDemoGui();
  const std::vector<uint32_t> before = Frame("gui_over_scene_closed.png");
  // The scene shows where no GUI lies: sky above, ground below.
  EXPECT_EQ(At(before, 900, 60), kSky | 0xFF000000u);
  const uint32_t ground = At(before, 900, 700);
  EXPECT_GT((ground >> 8) & 0xFF, (ground >> 16) & 0xFF);
  // The status bar and the main panel lie over it; the ledger is closed.
  EXPECT_NE(At(before, 500, 16), At(before, 900, 60));
  EXPECT_NE(At(before, 150, 600), ground);
  EXPECT_FALSE(Light(At(before, 300, 150)));

  Click(80, 620);  // "Ledger" on the main panel
  const std::vector<GuiLayer*> layers = gui->GetLayers();
  GuiLayer* ledger = nullptr;
  for (GuiLayer* layer : layers) {
    if (layer->root->GetId() == 20017) ledger = layer;
  }
  ASSERT_NE(ledger, nullptr);
  EXPECT_EQ(ledger->active, 1);

  const std::vector<uint32_t> after = Frame("gui_over_scene_ledger.png");
  EXPECT_TRUE(Light(At(after, 300, 150)));  // the page
  EXPECT_TRUE(Light(At(after, 470, 282)));
  EXPECT_TRUE(Light(At(after, 700, 320)));  // the chart's white background
  EXPECT_EQ(At(after, 900, 60), kSky | 0xFF000000u);
}

}  // namespace
