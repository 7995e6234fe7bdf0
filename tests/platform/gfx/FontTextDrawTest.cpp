#include <gtest/gtest.h>

#include "platform/gfx/Font.h"
#include "platform/gfx/headless/HeadlessBackend.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

class FontDraw : public DeviceTest {
 protected:
  std::shared_ptr<Font> Make(const char* face, int height, int weight = 400) {
    FontDesc desc;
    desc.face = face;
    desc.height = height;
    desc.weight = weight;
    return CreateFont(device_, desc);
  }
  std::shared_ptr<Font> arial_ = Make("Arial", 12);
};

TEST_F(FontDraw, CalcRectMeasuresAndDrawsNothing) {
  dev().BeginScene();
  Rect rect{10, 20, 10, 20};
  int height = arial_->DrawText("Entrance", -1, &rect, TextFormat::CalcRect, 0xFF000000u);
  EXPECT_GT(height, 0);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right - rect.left, arial_->GetTextExtent("Entrance").width);
  EXPECT_EQ(rect.bottom - rect.top, height);
  EXPECT_TRUE(dev().Record().Texts().empty());
  EXPECT_EQ(dev().Record().Count(EventKind::Text), 0u);
}

TEST_F(FontDraw, ExtentsGrowWithTheTextAndItsLines) {
  TextSize one = arial_->GetTextExtent("Park");
  TextSize longer = arial_->GetTextExtent("Park entrance");
  TextSize twoLines = arial_->GetTextExtent("Park\nentrance");
  EXPECT_GT(one.width, 0);
  EXPECT_GT(longer.width, one.width);
  EXPECT_EQ(twoLines.height, 2 * one.height);
  EXPECT_LT(twoLines.width, longer.width);
  auto big = Make("Malvern", 35);
  ASSERT_TRUE(big);
  EXPECT_GT(big->GetTextExtent("Park").width, one.width);
  EXPECT_EQ(arial_->GetTextExtent("").width, 0);
}

TEST_F(FontDraw, DrawnTextIsRecordedWithItsFontRectFlagsAndColour) {
  dev().BeginScene();
  Rect rect{0, 0, 200, 40};
  std::string text = "Caf\xE9 open";  // Windows-1252 e-acute
  int height =
      arial_->DrawText(text, 4, &rect, TextFormat::Center | TextFormat::VCenter, 0xFF336699u);
  EXPECT_EQ(height, arial_->LineHeight());
  auto texts = dev().Record().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Caf\xE9") << "count limits the bytes";
  EXPECT_EQ(texts[0].face, "Arial");
  EXPECT_EQ(texts[0].height, 12);
  EXPECT_EQ(texts[0].format, TextFormat::Center | TextFormat::VCenter);
  EXPECT_EQ(texts[0].color, 0xFF336699u);
  EXPECT_EQ(texts[0].rect.right, 200);
}

TEST_F(FontDraw, AlignmentPlacesTheLineInsideTheRect) {
  struct Backend : HeadlessBackend {
    void DrawText(const DeviceState&, const TextDraw& text) override { last = text; }
    TextDraw last;
  };
  DeviceParams params;
  auto owned = std::make_unique<Backend>();
  Backend* backend = owned.get();
  auto device = std::make_shared<Device>(params, std::move(owned));
  FontDesc desc;
  auto font = CreateFont(device, desc);
  device->BeginScene();
  Rect rect{100, 50, 300, 90};
  int width = font->GetTextExtent("Shop").width;
  struct Case {
    std::uint32_t format;
    int x;
  };
  const Case cases[] = {{TextFormat::Left, 100},
                        {TextFormat::Center, 100 + (200 - width) / 2},
                        {TextFormat::Right, 300 - width}};
  for (const Case& c : cases) {
    font->DrawText("Shop", -1, &rect, c.format, 0xFFFFFFFFu);
    ASSERT_EQ(backend->last.lines.size(), 1u);
    EXPECT_EQ(backend->last.lines[0].x, c.x) << c.format;
  }
  font->DrawText("Shop", -1, &rect, TextFormat::VCenter, 0xFFFFFFFFu);
  int top = 50 + (40 - font->LineHeight()) / 2;
  EXPECT_GT(backend->last.lines[0].baseline, top);
  EXPECT_LE(backend->last.lines[0].baseline, top + font->LineHeight());
}

TEST_F(FontDraw, NothingIsDrawnOutsideASceneOrForEmptyText) {
  Rect rect{0, 0, 100, 20};
  EXPECT_EQ(arial_->DrawText("Shop", -1, &rect, 0, 0xFFFFFFFFu), 0);
  dev().BeginScene();
  EXPECT_EQ(arial_->DrawText("", -1, &rect, 0, 0xFFFFFFFFu), 0);
  EXPECT_EQ(arial_->DrawText("Shop", 0, &rect, 0, 0xFFFFFFFFu), 0);
  EXPECT_TRUE(dev().Record().Texts().empty());
  EXPECT_GT(arial_->DrawText("Shop", -1, nullptr, 0, 0xFFFFFFFFu), 0) << "no rect: unclipped";
}

TEST_F(FontDraw, CreationNeedsAHeightAndAFace) {
  EXPECT_FALSE(Make("", 12));
  EXPECT_FALSE(Make("Arial", 0));
  auto bold = Make("Arial", 12, 700);
  ASSERT_TRUE(bold);
  EXPECT_EQ(bold->Desc().weight, 700);
}

}  // namespace
}  // namespace plat::test
