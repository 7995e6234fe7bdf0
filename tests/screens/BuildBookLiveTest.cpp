// The demo park's build book open in a real window: its page shows the
// entries' pictures, texts and veils, and turning the page redraws the
// slots. A screenshot of each page is written into the working directory.
// Skips without a display.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/CGuiMainClass.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Screenshot.h"
#include "platform/gfx/gl/GlBackend.h"
#include "platform/gfx/gl/leaks/DisplayLeaks.h"
#include "platform/os/Window.h"
#include "screens/ScreenIds.h"
#include "tests/screens/BuildBookTestSupport.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

namespace fs = std::filesystem;

// The game bar's button that opens the book.
constexpr int32_t kBuildButton = 10067;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint32_t kClearColour = 0xFF203040u;

// The screens' host with a book host over the demo park.
class BookScreenHost : public screentest::FakeHost {
 public:
  using FakeHost::FakeHost;
  REraduzizBuildBookHost* GetBuildBookHost() override { return &book; }
  booktest::FakeBookHost book;
};

class BuildBookLiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    window = plat::CreateGameWindow("Halvenor build book", kWidth, kHeight, plat::WindowBackend::Live);
    if (!window) GTEST_SKIP() << "no display for a live window";
    plat::RegisterGlBackend();
    // The engine device picks its backend from the environment.
    setenv("HALVENOR_HEADLESS", "0", 1);
    device = std::make_unique<ZOdevuvDevice>(window);
    device->InitEngineDevice(kWidth, kHeight, 32, 1, 1);
    setenv("HALVENOR_HEADLESS", "1", 1);
    ASSERT_NE(device->GetDevice(), nullptr);
    plat::KeepRendererLoaded();
    gui = std::make_unique<CGuiMainClass>();
    host = std::make_unique<BookScreenHost>(*gui);
    host->book.baseDirectory = HALVENOR_PARK_DIR;
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
  void Click(int32_t sender) {
    gui->PostCommand(sender, -1, kCmdClick, 0, 0);
    Pass();
    Pass();
  }

  std::vector<uint32_t> Frame(const std::string& screenshot) {
    plat::Device& d = *device->GetDevice();
    gui->UpdateLayers();
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kClearColour, 1, 0);
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
  std::unique_ptr<BookScreenHost> host;
  std::unique_ptr<ScreenSet> screens;
};

TEST_F(BuildBookLiveTest, AnOpenPageShowsItsEntriesAndTurningItRedrawsTheSlots) {
  screentest::LoadDemoGui(*gui);
  screens->CreateAll();
  host->flags.gameRunning = 1;
  // Opened as the game's build button opens it.
  screens->buildBook->ShowPage();
  gui->PostCommand(-1, screen_ids::kBuildBook, kCmdOpenPage, kBuildButton, 0);
  host->flags.bookOpen = 1;
  Pass();
  CGuiElement* book = gui->FindElement(screen_ids::kBuildBook);
  ASSERT_NE(book, nullptr);
  ASSERT_TRUE(book->IsVisible());
  const std::vector<uint32_t> first = Frame("build_book_page_1.png");
  // The open book covers the screen's middle.
  EXPECT_NE(first[size_t(kHeight / 2) * kWidth + kWidth / 2], kClearColour);

  // The first realm's second page has one entry: the other slots empty.
  Click(REraduzizBuildBook::kNextPage);
  EXPECT_EQ(screens->buildBook->pageStart[0], REraduzizBuildBook::kSlotCount);
  const std::vector<uint32_t> second = Frame("build_book_page_2.png");
  for (int32_t frame : REraduzizBuildBook::kItemFrames) EXPECT_GT(Changed(first, second, frame), 0) << frame;
  for (int32_t text : REraduzizBuildBook::kItemTexts) EXPECT_GT(Changed(first, second, text), 0) << text;
}

}  // namespace
