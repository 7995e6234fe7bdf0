#include "gui/widgets/CGuiChart.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvText.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/Texture.h"

namespace {

constexpr uint32_t kScreenVertexFvf = plat::Fvf::XyzRhw | plat::Fvf::Diffuse | plat::Fvf::Tex1;
constexpr float kLineDepth = 0.1f;
constexpr float kLineRhw = 1.0f / 109.0f;

void AddLine(ChartPicture::Lines& lines, float x0, float y0, float x1, float y1, uint32_t colour) {
  lines.push_back({x0, y0, colour});
  lines.push_back({x1, y1, colour});
}

EngineString Number(float value) {
  EngineString text;
  text.Format("%.0f", double(value));
  return text;
}

std::vector<ZOdevuvTexture::QuadVertex> ScreenVertices(const std::vector<ChartPicture::Vertex>& points) {
  std::vector<ZOdevuvTexture::QuadVertex> vertices;
  vertices.reserve(points.size());
  for (const ChartPicture::Vertex& p : points) {
    vertices.push_back({p.x, p.y, kLineDepth, kLineRhw, p.colour, 0.0f, 0.0f});
  }
  return vertices;
}

void DrawLines(plat::Device& device, const ChartPicture::Lines& lines) {
  if (lines.size() < 2) return;
  const auto vertices = ScreenVertices(lines);
  device.DrawPrimitiveUP(plat::PrimitiveType::LineList, uint32_t(vertices.size() / 2), vertices.data(),
                         sizeof(ZOdevuvTexture::QuadVertex));
}

void DrawStrip(plat::Device& device, const std::vector<ChartPicture::Vertex>& strip) {
  if (strip.size() < 2) return;
  const auto vertices = ScreenVertices(strip);
  device.DrawPrimitiveUP(plat::PrimitiveType::LineStrip, uint32_t(vertices.size() - 1), vertices.data(),
                         sizeof(ZOdevuvTexture::QuadVertex));
}

}  // namespace

CGuiChart::CGuiChart()
    : m_captionFont(MakeFont(8, 700, 0, "Arial")),
      m_valueFont(MakeFont(6, 400, 0, "Arial")),
      m_headingFont(MakeFont(16, 700, 0, "Arial")),
      m_legendFont(MakeFont(12, 400, 1, "Arial")) {}

CGuiChart::~CGuiChart() {
  for (auto* font : {&m_captionFont, &m_valueFont, &m_headingFont, &m_legendFont}) {
    if (*font) (*font)->Release();
  }
}

std::unique_ptr<ZOdevuvText> CGuiChart::MakeFont(int32_t pointSize, int32_t weight, uint8_t italic,
                                                 const EngineString& face) {
  auto font = std::make_unique<ZOdevuvText>();
  font->SetFont(pointSize, 0, weight, italic, 1, 0, 4, 0, face);
  return font;
}

void CGuiChart::ReplaceFont(std::unique_ptr<ZOdevuvText>& font, int32_t pointSize, int32_t charWidth, int32_t weight,
                            uint8_t italic, int32_t charSet, int32_t outputPrecision, int32_t quality,
                            int32_t pitchAndFamily, const EngineString& face) {
  if (font) font->Release();
  font = std::make_unique<ZOdevuvText>();
  font->SetFont(pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily, face);
}

void CGuiChart::SetCaptionFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                               const EngineString& face) {
  ReplaceFont(m_captionFont, pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily,
              face);
}

void CGuiChart::SetValueFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                             int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                             const EngineString& face) {
  ReplaceFont(m_valueFont, pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily,
              face);
}

void CGuiChart::SetHeadingFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                               int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                               const EngineString& face) {
  ReplaceFont(m_headingFont, pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily,
              face);
}

void CGuiChart::SetLegendFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                              int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                              const EngineString& face) {
  ReplaceFont(m_legendFont, pointSize, charWidth, weight, italic, charSet, outputPrecision, quality, pitchAndFamily,
              face);
}

bool CGuiChart::MakeTexture(int32_t width, int32_t height) {
  m_texture.reset(new ZOdevuvTexture());
  m_texture->Init();
  if (width > 0 && height > 0 && m_texture->CreateBlank(width, height, true)) return true;
  m_texture.reset();
  return false;
}

void CGuiChart::CreateSized(CGuiElement* parent, int32_t id, int32_t type, int32_t x, int32_t y, int32_t width,
                            int32_t height, int32_t cellCount, uint8_t visible, uint8_t enabled) {
  CGuiElement::CreateSized(parent, id, type, x, y, width, height, cellCount, visible, enabled);
  if (!MakeTexture(width, height)) return;
  dirty = 1;
  m_marginX = float(width) / 10.0f;
  m_marginY = float(height) / 10.0f;
  m_plotWidth = float(width) - 2 * m_marginX;
  m_plotHeight = float(height) - 2 * m_marginY;
  m_originX = m_marginX;
  m_originY = float(height) - m_marginY;
  // Drawn at its first update, on the thread that draws the GUI: a chart may
  // be made on a loading thread while the window thread draws.
}

void CGuiChart::Draw() {
  if (!IsVisible()) return;
  CGuiElement::Draw();
  if (m_texture) m_texture->DrawQuad(record->x, record->y, kOpaqueWhite, kDepth);
}

void CGuiChart::Update() {
  if (dirty) RenderChart();
  CGuiElement::Update();
}

void CGuiChart::AddSeries(std::vector<std::pair<float, float>> points, const EngineString& name, uint32_t colour) {
  if (points.empty()) return;
  m_series.push_back({name, colour, std::move(points)});
}

void CGuiChart::Clear() {
  m_series.clear();
  if (!m_texture) return;
  const int32_t width = m_texture->GetWidth();
  const int32_t height = m_texture->GetHeight();
  MakeTexture(width, height);
  // A new texture holds nothing yet; show the empty chart, not garbage.
  dirty = 1;
}

CGuiChart::TextSize CGuiChart::Measure(ZOdevuvText* font, const EngineString& text) {
  plat::Rect rect;
  if (font) font->DrawFitted(rect, text.CStr(), 0);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

ZOdevuvText* CGuiChart::FontOf(ChartPicture::Font font) const {
  switch (font) {
    case ChartPicture::Font::Value:
      return m_valueFont.get();
    case ChartPicture::Font::Heading:
      return m_headingFont.get();
    case ChartPicture::Font::Caption:
      break;
  }
  return m_captionFont.get();
}

ChartPicture CGuiChart::BuildPicture() const {
  ChartPicture picture;
  size_t longest = 0;
  float yMax = 0;
  for (const ChartSeries& series : m_series) {
    longest = std::max(longest, series.points.size());
    for (const auto& point : series.points) {
      if (point.second > yMax) yMax = std::trunc(point.second);
    }
  }
  const int32_t steps = longest > 0 ? int32_t(longest) - 1 : 0;
  picture.gridSteps = steps;
  picture.yRange = yMax + 1;
  // A longest series of one point has no steps: everything stays at the
  // y axis and there is no grid.
  const float xStep = steps > 0 ? m_plotWidth / float(steps) : 0.0f;
  const float gridStep = steps > 0 ? m_plotHeight / float(steps) : 0.0f;
  const float yScale = m_plotHeight / picture.yRange;

  for (const ChartSeries& series : m_series) {
    std::vector<ChartPicture::Vertex> strip;
    for (const auto& [x, y] : series.points) {
      // Negative values and x beyond the longest series would leave the plot.
      const float px = std::clamp(x, 0.0f, float(steps));
      const float py = std::clamp(y, 0.0f, picture.yRange);
      strip.push_back({m_originX + px * xStep, m_originY - py * yScale, series.colour});
    }
    picture.series.push_back(std::move(strip));
  }

  AddLine(picture.axes, m_originX - m_marginX / 4, m_originY, m_originX + m_plotWidth, m_originY, xAxisColour);
  AddLine(picture.axes, m_originX, m_originY + m_marginY / 4, m_originX, m_originY - m_plotHeight, yAxisColour);
  if (!m_series.empty() && grid) {
    for (int32_t i = 0; i < steps; ++i) {
      const float y = m_originY - float(i + 1) * gridStep;
      AddLine(picture.horizontalGrid, m_originX, y, m_originX + m_plotWidth, y, gridColour);
      const float x = m_originX + float(i + 1) * xStep;
      AddLine(picture.verticalGrid, x, m_originY, x, m_originY - m_plotHeight, gridColour);
    }
  }
  if (labels) AddLabels(picture, xStep, gridStep);
  return picture;
}

void CGuiChart::AddLabels(ChartPicture& picture, float xStep, float gridStep) const {
  using Font = ChartPicture::Font;
  const float top = m_originY - m_plotHeight;
  const float right = m_originX + m_plotWidth;
  auto add = [&](const EngineString& text, float x, float y, uint32_t colour, Font font) {
    if (text.Length() > 0) picture.labels.push_back({text, int32_t(x), int32_t(y), colour, font});
  };

  const TextSize titleSize = Measure(m_headingFont.get(), title);
  const int32_t width = record ? record->width : 0;
  add(title, float(width / 2 - titleSize.width / 2), top - float(titleSize.height), titleColour, Font::Heading);

  int32_t legendWidth = 0;
  for (const ChartSeries& series : m_series) {
    legendWidth = std::max(legendWidth, Measure(m_legendFont.get(), series.name).width);
  }
  for (size_t i = 0; i < m_series.size(); ++i) {
    const TextSize size = Measure(m_legendFont.get(), m_series[i].name);
    add(m_series[i].name, right - float(legendWidth), top + float(i) * float(size.height), m_series[i].colour,
        Font::Caption);
  }

  const TextSize xCaption = Measure(m_captionFont.get(), xAxisCaption);
  add(xAxisCaption, right - float(xCaption.width) / 2, m_originY + float(xCaption.height), xCaptionColour,
      Font::Caption);
  const TextSize yCaption = Measure(m_captionFont.get(), yAxisCaption);
  add(yAxisCaption, m_originX - float(yCaption.width) / 2, top - 2.0f * float(yCaption.height), yCaptionColour,
      Font::Caption);

  if (m_series.empty()) return;
  // Every second grid line from the origin, up to the top of the plot.
  const int32_t steps = picture.gridSteps;
  for (int32_t k = 0; k <= steps; k += 2) {
    const EngineString yText = Number(steps > 0 ? float(k) * picture.yRange / float(steps) : 0.0f);
    const TextSize ySize = Measure(m_valueFont.get(), yText);
    const float y = k == 0 ? m_originY : m_originY - float(ySize.height) / 4 - float(k) * gridStep;
    add(yText, m_originX - float(ySize.width) - 2, y, yValueColour, Font::Value);
    if (k < 2) continue;
    const EngineString xText = Number(float(k));
    const TextSize xSize = Measure(m_valueFont.get(), xText);
    add(xText, m_originX - float(xSize.width) / 2 + float(k) * xStep, m_originY, xValueColour, Font::Value);
  }
}

void CGuiChart::RenderChart() {
  const ChartPicture picture = BuildPicture();
  plat::Device* device = EngineDevice();
  if (m_texture && m_texture->GetTexture() && device) DrawPicture(picture);
  dirty = 0;
}

void CGuiChart::DrawPicture(const ChartPicture& picture) {
  plat::Device& device = *g_device->GetDevice();
  std::shared_ptr<plat::Surface> surface = m_texture->GetTexture()->GetSurfaceLevel(0);
  std::shared_ptr<plat::Surface> kept = device.GetRenderTarget(0);
  if (!surface || !kept || !device.SetRenderTarget(0, surface)) return;
  ++m_renderCount;
  device.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, backgroundColour, 1.0f, 0);
  device.BeginScene();
  device.SetRenderState(plat::RenderState::AlphaBlendEnable, plat::kTrue);
  device.SetRenderState(plat::RenderState::SrcBlend, plat::Blend::SrcAlpha);
  device.SetRenderState(plat::RenderState::DestBlend, plat::Blend::InvSrcAlpha);
  for (plat::SamplerState state :
       {plat::SamplerState::MinFilter, plat::SamplerState::MagFilter, plat::SamplerState::MipFilter}) {
    device.SetSamplerState(0, state, plat::TextureFilter::Linear);
  }
  device.SetTexture(0, nullptr);
  device.SetFVF(kScreenVertexFvf);

  DrawLines(device, picture.axes);
  DrawLines(device, picture.horizontalGrid);
  DrawLines(device, picture.verticalGrid);
  for (const auto& strip : picture.series) DrawStrip(device, strip);
  for (const ChartPicture::Label& label : picture.labels) {
    if (ZOdevuvText* font = FontOf(label.font)) {
      font->DrawShadowed(label.x, label.y, label.text.CStr(), 0, 0, label.colour);
    }
  }

  device.SetRenderState(plat::RenderState::AlphaBlendEnable, plat::kFalse);
  device.SetRenderState(plat::RenderState::SrcBlend, plat::Blend::One);
  device.SetRenderState(plat::RenderState::DestBlend, plat::Blend::Zero);
  device.EndScene();
  // Rendering into a texture needs no present; one here would show a
  // half-drawn frame.
  device.SetRenderTarget(0, kept);
}
