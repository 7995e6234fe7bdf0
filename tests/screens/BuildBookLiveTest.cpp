// The demo park's build book open in a real window: its page shows the
// entries' pictures, texts and veils, and turning the page redraws the
// slots. A screenshot of each page is written into the build folder's
// screenshots. Skips without a display.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/core/CGuiMainClass.h"
#include "platform/gfx/Device.h"
#include "screens/ScreenIds.h"
#include "tests/live/support/LiveGameWindow.h"
#include "tests/screens/BuildBookTestSupport.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

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
    live.Open("Halvenor build book", kWidth, kHeight);
    if (!live.IsOpen()) GTEST_SKIP() << "no display for a live window";
    if (HasFatalFailure()) return;
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
    live.Close();
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
    plat::Device& d = live.Device();
    gui->UpdateLayers();
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, kClearColour, 1, 0);
    gui->DrawLayers();
    d.EndScene();
    return live.Capture(screenshot);
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

  livetest::LiveGameWindow live;
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
