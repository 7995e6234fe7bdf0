// Lifetimes the game produces: resources that outlive their device or move
// to a second device, and a device that outlives the window.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

struct ScreenVertex {
  float x, y, z, rhw;
  std::uint32_t diffuse;
  float u, v;
};

std::shared_ptr<plat::Texture> RedTexture(plat::Device& d) {
  auto texture = d.CreateTexture(1, 1, 1, 0, plat::Format::A8R8G8B8, plat::Pool::Managed);
  plat::LockedRect rect;
  const std::uint32_t red = 0xFFFF0000u;
  if (texture && texture->LockRect(0, rect)) {
    std::memcpy(rect.bits, &red, 4);
    texture->UnlockRect(0);
  }
  return texture;
}

void DrawTextured(plat::Device& d, const std::shared_ptr<plat::Texture>& texture) {
  const ScreenVertex quad[] = {{-0.5f, -0.5f, 0, 1, 0xFFFFFFFFu, 0, 0},
                               {15.5f, -0.5f, 0, 1, 0xFFFFFFFFu, 1, 0},
                               {15.5f, 15.5f, 0, 1, 0xFFFFFFFFu, 1, 1},
                               {-0.5f, 15.5f, 0, 1, 0xFFFFFFFFu, 0, 1}};
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, 0xFF000000u, 1, 0);
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetTexture(0, texture);
  d.SetFVF(0x144);
  d.DrawPrimitiveUP(plat::PrimitiveType::TriangleFan, 2, quad, sizeof(ScreenVertex));
  d.SetTexture(0, nullptr);
  d.EndScene();
}

TEST_F(LiveDeviceTest, ATextureMovesToTheNextDeviceAndOutlivesBoth) {
  auto texture = RedTexture(*live_);
  DrawTextured(*live_, texture);
  EXPECT_TRUE(NearColor(At(Capture(), 8, 8), 0xFFFF0000u));
  live_ = Make(plat::BackendChoice::Live);  // the first device goes, the texture stays
  ASSERT_NE(live_, nullptr);
  DrawTextured(*live_, texture);
  EXPECT_TRUE(NearColor(At(Capture(), 8, 8), 0xFFFF0000u)) << "uploaded again for the new device";
  live_.reset();
  texture.reset();  // after its device: nothing of GL is touched
}

TEST_F(LiveDeviceTest, CallsFromAThreadThatDoesNotDrawAreDroppedAndSaidOnce) {
  DrawTextured(*live_, RedTexture(*live_));
  std::thread other([this] {
    live_->Clear(plat::ClearFlags::Target, 0xFF00FF00u, 1, 0);
    live_->Clear(plat::ClearFlags::Target, 0xFF00FF00u, 1, 0);
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    EXPECT_FALSE(plat::CaptureBackBuffer(*live_, width, height, pixels));
  });
  other.join();
  ASSERT_EQ(debugOutput_.size(), 1u);
  EXPECT_NE(debugOutput_[0].find("thread"), std::string::npos) << debugOutput_[0];
  debugOutput_.clear();
  EXPECT_TRUE(NearColor(At(Capture(), 8, 8), 0xFFFF0000u)) << "the window thread's frame is untouched";
}

TEST_F(LiveDeviceTest, BuffersFilledOnALoaderThreadDrawWithOffsetsAndBaseVertices) {
  plat::Device& d = *live_;
  struct V {
    float x, y, z, rhw;
    std::uint32_t diffuse;
  };
  // Two unused vertices first; the squares are vertices 2..5 and 6..9.
  std::shared_ptr<plat::VertexBuffer> vertices;
  std::shared_ptr<plat::IndexBuffer> indices;
  std::thread loader([&] {
    vertices = d.CreateVertexBuffer(10 * sizeof(V), plat::Usage::WriteOnly, 0x44, plat::Pool::Managed);
    indices = d.CreateIndexBuffer(12 * 2, plat::Usage::WriteOnly, plat::Pool::Managed);
    void* bytes = nullptr;
    ASSERT_TRUE(vertices->Lock(0, 0, &bytes));
    V* v = static_cast<V*>(bytes);
    auto square = [](V* out, float left, std::uint32_t color) {
      const float l = left - 0.5f, r = left + 15.5f, t = 39.5f, b = 55.5f;
      out[0] = {l, t, 0, 1, color};
      out[1] = {r, t, 0, 1, color};
      out[2] = {r, b, 0, 1, color};
      out[3] = {l, b, 0, 1, color};
    };
    square(v + 2, 40, 0xFFFF0000u);
    square(v + 6, 80, 0xFF00FF00u);
    vertices->Unlock();
    ASSERT_TRUE(indices->Lock(0, 0, &bytes));
    const std::uint16_t quad[] = {9, 9, 9, 9, 9, 9, 0, 1, 2, 0, 2, 3};  // the first six are never drawn
    std::memcpy(bytes, quad, sizeof quad);
    indices->Unlock();
  });
  loader.join();
  ASSERT_TRUE(vertices && indices);
  d.BeginScene();
  d.Clear(plat::ClearFlags::Target | plat::ClearFlags::ZBuffer, 0xFF000000u, 1, 0);
  d.SetRenderState(plat::RenderState::Lighting, plat::kFalse);
  d.SetFVF(0x44);
  ASSERT_TRUE(d.SetStreamSource(0, vertices, 0, sizeof(V)));
  d.SetIndices(indices);
  ASSERT_TRUE(d.DrawIndexedPrimitive(plat::PrimitiveType::TriangleList, 2, 0, 4, 6, 2));  // red
  ASSERT_TRUE(d.SetStreamSource(0, vertices, 4 * sizeof(V), sizeof(V)));                 // green
  ASSERT_TRUE(d.DrawPrimitive(plat::PrimitiveType::TriangleFan, 2, 2));
  d.EndScene();
  const std::vector<std::uint32_t> shot = Capture();
  EXPECT_TRUE(NearColor(At(shot, 48, 48), 0xFFFF0000u));
  EXPECT_TRUE(NearColor(At(shot, 88, 48), 0xFF00FF00u));
  EXPECT_TRUE(NearColor(At(shot, 20, 48), 0xFF000000u));
}

TEST(GlDeviceLifetime, ADeviceMayOutliveItsWindow) {
  PreferSoftwareRenderer();
  plat::ResetMessageQueue();
  plat::WindowHandle window = plat::CreateGameWindow("Halvenor porvik", 64, 64, plat::WindowBackend::Live);
  if (window == nullptr) GTEST_SKIP() << "no display for a live window";
  plat::RegisterGlBackend();
  plat::DeviceParams params;
  params.width = 64;
  params.height = 64;
  params.window = window;
  params.backend = plat::BackendChoice::Live;
  std::string error;
  std::shared_ptr<plat::Device> device = plat::CreateDevice(params, &error);
  plat::SetLiveBackendFactory({});
  ASSERT_NE(device, nullptr) << error;
  KeepRendererLoaded();
  DrawTextured(*device, RedTexture(*device));
  device->Present();
  plat::DestroyGameWindow(window);
  device.reset();
  SUCCEED() << "the device's GL objects went with a stand-in window";
}

}  // namespace
}  // namespace live_test
