#include "engine/render/ZOdevuvText.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Font.h"

namespace {

constexpr int64_t kScreenPixelsPerInch = 96;
constexpr int64_t kPointsPerInch = 72;

}  // namespace

ZOdevuvText::ZOdevuvText() : m_face("Arial"), m_deviceManager(g_device) { CreateFont(); }

void ZOdevuvText::SetFont(int32_t pointSize, int32_t charWidth, int32_t weight, uint8_t italic, int32_t charSet,
                          int32_t outputPrecision, int32_t quality, int32_t pitchAndFamily,
                          const EngineString& face) {
  m_pointSize = pointSize;
  m_charWidth = charWidth;
  m_weight = weight;
  m_italic = italic;
  m_charSet = charSet;
  m_outputPrecision = outputPrecision;
  m_quality = quality;
  m_pitchAndFamily = pitchAndFamily;
  m_face = face;
  m_deviceManager = g_device;
  CreateFont();
}

int32_t ZOdevuvText::PointsToPixels(int32_t points) {
  // Rounds half away from zero.
  const int64_t scaled = int64_t(points) * kScreenPixelsPerInch;
  const int64_t half = scaled < 0 ? -kPointsPerInch / 2 : kPointsPerInch / 2;
  return int32_t((scaled + half) / kPointsPerInch);
}

void ZOdevuvText::CreateFont() {
  if (!m_deviceManager || m_deviceManager->FindFont(m_charWidth, m_pointSize, m_face)) return;
  // The character set, precision, quality and pitch only steered the
  // system's font matching; the face name and style do that here.
  plat::FontDesc desc;
  desc.height = PointsToPixels(m_pointSize);
  desc.width = m_charWidth;
  desc.weight = m_weight;
  desc.mipLevels = 10;
  desc.italic = m_italic != 0;
  desc.face = m_face.Std();
  // A null font (no device, empty face, no size) is refused by the cache.
  m_deviceManager->AddFont(m_charWidth, m_pointSize, m_face,
                           plat::CreateFont(m_deviceManager->GetSharedDevice(), desc));
}

std::shared_ptr<plat::Font> ZOdevuvText::FindCachedFont() const {
  return m_deviceManager ? m_deviceManager->GetFont(m_charWidth, m_pointSize, m_face) : nullptr;
}

void ZOdevuvText::Draw(const char* text, const plat::Rect& rect, uint32_t format, uint32_t color) {
  std::shared_ptr<plat::Font> font = FindCachedFont();
  if (!font || !text) return;
  plat::Rect box = rect;
  font->DrawText(text, -1, &box, format, color);
}

void ZOdevuvText::DrawShadowed(int32_t x, int32_t y, const char* text, int32_t /*unused1*/, int32_t /*unused2*/,
                               uint32_t color) {
  std::shared_ptr<plat::Font> font = FindCachedFont();
  if (!font || !text) return;
  plat::Rect box{x, y, 0, 0};
  font->DrawText(text, -1, &box, plat::TextFormat::NoClip, color);
}

void ZOdevuvText::DrawFitted(plat::Rect& rect, const char* text, int32_t /*unused*/) {
  std::shared_ptr<plat::Font> font = FindCachedFont();
  if (!font || !text) return;
  font->DrawText(text, -1, &rect, plat::TextFormat::CalcRect, 0);
}

int32_t ZOdevuvText::GetTextWidth(const char* text) const {
  std::shared_ptr<plat::Font> font = FindCachedFont();
  if (!font || !text) return 0;
  return font->GetTextExtent(text).width;
}

void ZOdevuvText::Release() { m_face = ""; }
