// CGuiStaticText: its text by id or literal, drawn where the element is.
#include <gtest/gtest.h>

#include <vector>

#include "gui/widgets/CGuiStaticText.h"
#include "platform/gfx/Device.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

std::vector<plat::TextRecord> DrawnTexts(guitest::GuiTestKit& kit) {
  kit.Device().Record().Enable(true);
  kit.Device().Record().Clear();
  kit.Device().BeginScene();
  kit.Gui().DrawLayers();
  kit.Device().EndScene();
  return kit.Device().Record().Texts();
}

TEST(StaticTextTest, DrawsItsTextMovedRightAndDownWithItsFormatAndColour) {
  guitest::GuiTestKit kit;
  kit.Gui().GetTextTable().Parse("100146 Build_a_shop");
  auto* label = kit.Add<CGuiStaticText>(nullptr, 9, 40, 50, 200, 30);
  label->SetText(100146, "ignored", 1, GuiColour{255, 10, 20, 30});
  const std::vector<plat::TextRecord> texts = DrawnTexts(kit);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Build a shop");
  EXPECT_EQ(texts[0].rect.left, 42);
  EXPECT_EQ(texts[0].rect.top, 53);
  EXPECT_EQ(texts[0].rect.right, 240);
  EXPECT_EQ(texts[0].rect.bottom, 83);
  EXPECT_EQ(texts[0].format, 1u);
  EXPECT_EQ(texts[0].color, 0xFF0A141Eu);
}

TEST(StaticTextTest, AHiddenTextIsNotDrawn) {
  guitest::GuiTestKit kit;
  auto* label = kit.Add<CGuiStaticText>(nullptr, 9, 40, 50, 200, 30);
  label->SetText(-1, "Hello", 0, kGuiBlack);
  label->Hide(nullptr);
  EXPECT_TRUE(DrawnTexts(kit).empty());
}

}  // namespace
