#include "platform/gfx/Font.h"

#include <algorithm>

namespace plat {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text, bool singleLine) {
  std::vector<std::string_view> lines;
  if (singleLine) {
    lines.push_back(text);
    return lines;
  }
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

Font::Font(std::weak_ptr<Device> device, FontDesc desc, std::shared_ptr<FontRaster> raster)
    : device_(std::move(device)), desc_(std::move(desc)), raster_(std::move(raster)) {}

int Font::LineHeight() const { return raster_ ? raster_->LineHeight() : desc_.height; }

int Font::MeasureLine(std::string_view line) const {
  if (raster_) return raster_->MeasureWidth(line);
  int perChar = std::max(1, desc_.width > 0 ? desc_.width : desc_.height / 2);
  return int(line.size()) * perChar;
}

TextSize Font::GetTextExtent(std::string_view text) const {
  TextSize size;
  std::vector<std::string_view> lines = SplitLines(text, false);
  for (std::string_view line : lines) size.width = std::max(size.width, MeasureLine(line));
  size.height = int(lines.size()) * LineHeight();
  return size;
}

int Font::DrawText(std::string_view text, int count, Rect* rect, std::uint32_t format,
                   std::uint32_t color) {
  if (count >= 0) text = text.substr(0, std::min<std::size_t>(text.size(), std::size_t(count)));
  if (text.empty()) return 0;
  std::vector<std::string_view> lines = SplitLines(text, format & TextFormat::SingleLine);
  int lineHeight = LineHeight();
  int textHeight = int(lines.size()) * lineHeight;
  if (format & TextFormat::CalcRect) {
    if (rect) {
      int width = 0;
      for (std::string_view line : lines) width = std::max(width, MeasureLine(line));
      rect->right = rect->left + width;
      rect->bottom = rect->top + textHeight;
    }
    return textHeight;
  }
  auto device = device_.lock();
  if (!device) return 0;
  Rect box = rect ? *rect : Rect{};
  if (!rect) format |= TextFormat::NoClip;

  int top = box.top;
  if (format & TextFormat::VCenter) {
    top = box.top + (box.bottom - box.top - textHeight) / 2;
  } else if (format & TextFormat::Bottom) {
    top = box.bottom - textHeight;
  }
  int ascent = raster_ ? raster_->Ascent() : desc_.height * 4 / 5;
  TextDraw draw;
  draw.raster = raster_;
  draw.rect = box;
  draw.format = format;
  draw.color = color;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TextLine line;
    line.text = std::string(lines[i]);
    line.width = MeasureLine(lines[i]);
    line.x = box.left;
    if (format & TextFormat::Center) {
      line.x = box.left + (box.right - box.left - line.width) / 2;
    } else if (format & TextFormat::Right) {
      line.x = box.right - line.width;
    }
    line.baseline = top + int(i) * lineHeight + ascent;
    draw.lines.push_back(std::move(line));
  }
  TextRecord record{desc_.face,        desc_.height, desc_.weight, desc_.italic,
                    std::string(text), box,          format,       color};
  return device->DrawTextLines(draw, std::move(record)) ? textHeight : 0;
}

std::shared_ptr<Font> CreateFont(const std::shared_ptr<Device>& device, const FontDesc& desc) {
  if (!device || desc.height <= 0 || desc.face.empty()) return nullptr;
  FontSpec spec{desc.face, desc.height, desc.width, desc.weight, desc.italic};
  return std::make_shared<Font>(device, desc, FontRaster::Open(spec));
}

}  // namespace plat
