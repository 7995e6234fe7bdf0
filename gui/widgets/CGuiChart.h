#pragma once
// A line chart: named, coloured series of (x, y) points drawn as line
// strips over two axes and a grid, with value labels, axis captions, a
// title and a legend. The picture is rendered into a texture of the
// element's size on the first update after Invalidate; every frame only
// draws that texture. The owner writes the colours, flags and texts
// directly, fills the series and calls Invalidate. A chart takes no input.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/core/EngineString.h"
#include "gui/core/CGuiElement.h"

class ZOdevuvText;
class ZOdevuvTexture;

struct ChartSeries {
  EngineString name;
  uint32_t colour = 0xFF000000;  // line and legend text
  std::vector<std::pair<float, float>> points;  // x counts points from 0; y from 0 up
};

// What one render draws, in texture pixels.
struct ChartPicture {
  struct Vertex {
    float x = 0, y = 0;
    uint32_t colour = 0;
  };
  // Each line is two vertices.
  using Lines = std::vector<Vertex>;
  enum class Font { Caption, Value, Heading };
  struct Label {
    EngineString text;
    int32_t x = 0, y = 0;
    uint32_t colour = 0;
    Font font = Font::Caption;
  };

  Lines axes;
  Lines horizontalGrid;
  Lines verticalGrid;
  std::vector<std::vector<Vertex>> series;  // one line strip each
  std::vector<Label> labels;
  int32_t gridSteps = 0;  // P - 1 for the longest series of P points
  float yRange = 0;       // the largest whole y + 1
};

class CGuiChart : public CGuiElement {
 public:
  CGuiChart();
  ~CGuiChart() override;

  void CreateSized(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t width, int32_t height,
                   int32_t cellCount, uint8_t visible, uint8_t enabled) override;
  void Draw() override;
  // Renders the picture when it was invalidated.
  void Update() override;

  void Invalidate() { dirty = 1; }
  // An empty point list adds nothing.
  void AddSeries(std::vector<std::pair<float, float>> points, const EngineString& name, uint32_t colour);
  // Drops every series and starts a new texture, which is rendered (empty)
  // on the next update.
  void Clear();

  void SetCaptionFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                      int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetValueFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                    int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetHeadingFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                      int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);
  void SetLegendFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                     int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily, const EngineString& face);

  // The picture of the current data, without drawing anything.
  ChartPicture BuildPicture() const;
  void RenderChart();

  const std::vector<ChartSeries>& GetSeries() const { return m_series; }
  const ZOdevuvTexture* GetTexture() const { return m_texture.get(); }
  float GetPlotWidth() const { return m_plotWidth; }
  float GetPlotHeight() const { return m_plotHeight; }
  float GetOriginX() const { return m_originX; }
  float GetOriginY() const { return m_originY; }
  int32_t GetRenderCount() const { return m_renderCount; }

  uint32_t backgroundColour = 0xFFFFFFFF;
  uint32_t xAxisColour = 0xFF000000;
  uint32_t yAxisColour = 0xFF000000;
  uint32_t gridColour = 0xC8000000;
  uint8_t grid = 1;
  EngineString xAxisCaption;
  EngineString yAxisCaption;
  EngineString title;
  uint32_t xCaptionColour = 0xFF000000;
  uint32_t yCaptionColour = 0xFF000000;
  uint32_t xValueColour = 0xFF000000;
  uint32_t yValueColour = 0xFF000000;
  uint32_t titleColour = 0xFF000000;
  uint8_t labels = 1;
  uint8_t dirty = 0;

 private:
  struct TextSize {
    int32_t width = 0, height = 0;
  };
  static TextSize Measure(ZOdevuvText* font, const EngineString& text);
  static std::unique_ptr<ZOdevuvText> MakeFont(int32_t pointSize, int32_t weight, uint8_t italic,
                                               const EngineString& face);
  static void ReplaceFont(std::unique_ptr<ZOdevuvText>& font, int32_t pointSize, int32_t charWidth, int32_t weight,
                          uint8_t italic, int32_t charSet, int32_t outputPrecision, int32_t quality,
                          int32_t pitchAndFamily, const EngineString& face);
  bool MakeTexture(int32_t width, int32_t height);
  void AddLabels(ChartPicture& picture, float xStep, float gridStep) const;
  void DrawPicture(const ChartPicture& picture);
  ZOdevuvText* FontOf(ChartPicture::Font font) const;

  GuiTexturePtr m_texture;
  float m_plotHeight = 0;
  float m_plotWidth = 0;
  float m_marginX = 0;
  float m_marginY = 0;
  float m_originX = 0;
  float m_originY = 0;
  std::vector<ChartSeries> m_series;
  std::unique_ptr<ZOdevuvText> m_captionFont;
  std::unique_ptr<ZOdevuvText> m_valueFont;
  std::unique_ptr<ZOdevuvText> m_headingFont;
  std::unique_ptr<ZOdevuvText> m_legendFont;
  int32_t m_renderCount = 0;
};
