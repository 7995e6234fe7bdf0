// The main object's reactions to a clicked character and its visitor panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "characters/CPorvikAiClass.h"
#include "characters/REraduzizVisitor.h"
#include "engine/core/Globals.h"
#include "engine/core/SceneStream.h"
#include "engine/render/ZOdevuvDevice.h"
#include "gui/core/GuiCommand.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "platform/os/Path.h"
#include "tests/characters/manager/ManagerTestSupport.h"

namespace {

constexpr int32_t kHiddenPages = 41;  // what HideGameScreens posts

class MainObjectReactionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = new CGuiElement;
    root_->CreateSized(nullptr, 1, 0, 0, 0, 800, 600, 0, 1, 1);
    game_.AddLayer(1, 1, root_, 0);
  }
  template <typename Element>
  Element* Add(int32_t id, int32_t width = 200, int32_t height = 100) {
    auto* element = new Element;
    element->CreateSized(root_, id, 0, 0, 0, width, height, 0, 1, 1);
    root_->AddChild(element);
    return element;
  }
  // The commands from the index on, after the game screens were hidden.
  std::vector<GuiCommand> Posted(std::size_t from = 0) {
    std::vector<GuiCommand> queue = game_.GetCommandQueue().Snapshot();
    queue.erase(queue.begin(), queue.begin() + std::ptrdiff_t(from));
    EXPECT_GE(queue.size(), std::size_t(kHiddenPages));
    EXPECT_EQ(queue.front().sender, 10436);
    queue.erase(queue.begin(), queue.begin() + std::min<std::ptrdiff_t>(kHiddenPages, std::ptrdiff_t(queue.size())));
    return queue;
  }

  VAvazadOvurUrovi game_;
  CGuiElement* root_ = nullptr;
};

TEST_F(MainObjectReactionsTest, PickedCharactersOpenTheirPagesByIdWhenThereIsSomethingToShow) {
  Add<CGuiGrid>(10397);  // no rows: character 2 opens nothing
  Add<CGuiGrid>(10414)->SetRowCount(3);
  Add<CGuiGrid>(10422)->SetRowCount(1);
  const struct {
    int32_t id;
    int32_t page;  // -1: nothing opens
  } cases[] = {{1, 10410}, {2, -1},       {3, -1},       {4, 10407}, {5, 10404},    {6, -1},
               {999, -1},  {1000, 10413}, {1999, 10413}, {2500, -1}, {3999, 10421}, {5000, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const std::size_t before = game_.GetCommandQueue().Size();
    game_.modalScreenOpen = 0;
    game_.OnPickedItem(c.id);
    // The game screens close whatever was picked.
    const std::vector<GuiCommand> posted = Posted(before);
    if (c.page < 0) {
      EXPECT_TRUE(posted.empty());
      EXPECT_EQ(game_.modalScreenOpen, 0);
      continue;
    }
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].sender, -1);
    EXPECT_EQ(posted[0].target, c.page);
    EXPECT_EQ(posted[0].code, kCmdShowPage);
    EXPECT_EQ(posted[0].control, 10124);
    EXPECT_EQ(game_.modalScreenOpen, 1);
  }
}

TEST_F(MainObjectReactionsTest, TheJobDialogOpensAndCloses) {
  game_.QueueDialogCommand(true);
  game_.QueueDialogCommand(false);
  const std::vector<GuiCommand> queue = game_.GetCommandQueue().Snapshot();
  ASSERT_EQ(queue.size(), 2u);
  EXPECT_EQ(queue[0].target, 10394);
  EXPECT_EQ(queue[0].code, kCmdShowPage);
  EXPECT_EQ(queue[0].control, 10124);
  EXPECT_EQ(queue[1].code, kCmdClosePage);
  EXPECT_EQ(queue[1].control, 10068);
  EXPECT_EQ(queue[1].done, 0);
}

TEST_F(MainObjectReactionsTest, WithoutAVisitorThePanelCloses) {
  game_.modalScreenOpen = 1;
  game_.RefreshInfoPanel(VAvazadOvurUrovi::kNoCharacter);
  const std::vector<GuiCommand> queue = game_.GetCommandQueue().Snapshot();
  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue[0].sender, 10068);
  EXPECT_EQ(queue[0].target, 10132);
  EXPECT_EQ(queue[0].code, kCmdClosePage);
  EXPECT_EQ(game_.modalScreenOpen, 0);
}

TEST_F(MainObjectReactionsTest, TypesAreFoundByTheirExactName) {
  for (const char* name : {"Attr_tobbin", "Shop one", "Attr_tobbin"}) {
    auto type = std::make_unique<ObjectTypeDescriptor>();
    type->name = name;
    game_.objectTypes.Add(std::move(type));
  }
  int32_t index = -7;
  EXPECT_EQ(game_.FindObjectTypeByName("Attr_tobbin", &index), game_.objectTypes.At(0));
  EXPECT_EQ(index, 0);
  EXPECT_EQ(game_.FindObjectTypeByName("Shop one", &index), game_.objectTypes.At(1));
  EXPECT_EQ(index, 1);
  for (const char* other : {" Attr_tobbin", "Attr_tobbin ", "attr_tobbin", "Shop  one", ""}) {
    EXPECT_EQ(game_.FindObjectTypeByName(other, &index), nullptr) << other;
    EXPECT_EQ(index, 2);  // the last position tried
  }
}

// The panel of a visitor of the demo park.
class VisitorPanelTest : public MainObjectReactionsTest {
 protected:
  void SetUp() override {
    MainObjectReactionsTest::SetUp();
    device_->InitEngineDevice(800, 600, 32, 0, 1);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(HALVENOR_PARK_DIR);
    plat::ClearPathCache();
    game_.characterTexts.LoadNames(HALVENOR_PARK_DIR);
    game_.characterTexts.LoadThoughts((std::string(HALVENOR_PARK_DIR) + "\\Scenes\\thought\\Thought_NL.xml").c_str());
    // The visitors draw their names from the host's lists, the panel shows
    // them from the main object's.
    host_.texts.LoadNames(HALVENOR_PARK_DIR);
    manager_ = std::make_unique<CPorvikAiClass>();
    game_.aiManager = manager_.get();
  }
  void TearDown() override {
    game_.aiManager = nullptr;
    manager_.reset();
    std::filesystem::current_path(previous_);
    plat::ClearPathCache();
    device_.reset();
    g_shadowMapSurface.reset();
    g_shadowDepthSurface.reset();
  }

  managertest::FakeHost host_;
  std::unique_ptr<ZOdevuvDevice> device_ = std::make_unique<ZOdevuvDevice>(nullptr);
  std::unique_ptr<CPorvikAiClass> manager_;
  std::filesystem::path previous_;
};

TEST_F(VisitorPanelTest, TheVisitorsNameAgeMoodsAndThoughtFillThePanel) {
  auto* name = Add<CGuiStaticText>(10134);
  auto* age = Add<CGuiStaticText>(10140);
  auto* mood = Add<CGuiStaticText>(10141);
  auto* thought = Add<CGuiTextBox>(10136);
  REraduzizVisitor* visitor = manager_->CreateVisitor(5000, 1, {});
  ASSERT_NE(visitor, nullptr);
  game_.RefreshInfoPanel(5000);
  const auto& women = game_.characterTexts.GetWomanNames();
  ASSERT_GE(visitor->GetNameIndex(), 0);
  EXPECT_EQ(name->GetText(), women[std::size_t(visitor->GetNameIndex())]);
  EXPECT_EQ(age->GetText().Std(), std::to_string(visitor->GetAge()));
  EXPECT_EQ(mood->GetText().Std(), std::to_string(visitor->GetAttributes().GetMood()) + "%");
  EXPECT_FALSE(thought->GetLines().empty());
  const std::vector<GuiCommand> posted = Posted();
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].target, 10132);
  EXPECT_EQ(posted[0].code, kCmdShowPage);
  EXPECT_EQ(game_.modalScreenOpen, 1);
}

// A visitor whose thought lists the test fills.
class ThinkingVisitor : public REraduzizVisitor {
 public:
  using REraduzizVisitor::AppendThought;
};

TEST_F(VisitorPanelTest, TheThoughtHistoryComesFirstThenTheOtherListsInTheirOrder) {
  game_.LoadStringTable(EngineString(HALVENOR_PARK_DIR) + "\\GuiFiles\\langFile.gui.nl");
  auto* history = Add<CGuiTextBox>(10133, 2000, 1000);  // wide enough for one line a thought
  // One thought of the demo thoughts in each list: greenery, cleanliness,
  // the park (the history) and a visit.
  struct Listed {
    int32_t list, category, sentence;
  };
  const Listed listed[] = {{REraduzizVisitor::kGreenThoughts, 23, 0},
                           {REraduzizVisitor::kCleanThoughts, 22, 0},
                           {REraduzizVisitor::kMoodThoughts, 3, 2},
                           {REraduzizVisitor::kVisitThoughts, 1, 1}};
  ThinkingVisitor thinker;
  for (const Listed& entry : listed) thinker.AppendThought(entry.list, {"", entry.category, entry.sentence, ""}, false);
  // The park's visitor takes the thoughts as a saved game gives them back.
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  SceneStream stream(file);
  thinker.WriteRecord(stream);
  std::rewind(file);
  REraduzizVisitor* visitor = manager_->CreateVisitor(5002, 1, {});
  ASSERT_NE(visitor, nullptr);
  ASSERT_TRUE(visitor->ReadRecord(stream, {}));
  game_.RefreshInfoPanel(5002);

  const auto line = [&](const Listed& entry) {
    return game_.characterTexts.DescribeThought(entry.category, entry.sentence, "", "").Std();
  };
  const std::vector<std::string> expected = {
      game_.GetText(100226).Std(), line(listed[2]), game_.GetText(100227).Std(), line(listed[0]),
      game_.GetText(100228).Std(), line(listed[1]), game_.GetText(100229).Std(), line(listed[3])};
  std::vector<std::string> shown;
  for (const EngineString& text : history->GetLines()) shown.push_back(text.Std());
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(expected[0], "Thoughts");
}

TEST_F(VisitorPanelTest, AVisitorWithoutANameShowsNone) {
  auto* name = Add<CGuiStaticText>(10134);
  name->SetText(-1, "stale", 0, {});
  host_.texts = CharacterTexts();  // nothing to draw a name from
  REraduzizVisitor* visitor = manager_->CreateVisitor(5001, 4, {});
  ASSERT_EQ(visitor->GetNameIndex(), REraduzizVisitor::kNoName);
  game_.RefreshInfoPanel(5001);
  EXPECT_EQ(name->GetText(), "");
}

}  // namespace
