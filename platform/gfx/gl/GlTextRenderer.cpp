#include "platform/gfx/gl/GlTextRenderer.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/FontRaster.h"

namespace plat {

namespace {

const char* const kVertex = R"GLSL(#version 330 core
in vec2 POSITION;
in vec2 TEXCOORD0;
uniform vec4 uViewport;
uniform vec2 uAtlasSize;
out vec2 vUv;
void main() {
  vec2 ndc = vec2(2.0 * (POSITION.x - uViewport.x) / uViewport.z - 1.0,
                  1.0 - 2.0 * (POSITION.y - uViewport.y) / uViewport.w);
  gl_Position = vec4(ndc, 0.0, 1.0);
  vUv = TEXCOORD0 / uAtlasSize;
}
)GLSL";

const char* const kFragment = R"GLSL(#version 330 core
in vec2 vUv;
uniform sampler2D uAtlas;
uniform vec4 uColor;
out vec4 fragColor;
void main() {
  fragColor = vec4(uColor.rgb, uColor.a * texture(uAtlas, vUv).r);
}
)GLSL";

constexpr int kGlyphCount = 224;  // bytes 32..255
constexpr int kGlyphPadding = 1;
constexpr int kMaxAtlasSize = 4096;

int AtlasSizeFor(const FontRaster& raster) {
  const int cell = raster.LineHeight() + 2 * kGlyphPadding + raster.Spec().heightPx / 2;
  const int side = int(std::ceil(std::sqrt(double(kGlyphCount)))) * cell;
  int size = 64;
  while (size < side && size < kMaxAtlasSize) size *= 2;
  return size;
}

}  // namespace

GlTextRenderer::~GlTextRenderer() {
  for (const auto& atlas : atlases_) glDeleteTextures(1, &atlas->texture);
  if (vbo_ != 0) glDeleteBuffers(1, &vbo_);
  if (vao_ != 0) glDeleteVertexArrays(1, &vao_);
}

bool GlTextRenderer::Build(std::string& error) {
  if (!program_.Build(kVertex, kFragment, error)) return false;
  glGenVertexArrays(1, &vao_);
  glGenBuffers(1, &vbo_);
  glBindVertexArray(vao_);
  glBindBuffer(GL_ARRAY_BUFFER, vbo_);
  glEnableVertexAttribArray(kAttribPosition);
  glVertexAttribPointer(kAttribPosition, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
  glEnableVertexAttribArray(kAttribTexCoord0);
  glVertexAttribPointer(kAttribTexCoord0, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float),
                        reinterpret_cast<const void*>(2 * sizeof(float)));
  glBindVertexArray(0);
  return true;
}

void GlTextRenderer::DropDeadAtlases() {
  std::erase_if(atlases_, [](const std::unique_ptr<Atlas>& atlas) {
    if (!atlas->raster.expired()) return false;
    glDeleteTextures(1, &atlas->texture);
    return true;
  });
}

GlTextRenderer::Atlas& GlTextRenderer::AtlasFor(const std::shared_ptr<FontRaster>& raster) {
  for (const auto& atlas : atlases_)
    if (atlas->raster.lock() == raster) return *atlas;
  DropDeadAtlases();
  auto atlas = std::make_unique<Atlas>();
  atlas->raster = raster;
  atlas->size = AtlasSizeFor(*raster);
  glGenTextures(1, &atlas->texture);
  glBindTexture(GL_TEXTURE_2D, atlas->texture);
  std::vector<std::uint8_t> zeros(std::size_t(atlas->size) * atlas->size, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, atlas->size, atlas->size, 0, GL_RED, GL_UNSIGNED_BYTE, zeros.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  atlases_.push_back(std::move(atlas));
  return *atlases_.back();
}

const GlTextRenderer::Glyph& GlTextRenderer::GlyphOf(Atlas& atlas, FontRaster& raster, unsigned char c) {
  Glyph& glyph = atlas.glyphs[c];
  if (glyph.made) return glyph;
  glyph.made = true;
  const GlyphBitmap bitmap = raster.Glyph(c);
  glyph.left = bitmap.left;
  glyph.top = bitmap.top;
  glyph.advance = bitmap.advance;
  const bool fits = bitmap.width > 0 && bitmap.height > 0 &&
                    bitmap.coverage.size() >= std::size_t(bitmap.width) * bitmap.height;
  if (!fits) return glyph;
  if (atlas.penX + bitmap.width + kGlyphPadding > atlas.size) {
    atlas.penX = 0;
    atlas.penY += atlas.rowHeight + kGlyphPadding;
    atlas.rowHeight = 0;
  }
  // A full atlas leaves the glyph out rather than overwrite others.
  if (atlas.penY + bitmap.height > atlas.size || bitmap.width > atlas.size) return glyph;
  glyph.x = atlas.penX;
  glyph.y = atlas.penY;
  glyph.width = bitmap.width;
  glyph.height = bitmap.height;
  glBindTexture(GL_TEXTURE_2D, atlas.texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glTexSubImage2D(GL_TEXTURE_2D, 0, glyph.x, glyph.y, glyph.width, glyph.height, GL_RED, GL_UNSIGNED_BYTE,
                  bitmap.coverage.data());
  atlas.penX += bitmap.width + kGlyphPadding;
  atlas.rowHeight = std::max(atlas.rowHeight, bitmap.height);
  return glyph;
}

void GlTextRenderer::Draw(const DeviceState& state, const TextDraw& text) {
  if (!text.raster || text.lines.empty()) return;
  Atlas& atlas = AtlasFor(text.raster);
  std::vector<float> vertices;
  for (const TextLine& line : text.lines) {
    int pen = line.x;
    for (char ch : line.text) {
      const Glyph& g = GlyphOf(atlas, *text.raster, static_cast<unsigned char>(ch));
      if (g.width > 0) {
        const float x0 = float(pen + g.left), y0 = float(line.baseline - g.top);
        const float x1 = x0 + float(g.width), y1 = y0 + float(g.height);
        const float u0 = float(g.x), v0 = float(g.y), u1 = u0 + float(g.width), v1 = v0 + float(g.height);
        const float quad[] = {x0, y0, u0, v0, x1, y0, u1, v0, x1, y1, u1, v1,
                              x0, y0, u0, v0, x1, y1, u1, v1, x0, y1, u0, v1};
        vertices.insert(vertices.end(), std::begin(quad), std::end(quad));
      }
      pen += g.advance;
    }
  }
  if (vertices.empty()) return;

  const Viewport& vp = state.viewport;
  glUseProgram(program_.Name());
  glUniform4f(program_.Uniform("uViewport"), float(vp.x), float(vp.y), float(vp.width), float(vp.height));
  glUniform2f(program_.Uniform("uAtlasSize"), float(atlas.size), float(atlas.size));
  const std::uint32_t c = text.color;
  glUniform4f(program_.Uniform("uColor"), float((c >> 16) & 0xFF) / 255.0f, float((c >> 8) & 0xFF) / 255.0f,
              float(c & 0xFF) / 255.0f, float(c >> 24) / 255.0f);
  glUniform1i(program_.Uniform("uAtlas"), 0);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, atlas.texture);
  glBindSampler(0, 0);

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_STENCIL_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_POLYGON_OFFSET_FILL);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glEnable(GL_BLEND);
  glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glBlendEquation(GL_FUNC_ADD);
  const bool clip = (text.format & TextFormat::NoClip) == 0;
  if (clip) {
    // Targets hold their top row first, so the rectangle's top is GL's y.
    glEnable(GL_SCISSOR_TEST);
    glScissor(text.rect.left, text.rect.top, std::max(0, text.rect.right - text.rect.left),
              std::max(0, text.rect.bottom - text.rect.top));
  }
  glBindVertexArray(vao_);
  glBindBuffer(GL_ARRAY_BUFFER, vbo_);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(), GL_STREAM_DRAW);
  glDrawArrays(GL_TRIANGLES, 0, GLsizei(vertices.size() / 4));
  glBindVertexArray(0);
  if (clip) glDisable(GL_SCISSOR_TEST);
}

}  // namespace plat
