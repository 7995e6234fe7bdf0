// Every texture format the device makes shows on screen as the image
// decoder reads the same bytes.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/Image.h"
#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

struct ScreenVertex {
  float x, y, z, rhw;
  std::uint32_t diffuse;
  float u, v;
};

constexpr int kTexels = 4;
constexpr int kScale = 8;  // screen pixels per texel

// Deterministic bytes; R32F gets floats in 0..1 instead.
void Fill(plat::Format format, const plat::LockedRect& rect, int rows) {
  for (int y = 0; y < rows; ++y) {
    std::uint8_t* row = rect.bits + std::size_t(y) * rect.pitch;
    if (format == plat::Format::R32F) {
      for (int x = 0; x < kTexels; ++x) {
        const float value = float(x + y * kTexels) / 15.0f;
        std::memcpy(row + 4 * x, &value, 4);
      }
      continue;
    }
    for (int i = 0; i < rect.pitch; ++i) row[i] = std::uint8_t(37 * (i + y * rect.pitch) + 11);
  }
}

TEST_F(LiveDeviceTest, EveryTextureFormatShowsAsTheDecoderReadsIt) {
  const plat::Format formats[] = {plat::Format::A8R8G8B8, plat::Format::X8R8G8B8, plat::Format::R5G6B5,
                                  plat::Format::A1R5G5B5, plat::Format::A4R4G4B4, plat::Format::A8,
                                  plat::Format::L8,       plat::Format::R32F,     plat::Format::Dxt1,
                                  plat::Format::Dxt3,     plat::Format::Dxt5};
  plat::Device& d = *live_;
  for (plat::Format format : formats) {
    SCOPED_TRACE(::testing::Message() << "format " << std::uint32_t(format));
    auto texture = d.CreateTexture(kTexels, kTexels, 1, 0, format, plat::Pool::Managed);
    ASSERT_NE(texture, nullptr);
    plat::LockedRect rect;
    ASSERT_TRUE(texture->LockRect(0, rect));
    Fill(format, rect, plat::IsBlockCompressed(format) ? 1 : kTexels);
    ASSERT_TRUE(texture->UnlockRect(0));
    std::vector<std::uint32_t> expected;
    ASSERT_TRUE(texture->ReadLevel(0, [&](const plat::ImageLevel& level) {
      plat::Image image;
      image.format = format;
      image.width = image.height = kTexels;
      image.levels.push_back(level);
      ASSERT_TRUE(plat::ToArgb(image, 0, expected));
    }));

    const float edge = float(kTexels * kScale) - 0.5f;
    const ScreenVertex quad[] = {{-0.5f, -0.5f, 0, 1, 0xFFFFFFFFu, 0, 0},
                                 {edge, -0.5f, 0, 1, 0xFFFFFFFFu, 1, 0},
                                 {edge, edge, 0, 1, 0xFFFFFFFFu, 1, 1},
                                 {-0.5f, edge, 0, 1, 0xFFFFFFFFu, 0, 1}};
    d.BeginScene();
    d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, 0xFF000000u, 1, 0);
    d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
    d.SetTextureStageState(0, plat::TextureStageState::ColorOp, plat::TextureOp::SelectArg1);
    d.SetTexture(0, texture);
    d.SetFVF(0x144);
    ASSERT_TRUE(d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(ScreenVertex)));
    d.EndScene();
    const std::vector<std::uint32_t> shot = Capture();
    for (int ty = 0; ty < kTexels; ++ty)
      for (int tx = 0; tx < kTexels; ++tx)
        EXPECT_TRUE(NearColor(At(shot, tx * kScale + kScale / 2, ty * kScale + kScale / 2),
                              expected[std::size_t(ty) * kTexels + tx], 2))
            << "texel " << tx << "," << ty;
  }
}

}  // namespace
}  // namespace live_test
