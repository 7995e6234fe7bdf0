#include "engine/render/ZOdevuvText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"

namespace {

using plat::EventKind;
using plat::TextFormat;

constexpr uint32_t kColor = 0xFF102030u;

// A headless device manager in a scene, recording texts.
class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("HALVENOR_HEADLESS", "1", 0);
    manager_ = std::make_unique<ZOdevuvDevice>(nullptr);
    manager_->InitEngineDevice(800, 600, 32, 1, 1);
    device_ = manager_->GetDevice();
    ASSERT_NE(device_, nullptr);
    ASSERT_TRUE(device_->BeginScene());
    device_->Record().Enable(true);
  }

  static void SetFace(ZOdevuvText& label, int32_t size, int32_t width, int32_t weight, const char* face) {
    label.SetFont(size, width, weight, 0, 1, 0, 4, 0, face);
  }

  std::vector<plat::TextRecord> Texts() const { return device_->Record().Texts(); }

  std::unique_ptr<ZOdevuvDevice> manager_;
  plat::Device* device_ = nullptr;
};

TEST_F(TextTest, DefaultLabelDrawsWithArialNinePointsIntoTheRectangle) {
  ZOdevuvText label;
  EXPECT_TRUE(manager_->FindFont(9, 9, "Arial"));
  label.Draw("Hello", plat::Rect{10, 20, 200, 40}, TextFormat::Center | TextFormat::VCenter, kColor);

  std::vector<plat::TextRecord> texts = Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Hello");
  EXPECT_EQ(texts[0].face, "Arial");
  EXPECT_EQ(texts[0].height, 12);  // 9 points at 96 dots per inch
  EXPECT_EQ(texts[0].weight, 400);
  EXPECT_FALSE(texts[0].italic);
  EXPECT_EQ(texts[0].rect.left, 10);
  EXPECT_EQ(texts[0].rect.top, 20);
  EXPECT_EQ(texts[0].rect.right, 200);
  EXPECT_EQ(texts[0].rect.bottom, 40);
  EXPECT_EQ(texts[0].format, TextFormat::Center | TextFormat::VCenter);
  EXPECT_EQ(texts[0].color, kColor);
}

TEST_F(TextTest, PointSizesBecomeRoundedPixelHeights) {
  struct Case {
    int32_t points, pixels;
  };
  const Case cases[] = {{9, 12}, {26, 35}, {10, 13}, {0, 0}, {-9, -12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    EXPECT_EQ(ZOdevuvText::PointsToPixels(c.points), c.pixels);
  }
  ZOdevuvText gameFont;
  gameFont.SetFont(26, 10, 400, 1, 1, 0, 4, 0, "Malvern");
  gameFont.DrawShadowed(0, 0, "x", 0, 0, kColor);
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0].height, 35);
  EXPECT_TRUE(Texts()[0].italic);
}

TEST_F(TextTest, LabelsDifferingOnlyInWeightShareTheFirstLabelsFont) {
  ZOdevuvText normal;
  SetFace(normal, 9, 9, 400, "Arial");
  ZOdevuvText bold;
  SetFace(bold, 9, 9, 700, "Arial");
  normal.Draw("a", plat::Rect{0, 0, 50, 20}, 0, kColor);
  bold.Draw("b", plat::Rect{0, 0, 50, 20}, 0, kColor);

  std::vector<plat::TextRecord> texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].weight, 400);
  EXPECT_EQ(texts[1].weight, 400);
}

TEST_F(TextTest, LabelsDifferingInSizeWidthOrFaceGetFontsOfTheirOwn) {
  ZOdevuvText base;
  SetFace(base, 9, 9, 400, "Arial");
  struct Case {
    int32_t size, width;
    const char* face;
  };
  const Case cases[] = {{12, 9, "Arial"}, {9, 7, "Arial"}, {9, 9, "Times New Roman"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.face);
    ZOdevuvText label;
    SetFace(label, c.size, c.width, 700, c.face);
    ASSERT_TRUE(manager_->FindFont(c.width, c.size, c.face));
    EXPECT_NE(manager_->GetFont(c.width, c.size, c.face), manager_->GetFont(9, 9, "Arial"));
    device_->Record().Clear();
    label.Draw("x", plat::Rect{0, 0, 50, 20}, 0, kColor);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].weight, 700);
    EXPECT_EQ(Texts()[0].face, c.face);
  }
}

TEST_F(TextTest, DrawShadowedPlacesTheTextUnclippedAtThePoint) {
  ZOdevuvText label;
  label.DrawShadowed(300, 400, "Money", 7, 8, kColor);
  std::vector<plat::TextRecord> texts = Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rect.left, 300);
  EXPECT_EQ(texts[0].rect.top, 400);
  EXPECT_EQ(texts[0].rect.right, 0);
  EXPECT_EQ(texts[0].rect.bottom, 0);
  EXPECT_EQ(texts[0].format, TextFormat::NoClip);
  EXPECT_EQ(texts[0].color, kColor);
}

TEST_F(TextTest, DrawFittedOnlyFitsTheRectangleToTheText) {
  ZOdevuvText label;
  plat::Rect rect{15, 25, 16, 26};
  label.DrawFitted(rect, "Fitted text", 0);
  EXPECT_TRUE(device_->Record().Events().empty());
  EXPECT_EQ(rect.left, 15);
  EXPECT_EQ(rect.top, 25);
  EXPECT_EQ(rect.right, 15 + label.GetTextWidth("Fitted text"));
  EXPECT_GT(rect.bottom, 25);
}

TEST_F(TextTest, TextWidthGrowsWithTheText) {
  ZOdevuvText label;
  const char* texts[] = {"", "i", "iW", "iW iW", "iW iW iW iW"};
  int32_t previous = -1;
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    int32_t width = label.GetTextWidth(text);
    EXPECT_GT(width, previous);
    previous = width;
  }
  EXPECT_EQ(label.GetTextWidth(""), 0);
  plat::Rect shortRect{0, 0, 0, 0}, longRect{0, 0, 0, 0};
  label.DrawFitted(shortRect, "Park", 0);
  label.DrawFitted(longRect, "Park entrance", 0);
  EXPECT_GT(longRect.right, shortRect.right);
}

TEST_F(TextTest, WithoutAFontNothingIsDrawnOrMeasured) {
  ZOdevuvText emptyFace;
  SetFace(emptyFace, 9, 9, 400, "");
  ZOdevuvText released;
  released.Release();
  EXPECT_EQ(released.GetFace(), "");
  // The cached font outlives the label that made it.
  EXPECT_TRUE(manager_->FindFont(9, 9, "Arial"));
  for (ZOdevuvText* label : {&emptyFace, &released}) {
    label->Draw("text", plat::Rect{0, 0, 100, 20}, 0, kColor);
    label->DrawShadowed(5, 5, "text", 0, 0, kColor);
    plat::Rect rect{1, 2, 3, 4};
    label->DrawFitted(rect, "text", 0);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.top, 2);
    EXPECT_EQ(rect.right, 3);
    EXPECT_EQ(rect.bottom, 4);
    EXPECT_EQ(label->GetTextWidth("text"), 0);
  }
  EXPECT_EQ(device_->Record().Count(EventKind::Text), 0u);
}

TEST_F(TextTest, NullTextsAreIgnored) {
  ZOdevuvText label;
  label.Draw(nullptr, plat::Rect{0, 0, 10, 10}, 0, kColor);
  label.DrawShadowed(0, 0, nullptr, 0, 0, kColor);
  plat::Rect rect{1, 2, 3, 4};
  label.DrawFitted(rect, nullptr, 0);
  EXPECT_EQ(rect.right, 3);
  EXPECT_EQ(label.GetTextWidth(nullptr), 0);
  EXPECT_TRUE(device_->Record().Events().empty());
}

TEST_F(TextTest, WithoutADeviceManagerLabelsDoNothing) {
  manager_.reset();
  ASSERT_EQ(g_device, nullptr);
  ZOdevuvText label;
  label.Draw("text", plat::Rect{0, 0, 100, 20}, 0, kColor);
  plat::Rect rect{1, 2, 3, 4};
  label.DrawFitted(rect, "text", 0);
  EXPECT_EQ(rect.right, 3);
  EXPECT_EQ(label.GetTextWidth("text"), 0);
}

}  // namespace
