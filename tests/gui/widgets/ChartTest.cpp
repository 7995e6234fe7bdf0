// CGuiChart: the picture's geometry and labels, and rendering only when
// the data changed.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gui/widgets/CGuiChart.h"
#include "platform/gfx/Device.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

using Points = std::vector<std::pair<float, float>>;

// A 200 x 100 chart at (10, 20): margins 20 and 10, a plot of 160 x 80
// with its origin at (20, 90); every font measures 10 px a character and
// 14 px a line.
class ChartTest : public ::testing::Test {
 protected:
  ChartTest() {
    for (int size : {6, 8, 12, 16}) kit.AddFixedFont(0, size, "Arial");
    root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 1024, 768);
    chart = new CGuiChart();
    chart->CreateSized(root, 50, 0, 10, 20, 200, 100, 0, 1, 1);
    root->AddChild(chart);
  }

  std::vector<std::string> LabelTexts(const ChartPicture& picture, ChartPicture::Font font) {
    std::vector<std::string> texts;
    for (const auto& label : picture.labels) {
      if (label.font == font) texts.push_back(label.text.Std());
    }
    return texts;
  }
  const ChartPicture::Label* Label(const ChartPicture& picture, const std::string& text) {
    for (const auto& label : picture.labels) {
      if (label.text.Std() == text) return &label;
    }
    return nullptr;
  }

  guitest::GuiTestKit kit;
  CGuiElement* root;
  CGuiChart* chart;
};

TEST_F(ChartTest, TwoSeriesGiveGridStepsRangeLabelsAndPointPositions) {
  chart->AddSeries({{0, 1}, {1, 3}, {2, 5}, {3, 2}, {4, 9.7f}}, "Visitors", 0xFF0000FF);
  chart->AddSeries({{0, 2}, {1, 4}, {2, 6}}, "Staff", 0xFFFF0000);
  const ChartPicture picture = chart->BuildPicture();
  EXPECT_EQ(picture.gridSteps, 4);
  EXPECT_FLOAT_EQ(picture.yRange, 10.0f);
  EXPECT_EQ(picture.horizontalGrid.size(), 8u);
  EXPECT_EQ(picture.verticalGrid.size(), 8u);
  EXPECT_FLOAT_EQ(picture.horizontalGrid[0].y, 70.0f);
  EXPECT_FLOAT_EQ(picture.verticalGrid[0].x, 60.0f);

  ASSERT_EQ(picture.series.size(), 2u);
  ASSERT_EQ(picture.series[0].size(), 5u);
  EXPECT_EQ(picture.series[1].size(), 3u);
  // 9.7 stays inside the plot: the scale divides by the largest whole y + 1.
  EXPECT_FLOAT_EQ(picture.series[0][4].x, 180.0f);
  EXPECT_NEAR(picture.series[0][4].y, 90.0f - 9.7f * 8.0f, 1e-4);
  EXPECT_EQ(picture.series[1][2].colour, 0xFFFF0000u);

  const std::vector<std::string> values = LabelTexts(picture, ChartPicture::Font::Value);
  EXPECT_EQ(values, (std::vector<std::string>{"0", "5", "2", "10", "4"}));
  struct Place {
    const char* text;
    int32_t x, y;
  };
  for (const Place& p : {Place{"0", 8, 90}, Place{"5", 8, 46}, Place{"10", -2, 6}, Place{"2", 95, 90},
                         Place{"4", 175, 90}}) {
    const ChartPicture::Label* label = Label(picture, p.text);
    ASSERT_NE(label, nullptr) << p.text;
    EXPECT_EQ(label->x, p.x) << p.text;
    EXPECT_EQ(label->y, p.y) << p.text;
  }
  // The legend: right-aligned by the widest name, one line per series.
  const ChartPicture::Label* staff = Label(picture, "Staff");
  ASSERT_NE(staff, nullptr);
  EXPECT_EQ(staff->x, 180 - 80);
  EXPECT_EQ(staff->y, 10 + 14);
}

TEST_F(ChartTest, ValueLabelsStopAtTheTopOfThePlot) {
  chart->AddSeries({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}, "A", 0xFF000000);
  const ChartPicture picture = chart->BuildPicture();
  for (const auto& label : picture.labels) {
    EXPECT_GE(label.y, 10 - 14) << label.text.Std();
  }
  EXPECT_EQ(LabelTexts(picture, ChartPicture::Font::Value), (std::vector<std::string>{"0", "1", "2", "2", "4"}));
}

TEST_F(ChartTest, WithoutSeriesOnlyTheAxesTitleAndCaptionsAreDrawn) {
  chart->title = "Income";
  chart->xAxisCaption = "Month";
  const ChartPicture picture = chart->BuildPicture();
  ASSERT_EQ(picture.axes.size(), 4u);
  EXPECT_FLOAT_EQ(picture.axes[0].x, 15.0f);
  EXPECT_FLOAT_EQ(picture.axes[1].x, 180.0f);
  EXPECT_FLOAT_EQ(picture.axes[2].y, 92.5f);
  EXPECT_FLOAT_EQ(picture.axes[3].y, 10.0f);
  EXPECT_TRUE(picture.horizontalGrid.empty());
  EXPECT_TRUE(picture.verticalGrid.empty());
  EXPECT_TRUE(picture.series.empty());
  EXPECT_TRUE(LabelTexts(picture, ChartPicture::Font::Value).empty());
  const ChartPicture::Label* title = Label(picture, "Income");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x, 100 - 30);
  EXPECT_EQ(title->y, 10 - 14);
  EXPECT_NE(Label(picture, "Month"), nullptr);
}

TEST_F(ChartTest, GridFlagClearedDropsTheGridButNotTheValueLabels) {
  chart->AddSeries({{0, 1}, {1, 2}, {2, 3}}, "A", 0xFF000000);
  chart->grid = 0;
  const ChartPicture picture = chart->BuildPicture();
  EXPECT_TRUE(picture.horizontalGrid.empty());
  EXPECT_TRUE(picture.verticalGrid.empty());
  EXPECT_FALSE(LabelTexts(picture, ChartPicture::Font::Value).empty());
}

TEST_F(ChartTest, OnePointSeriesStaysOnTheYAxisWithoutGrid) {
  chart->AddSeries({{0, 4}}, "Single", 0xFF000000);
  chart->AddSeries({{3, -5}}, "Odd", 0xFF000000);
  const ChartPicture picture = chart->BuildPicture();
  EXPECT_EQ(picture.gridSteps, 0);
  EXPECT_TRUE(picture.horizontalGrid.empty());
  for (const auto& strip : picture.series) {
    for (const auto& v : strip) {
      EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y));
      EXPECT_FLOAT_EQ(v.x, 20.0f);
      EXPECT_GE(v.y, 10.0f);
      EXPECT_LE(v.y, 90.0f);
    }
  }
  EXPECT_EQ(LabelTexts(picture, ChartPicture::Font::Value), (std::vector<std::string>{"0"}));
  chart->Invalidate();
  kit.RunFrame();
  EXPECT_EQ(chart->dirty, 0);
}

TEST_F(ChartTest, EmptyPointListAddsNoSeries) {
  chart->AddSeries({}, "None", 0xFF000000);
  EXPECT_TRUE(chart->GetSeries().empty());
}

TEST_F(ChartTest, RendersOnceAtTheFirstUpdateAndAgainOnlyAfterInvalidateOrClear) {
  // Made on any thread, drawn by the thread that updates the GUI.
  EXPECT_EQ(chart->GetRenderCount(), 0);
  ASSERT_NE(chart->GetTexture(), nullptr);
  kit.RunFrame();
  EXPECT_EQ(chart->GetRenderCount(), 1);
  kit.RunFrame();
  EXPECT_EQ(chart->GetRenderCount(), 1);

  chart->AddSeries({{0, 1}, {1, 2}}, "A", 0xFF000000);
  kit.RunFrame();
  EXPECT_EQ(chart->GetRenderCount(), 1);  // adding alone does not invalidate
  chart->Invalidate();
  kit.RunFrame();
  EXPECT_EQ(chart->GetRenderCount(), 2);
  // The main scene draws into the back buffer again.
  EXPECT_EQ(kit.Device().GetRenderTarget(0), kit.Device().GetBackBuffer());

  // A cleared chart gets a new texture, which must not show stale memory.
  chart->Clear();
  kit.RunFrame();
  EXPECT_EQ(chart->GetRenderCount(), 3);
  EXPECT_TRUE(chart->GetSeries().empty());
}

TEST_F(ChartTest, HiddenChartDrawsNothing) {
  plat::Device& device = kit.Device();
  auto drawsOf = [&] {
    device.Record().Clear();
    device.Record().Enable(true);
    device.BeginScene();
    chart->Draw();
    device.EndScene();
    device.Record().Enable(false);
    return device.Record().Draws().size();
  };
  EXPECT_EQ(drawsOf(), 1u);
  chart->Hide(nullptr);
  EXPECT_EQ(drawsOf(), 0u);
}

}  // namespace
