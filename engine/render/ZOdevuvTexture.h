#pragma once
// The engine's 2D image: one texture loaded from an image file or created
// empty, drawn as pre-transformed screen quads (whole, stretched, additive,
// one frame of a strip, one cell of a grid). Every GUI element, the overlay
// images, the chart and the video picture are drawn through it.
//
// The device comes from the device manager singleton; without a created
// device loads fail and draws do nothing.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gfx/DeviceTypes.h"
#include "platform/gfx/Texture.h"
#include "platform/gfx/TextureLoader.h"

class ZOdevuvTexture {
 public:
  // Screen position with rhw, a diffuse colour and one texture coordinate.
  static constexpr std::uint32_t kQuadFvf = plat::Fvf::XyzRhw | plat::Fvf::Diffuse | plat::Fvf::Tex1;

  // One corner of a screen quad, 28 bytes as the vertex format lays it out.
  struct QuadVertex {
    float x, y, z, rhw;
    std::uint32_t color;
    float u, v;
  };

  ZOdevuvTexture();
  ~ZOdevuvTexture();
  ZOdevuvTexture(const ZOdevuvTexture&) = delete;
  ZOdevuvTexture& operator=(const ZOdevuvTexture&) = delete;

  void Init();
  void Release();

  // One level, a render target or a dynamic texture, A8R8G8B8, default pool.
  bool CreateBlank(int32_t width, int32_t height, bool renderTarget);
  // Both keep the path as file name, also on failure, and return 0 in every
  // case; a failure leaves no texture. The Ex form keeps the image in system
  // memory and copies it to the device on each draw.
  int32_t LoadFromFile(const char* path);
  int32_t LoadFromFileEx(const char* path);

  void SetFrameCount(int32_t count) { m_frameCount = count; }

  // All draws do nothing without a texture. Colours are ARGB.
  void DrawQuad(int32_t x, int32_t y, uint32_t color, float depth);
  void Draw(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color, float depth);
  void DrawAdditive(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color, float depth);
  void DrawFrame(int32_t x, int32_t y, int32_t frame, uint32_t color, float depth);
  void DrawCell(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cell, uint32_t color, float depth);

  // The logical size the draws use; callers may overwrite it (the GUI sizes
  // a texture to its element before drawing state cells).
  int32_t GetWidth() const { return m_width; }
  int32_t GetHeight() const { return m_height; }
  void SetWidth(int32_t width) { m_width = width; }
  void SetHeight(int32_t height) { m_height = height; }

  int32_t GetImageWidth() const { return m_imageWidth; }
  int32_t GetImageHeight() const { return m_imageHeight; }
  int32_t GetFrameCount() const { return m_frameCount; }
  // Empty when no load was asked for.
  const std::string& GetFileName() const { return m_fileName; }
  bool IsSystemMemory() const { return m_systemMemory != 0; }
  const std::shared_ptr<plat::Texture>& GetTexture() const { return m_texture; }
  const std::shared_ptr<plat::Surface>& GetSurface() const { return m_surface; }
  const plat::SurfaceDesc& GetSurfaceDesc() const { return m_surfaceDesc; }
  const plat::ImageInfo& GetImageInfo() const { return m_imageInfo; }

 private:
  // A screen rectangle in pixels, or a texture rectangle in texture space.
  struct Box {
    float left, top, right, bottom;
  };
  static constexpr Box kWholeImage{0, 0, 1, 1};
  enum class Blending { Alpha, Additive };
  enum class MissingCopy { Quiet, Report };

  void Load(const char* path, const plat::TextureLoadOptions& options, bool systemMemory);
  static Box ScreenBox(int32_t x, int32_t y, int32_t w, int32_t h);
  // z = depth and rhw = 1 / (990 depth + 10) at every corner, clockwise
  // from the top left, shifted by half a pixel so texels meet pixel centres.
  static void BuildQuad(const Box& screen, const Box& uv, uint32_t color, float depth, QuadVertex out[4]);
  void DrawBox(const Box& screen, const Box& uv, uint32_t color, float depth, Blending blending,
               MissingCopy missing);
  void BindTexture(plat::Device& device, MissingCopy missing);
  std::shared_ptr<plat::Texture> MakeDeviceCopy(plat::Device& device);

  std::shared_ptr<plat::Surface> m_surface;
  std::shared_ptr<plat::Texture> m_texture;
  int32_t m_imageWidth = 0;
  int32_t m_imageHeight = 0;
  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_frameCount = 1;
  std::string m_fileName;
  uint8_t m_systemMemory = 0;
  plat::SurfaceDesc m_surfaceDesc;
  plat::ImageInfo m_imageInfo;
};
