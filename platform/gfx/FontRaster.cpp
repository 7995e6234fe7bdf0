#include "platform/gfx/FontRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gfx/FontCatalog.h"
#include "platform/os/TextCodec.h"

namespace plat {

namespace {

constexpr int kMaxHeightPx = 1024;

int RoundedPixels(FT_Pos value26_6) { return int((value26_6 + 32) >> 6); }
int CeiledPixels(FT_Pos value26_6) { return int((value26_6 + 63) >> 6); }

// The code point of the first character of a UTF-8 text; '?' when malformed.
char32_t FirstCodePoint(const std::string& utf8) {
  if (utf8.empty()) return U'?';
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  unsigned char lead = byte(0);
  int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || utf8.size() < std::size_t(extra) + 1) return U'?';
  char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) cp = cp << 6 | (byte(std::size_t(i)) & 0x3F);
  return cp;
}

}  // namespace

struct FontRaster::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  bool embolden = false;  // bold asked for but the file is a regular face
  bool oblique = false;   // italic asked for but the file is upright
  int ascent = 0, descent = 0;
  std::array<char32_t, 256> codePoints{};
  std::array<int, 256> advances{};  // -1 until measured

  Face() { advances.fill(-1); }
  ~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  // Loads the glyph of a Windows-1252 byte into the slot, with the synthetic
  // styles applied.
  bool Load(unsigned char c) {
    if (FT_Load_Char(face, codePoints[c], FT_LOAD_DEFAULT) != 0) return false;
    if (oblique) FT_GlyphSlot_Oblique(face->glyph);
    if (embolden) FT_GlyphSlot_Embolden(face->glyph);
    advances[c] = RoundedPixels(face->glyph->advance.x);
    return true;
  }

  int Advance(unsigned char c) {
    if (advances[c] < 0 && !Load(c)) advances[c] = 0;
    return advances[c];
  }
};

namespace {

// The face's average character width at the current size, in pixels.
double NaturalAverageWidth(FT_Face face, int heightPx) {
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->xAvgCharWidth > 0 && face->units_per_EM > 0) {
    return double(os2->xAvgCharWidth) * heightPx / face->units_per_EM;
  }
  if (FT_Load_Char(face, 'x', FT_LOAD_DEFAULT) == 0 && face->glyph->advance.x > 0) {
    return face->glyph->advance.x / 64.0;
  }
  return heightPx / 2.0;
}

// Height is the em size. A requested average width scales the glyphs
// horizontally by width / natural average width: the face is stretched or
// condensed to that average.
bool SetSize(FT_Face face, int heightPx, int widthPx) {
  if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(heightPx)) != 0) return false;
  if (widthPx <= 0) return true;
  double natural = NaturalAverageWidth(face, heightPx);
  long xPpem = std::lround(heightPx * (widthPx / natural));
  xPpem = std::clamp(xPpem, 1l, long(heightPx) * 8);
  return FT_Set_Pixel_Sizes(face, FT_UInt(xPpem), FT_UInt(heightPx)) == 0;
}

}  // namespace

FontRaster::FontRaster(FontSpec spec, std::unique_ptr<Face> face) : spec_(std::move(spec)), face_(std::move(face)) {}

FontRaster::~FontRaster() = default;

std::shared_ptr<FontRaster> FontRaster::Open(const FontSpec& spec) {
  FontSpec used = spec;
  used.heightPx = std::clamp(spec.heightPx, 1, kMaxHeightPx);
  used.width = std::clamp(spec.width, 0, kMaxHeightPx);
  std::string file = FindFontFile(used.face, used.weight, used.italic);
  if (file.empty()) return nullptr;
  auto face = std::make_unique<Face>();
  if (FT_Init_FreeType(&face->library) != 0) return nullptr;
  if (FT_New_Face(face->library, file.c_str(), 0, &face->face) != 0 || !FT_IS_SCALABLE(face->face) ||
      !SetSize(face->face, used.heightPx, used.width)) {
    return nullptr;
  }
  FT_Face f = face->face;
  face->embolden = used.weight >= 600 && !(f->style_flags & FT_STYLE_FLAG_BOLD);
  face->oblique = used.italic && !(f->style_flags & FT_STYLE_FLAG_ITALIC);
  face->ascent = CeiledPixels(f->size->metrics.ascender);
  face->descent = CeiledPixels(-f->size->metrics.descender);
  for (int b = 0; b < 256; ++b) {
    face->codePoints[std::size_t(b)] = b < 0x80 ? char32_t(b) : FirstCodePoint(Cp1252ToUtf8(std::string(1, char(b))));
  }
  return std::shared_ptr<FontRaster>(new FontRaster(std::move(used), std::move(face)));
}

int FontRaster::Ascent() const { return face_->ascent; }
int FontRaster::Descent() const { return face_->descent; }
// Ascent plus descent: the font's cell height.
int FontRaster::LineHeight() const { return face_->ascent + face_->descent; }

int FontRaster::Advance(unsigned char c) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return face_->Advance(c);
}

int FontRaster::MeasureWidth(std::string_view text) const {
  std::lock_guard<std::mutex> lock(mutex_);
  int width = 0;
  for (char c : text) width += face_->Advance(static_cast<unsigned char>(c));
  return width;
}

GlyphBitmap FontRaster::Glyph(unsigned char c) const {
  std::lock_guard<std::mutex> lock(mutex_);
  GlyphBitmap glyph;
  if (!face_->Load(c) || FT_Render_Glyph(face_->face->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  FT_GlyphSlot slot = face_->face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.advance = face_->advances[c];
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = int(bitmap.width);
  glyph.height = int(bitmap.rows);
  glyph.coverage.resize(std::size_t(glyph.width) * glyph.height);
  bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
  if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return GlyphBitmap{0, 0, 0, 0, glyph.advance, {}};
  for (int y = 0; y < glyph.height; ++y) {
    // Rows run bottom-up in memory when the pitch is negative.
    int stored = bitmap.pitch < 0 ? glyph.height - 1 - y : y;
    const unsigned char* row = bitmap.buffer + std::ptrdiff_t(stored) * std::abs(bitmap.pitch);
    for (int x = 0; x < glyph.width; ++x) {
      std::uint8_t value = mono ? ((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0) : row[x];
      glyph.coverage[std::size_t(y) * glyph.width + x] = value;
    }
  }
  return glyph;
}

const FontSpec& FontRaster::Spec() const { return spec_; }

}  // namespace plat
