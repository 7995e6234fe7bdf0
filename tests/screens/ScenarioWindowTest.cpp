// The scenario window over the demo GUI: the goal list's slots and result
// labels, the start of a scenario in its order of pages and sounds, the
// back button, and the clicks it leaves alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiTextBox.h"
#include "park/scenarios/CPorvikScenarios.h"
#include "screens/REraduzizScenarioWindow.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::LoadDemoGui;

constexpr int32_t kWindow = 10108;
constexpr int32_t kFirstStart = 10113;
constexpr int32_t kBack = 10121;

class ScenarioHost : public screentest::FakeHost {
 public:
  using FakeHost::FakeHost;
  const CPorvikScenarios* GetScenarios() const override { return &scenarios; }
  bool StartScenario(int32_t index) override {
    started.push_back(index);
    // The start reads the queue as it stands: nothing of the window's yet.
    queuedAtStart = Gui().GetCommandQueue().Size();
    return startSucceeds;
  }

  CPorvikScenarios scenarios;
  std::vector<int32_t> started;
  size_t queuedAtStart = 0;
  bool startSucceeds = true;
};

class ScenarioWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadDemoGui(kit.Gui());
    window = std::make_unique<REraduzizScenarioWindow>(host, kit.Gui().FindElement(kWindow));
    window->BindControls();
  }

  void AddScenarios(int count) {
    for (int n = 0; n < count; ++n) {
      auto record = std::make_unique<ScenarioRecord>();
      record->name = ("Scenario " + std::to_string(n)).c_str();
      record->desc = ("Goal " + std::to_string(n)).c_str();
      host.scenarios.records.push_back(std::move(record));
    }
  }
  std::string SlotText(int slot) {
    std::string text;
    for (const EngineString& line : window->slotTexts[slot]->GetLines()) text += line.Std() + "|";
    return text;
  }
  bool Send(int32_t sender, int32_t code = kCmdClick) {
    GuiCommand command;
    command.sender = sender;
    command.code = code;
    const bool taken = window->OnGuiCommand(command);
    EXPECT_EQ(taken, command.sender == -1);
    return taken;
  }
  std::vector<GuiCommand> Posted() {
    const std::vector<GuiCommand> queue = kit.Gui().GetCommandQueue().Snapshot();
    return std::vector<GuiCommand>(queue.begin() + long(m_mark), queue.end());
  }
  void Mark() { m_mark = kit.Gui().GetCommandQueue().Size(); }

  size_t m_mark = 0;
  guitest::GuiTestKit kit;
  ScenarioHost host{kit.Gui()};
  std::unique_ptr<REraduzizScenarioWindow> window;
};

}  // namespace

TEST_F(ScenarioWindowTest, TheSlotsShowTheScenariosAndEmptySlotsKeepTheirText) {
  AddScenarios(2);
  window->slotTexts[2]->SetText(-1, "before");
  window->FillGoals();
  EXPECT_EQ(window->scenarioCount, 2);
  EXPECT_EQ(SlotText(0), "Scenario 0|Goal 0|Result: Not played yet|");
  EXPECT_EQ(SlotText(1), "Scenario 1|Goal 1|Result: Not played yet|");
  EXPECT_EQ(SlotText(2), "before|");
  EXPECT_EQ(window->startButtons[0]->interactive, 1);
  EXPECT_EQ(window->startButtons[2]->interactive, 0);
  EXPECT_EQ(window->startButtons[3]->interactive, 0);
}

TEST_F(ScenarioWindowTest, ARefreshLabelsOnlyDecidedScenariosAsWonOrLost) {
  struct Case {
    bool finished, succeeded;
    const char* result;
  };
  const Case cases[] = {{false, false, "Not played yet"}, {false, true, "Not played yet"},
                        {true, false, "Lost"},            {true, true, "Won"}};
  AddScenarios(4);
  for (int k = 0; k < 4; ++k) {
    host.scenarios.SetFinished(k, cases[k].finished);
    host.scenarios.SetSucceeded(k, cases[k].succeeded);
  }
  window->RefreshGoals();
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(SlotText(k), "Scenario " + std::to_string(k) + "|Goal " + std::to_string(k) + "|Result: " +
                               cases[k].result + "|");
  }
}

TEST_F(ScenarioWindowTest, AStartLeavesForTheParkInItsOrder) {
  AddScenarios(6);
  window->FillGoals();
  host.flags.modal = 1;
  host.flags.tutorialMode = 1;
  Mark();
  EXPECT_TRUE(Send(kFirstStart + 3));
  EXPECT_EQ(host.started, std::vector<int32_t>{3});
  EXPECT_EQ(host.queuedAtStart, m_mark);
  const std::vector<GuiCommand> posted = Posted();
  struct Page {
    int32_t target, code, control;
  };
  const Page want[] = {{10062, kCmdOpenPageForced, kFirstStart + 3},
                       {10433, kCmdOpenPage, kFirstStart + 3},
                       {kWindow, kCmdClosePage, 10028}};
  ASSERT_EQ(posted.size(), std::size(want));
  for (size_t n = 0; n < posted.size(); ++n) {
    EXPECT_EQ(posted[n].sender, -1);
    EXPECT_EQ(posted[n].target, want[n].target);
    EXPECT_EQ(posted[n].code, want[n].code);
    EXPECT_EQ(posted[n].control, want[n].control);
  }
  EXPECT_EQ(host.flags.modal, 0);
  EXPECT_EQ(host.flags.tutorialMode, 0);
}

TEST_F(ScenarioWindowTest, AClickOnAnEmptySlotOrAFailedStartChangesNothing) {
  AddScenarios(2);
  window->FillGoals();
  host.flags.modal = 1;
  Mark();
  EXPECT_TRUE(Send(kFirstStart + 2));
  EXPECT_TRUE(host.started.empty());
  host.startSucceeds = false;
  EXPECT_TRUE(Send(kFirstStart + 1));
  EXPECT_EQ(host.started, std::vector<int32_t>{1});
  EXPECT_TRUE(Posted().empty());
  EXPECT_EQ(host.flags.modal, 1);
}

TEST_F(ScenarioWindowTest, BackReturnsToTheNewGamePageAndOtherCommandsPassBy) {
  Mark();
  EXPECT_TRUE(Send(kBack));
  const std::vector<GuiCommand> posted = Posted();
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(std::make_pair(posted[0].target, posted[0].code), std::make_pair(kWindow, int32_t(kCmdClosePage)));
  EXPECT_EQ(std::make_pair(posted[1].target, posted[1].code), std::make_pair(10020, int32_t(kCmdOpenPage)));
  EXPECT_EQ(posted[1].sender, kBack);

  AddScenarios(1);
  window->FillGoals();
  EXPECT_FALSE(Send(kFirstStart, kCmdSelect));
  EXPECT_FALSE(Send(kFirstStart + 4));
  EXPECT_FALSE(Send(10028));
  EXPECT_TRUE(host.started.empty());
}

TEST(ScenarioSceneNameTest, ASceneNameStaysInsideTheScenesFolder) {
  struct Case {
    const char* name;
    bool safe;
  };
  const Case cases[] = {
      {"scenarios\\harbour_feast.pys", true}, {"scenarios/low.pys", true},     {"a..b.pys", true},
      {"", false},                            {"..\\guifiles\\Options.ini", false},
      {"scenarios\\..\\..\\x.pys", false},    {"\\Windows\\x.pys", false},     {"/etc/passwd", false},
      {"C:\\x.pys", false},                   {"scenarios\\..", false},
  };
  for (const Case& c : cases) EXPECT_EQ(CPorvikScenarios::IsSceneName(c.name), c.safe) << c.name;

  CPorvikScenarios scenarios;
  auto record = std::make_unique<ScenarioRecord>();
  record->ScenarioMap = "scenarios\\high.pys";
  record->scenarioMapLow = "..\\..\\low.pys";
  scenarios.records.push_back(std::move(record));
  EXPECT_EQ(scenarios.GetSceneName(0, true).Std(), "scenarios\\high.pys");
  EXPECT_EQ(scenarios.GetSceneName(0, false).Std(), "");
  EXPECT_EQ(scenarios.GetSceneName(1, true).Std(), "");
}
