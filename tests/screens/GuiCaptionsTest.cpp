#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "tests/screens/ScreenTestSupport.h"

namespace {

using screentest::DebugCapture;
using screentest::ScreenWorld;

TEST(GuiCaptionsTest, ElementsGetTheirTextsFromTheTable) {
  ScreenWorld world(false);
  world.kit.Gui().GetTextTable().Parse(
      "100129 New_game 100138 Menu_items 100143 Music 100173 Build_paths.XXThen_rides.");
  CGuiElement* page = world.kit.Add(nullptr, 10001, 0, 0, 800, 600);
  auto* newGame = world.kit.Add<CGuiButton>(page, 10002, 0, 0, 100, 20, 7, 4);
  auto* title = world.kit.Add<CGuiStaticText>(page, 10344, 0, 40, 200, 20);
  auto* music = world.kit.Add<CGuiStaticText>(page, 10038, 0, 60, 200, 20);
  auto* help = world.kit.Add<CGuiTextBox>(page, 10361, 0, 100, 400, 200);
  title->SetText(-1, "set by its screen", 1, kGuiBlack);
  world.screens.CreateAll();
  DebugCapture capture;
  world.screens.ChangeText();

  EXPECT_EQ(newGame->GetCaption(), "New game");
  EXPECT_EQ(newGame->GetFormat(), 5u);
  EXPECT_EQ(title->GetText(), "Menu items");
  EXPECT_EQ(title->GetFormat(), 0u);
  EXPECT_EQ(music->GetText(), "Music");
  EXPECT_EQ(music->GetFormat(), 1u);
  std::vector<std::string> lines;
  for (const EngineString& line : help->GetLines()) lines.push_back(line.Std());
  EXPECT_EQ(lines, (std::vector<std::string>{"Build paths.", "Then rides."}));
  // The rest of the table's elements are missing here: each gives a line.
  EXPECT_TRUE(capture.Contains("ChangeText: element 10011 is missing or not a button"));
  EXPECT_FALSE(capture.Contains("element 10002 "));
}

}  // namespace
