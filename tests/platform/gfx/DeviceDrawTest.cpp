#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/gfx/Mesh.h"
#include "platform/math/Math.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

std::vector<ScreenVertex> Quad(float x, float y, std::uint32_t color) {
  return {{x, y, 0.1f, 1 / 109.0f, color, 0, 0},
          {x + 10, y, 0.1f, 1 / 109.0f, color, 1, 0},
          {x + 10, y + 10, 0.1f, 1 / 109.0f, color, 1, 1},
          {x, y + 10, 0.1f, 1 / 109.0f, color, 0, 1}};
}

// Particle-style points: position and colour (FVF 0x142, 24 bytes).
struct PointVertex {
  float x, y, z;
  std::uint32_t color;
  float u, v;
};

std::shared_ptr<VertexBuffer> PointBuffer(Device& device, std::uint32_t count) {
  auto vb = device.CreateVertexBuffer(count * sizeof(PointVertex),
                                      Usage::Dynamic | Usage::Points | Usage::WriteOnly, 0x142,
                                      Pool::Default);
  void* data = nullptr;
  EXPECT_TRUE(vb->Lock(0, 0, &data, Lock::Discard));
  auto* points = static_cast<PointVertex*>(data);
  for (std::uint32_t i = 0; i < count; ++i) points[i] = {float(i), 0, 0, 0xFF000000u | i, 0, 0};
  vb->Unlock();
  return vb;
}

TEST_F(DeviceTest, ADrawFromUserMemoryIsRecordedWithItsVerticesAndTextures) {
  auto texture = dev().CreateTexture(4, 4, 1, 0, Format::A8R8G8B8, Pool::Managed);
  dev().BeginScene();
  dev().SetTexture(0, texture);
  dev().SetFVF(0x144);
  auto quad = Quad(9.5f, 19.5f, 0xFF112233u);
  ASSERT_TRUE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad.data(), 28));

  auto draws = dev().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  const DrawRecord& d = draws[0];
  EXPECT_EQ(d.type, PrimitiveType::TriangleFan);
  EXPECT_EQ(d.primitiveCount, 2u);
  EXPECT_TRUE(d.userMemory);
  EXPECT_EQ(d.fvf, 0x144u);
  EXPECT_EQ(d.VertexCount(), 4u);
  EXPECT_EQ(d.Read<float>(0, 0), 9.5f);
  EXPECT_EQ(d.Read<float>(0, 4), 19.5f);
  EXPECT_EQ(d.Read<std::uint32_t>(2, 16), 0xFF112233u);
  EXPECT_EQ(d.Read<float>(2, 20), 1.0f);
  EXPECT_EQ(d.textures[0], texture);
  EXPECT_EQ(d.textures[1], nullptr);
}

TEST_F(DeviceTest, StatesPersistAcrossDrawsUntilChanged) {
  dev().BeginScene();
  dev().SetFVF(0x144);
  dev().SetRenderState(RenderState::AlphaBlendEnable, kTrue);
  dev().SetRenderState(RenderState::SrcBlend, Blend::SrcAlpha);
  dev().SetSamplerState(0, SamplerState::MinFilter, TextureFilter::Linear);
  dev().SetTextureStageState(0, TextureStageState::ColorOp, TextureOp::SelectArg1);
  auto quad = Quad(0, 0, 0xFFFFFFFFu);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad.data(), 28));
  }
  EXPECT_EQ(dev().GetRenderState(RenderState::AlphaBlendEnable), kTrue);
  EXPECT_EQ(dev().GetRenderState(RenderState::SrcBlend), Blend::SrcAlpha);
  EXPECT_EQ(dev().GetRenderState(RenderState::DestBlend), Blend::Zero);
  EXPECT_EQ(dev().GetSamplerState(0, SamplerState::MinFilter), TextureFilter::Linear);
  EXPECT_EQ(dev().GetTextureStageState(0, TextureStageState::ColorOp), TextureOp::SelectArg1);
  EXPECT_EQ(dev().GetFVF(), 0x144u);
  EXPECT_EQ(dev().Record().RenderStateValues(RenderState::SrcBlend),
            std::vector<std::uint32_t>{Blend::SrcAlpha});
}

TEST_F(DeviceTest, DrawsOutsideASceneOrWithoutAVertexLayoutDrawNothing) {
  auto quad = Quad(0, 0, 0);
  dev().SetFVF(0x144);
  EXPECT_FALSE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad.data(), 28));
  dev().BeginScene();
  dev().SetVertexDeclaration(nullptr);
  EXPECT_FALSE(dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad.data(), 28));
  EXPECT_FALSE(dev().DrawPrimitive(PrimitiveType::PointList, 0, 1)) << "no stream bound";
  EXPECT_TRUE(dev().Record().Draws().empty());
}

TEST_F(DeviceTest, DrawPrimitiveRecordsTheBatchItDrawsFromTheStream) {
  auto vb = PointBuffer(dev(), 2048);
  dev().BeginScene();
  dev().SetFVF(0x142);
  dev().SetStreamSource(0, vb, 0, 24);
  ASSERT_TRUE(dev().DrawPrimitive(PrimitiveType::PointList, 512, 512));
  auto d = dev().Record().Draws().at(0);
  EXPECT_EQ(d.firstVertex, 512u);
  EXPECT_EQ(d.VertexCount(), 512u);
  EXPECT_EQ(d.Read<float>(0, 0), 512.0f);
  EXPECT_EQ(d.Read<std::uint32_t>(511, 12), 0xFF000000u | 1023u);
  EXPECT_FALSE(dev().DrawPrimitive(PrimitiveType::PointList, 1537, 512)) << "past the end";
}

TEST_F(DeviceTest, UserMemoryDrawsUnbindStreamZero) {
  auto vb = PointBuffer(dev(), 4);
  dev().BeginScene();
  dev().SetStreamSource(0, vb, 0, 24);
  dev().SetFVF(0x144);
  auto quad = Quad(0, 0, 0);
  dev().DrawPrimitiveUP(PrimitiveType::TriangleFan, 2, quad.data(), 28);
  EXPECT_EQ(dev().State().streams[0].buffer, nullptr);
}

TEST_F(DeviceTest, IndexedDrawsCheckTheirIndicesAgainstTheVerticesTheyName) {
  auto vb = PointBuffer(dev(), 8);
  auto ib = dev().CreateIndexBuffer(6 * 2, Usage::WriteOnly, Pool::Managed);
  void* data = nullptr;
  ASSERT_TRUE(ib->Lock(0, 0, &data));
  const std::uint16_t indices[6] = {0, 1, 2, 2, 1, 7};
  std::memcpy(data, indices, sizeof indices);
  ib->Unlock();
  dev().BeginScene();
  dev().SetFVF(0x142);
  dev().SetStreamSource(0, vb, 0, 24);
  dev().SetIndices(ib);
  ASSERT_TRUE(dev().DrawIndexedPrimitive(PrimitiveType::TriangleList, 0, 0, 8, 0, 2));
  EXPECT_FALSE(dev().DrawIndexedPrimitive(PrimitiveType::TriangleList, 0, 0, 7, 0, 2))
      << "index 7 is outside the 7 vertices named";
  EXPECT_FALSE(dev().DrawIndexedPrimitive(PrimitiveType::TriangleList, 1, 0, 8, 0, 2))
      << "base vertex 1 reaches past the buffer";
  EXPECT_FALSE(dev().DrawIndexedPrimitive(PrimitiveType::TriangleList, 0, 0, 8, 3, 2))
      << "indices past the index buffer";
  auto draws = dev().Record().Draws();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].indices, std::vector<std::uint16_t>(indices, indices + 6));
  EXPECT_EQ(draws[0].VertexCount(), 8u);
}

TEST_F(DeviceTest, ADrawFailsWhileItsBufferIsLocked) {
  auto vb = PointBuffer(dev(), 4);
  void* data = nullptr;
  ASSERT_TRUE(vb->Lock(0, 0, &data));
  dev().BeginScene();
  dev().SetFVF(0x142);
  dev().SetStreamSource(0, vb, 0, 24);
  EXPECT_FALSE(dev().DrawPrimitive(PrimitiveType::PointList, 0, 4));
  vb->Unlock();
  EXPECT_TRUE(dev().DrawPrimitive(PrimitiveType::PointList, 0, 4));
}

TEST(VertexFormat, StridesFollowTheFlexibleFormatBits) {
  const std::pair<std::uint32_t, std::uint32_t> table[] = {
      {0x142, 24},                         // XYZ | DIFFUSE | TEX1: particle points
      {0x144, 28},                         // XYZRHW | DIFFUSE | TEX1: screen quads
      {0x112, 32},                         // XYZ | NORMAL | TEX1
      {0x213, 40},                         // XYZ | NORMAL | TEX2 with the reserved bit
      {0x012, 24},                         // XYZ | NORMAL
      {0x002, 12},           {0x0C2, 20},  // XYZ | DIFFUSE | SPECULAR
      {0x022, 16},                         // XYZ | PSIZE
      {0x4002, 16},                        // XYZW
      {0x00A | 0x1000, 24},                // XYZB3 with UBYTE4 indices: 12 + 8 weights + 4 indices
      {0x102 | 0x10000, 24},               // one 3-float texture coordinate set
  };
  for (const auto& [fvf, stride] : table) EXPECT_EQ(FvfStride(fvf), stride) << std::hex << fvf;
}

TEST(VertexFormat, ElementsOfAFormatCarryTheirSemantics) {
  auto elements = FvfElements(0x144);
  ASSERT_EQ(elements.size(), 3u);
  EXPECT_EQ(elements[0], (VertexElement{0, 0, DeclType::Float4, DeclUsage::PositionT, 0}));
  EXPECT_EQ(elements[1], (VertexElement{0, 16, DeclType::D3dColor, DeclUsage::Color, 0}));
  EXPECT_EQ(elements[2], (VertexElement{0, 20, DeclType::Float2, DeclUsage::TexCoord, 0}));
}

TEST(VertexFormat, DeclarationsRefuseOverlapsAndReportTheirSize) {
  std::vector<VertexElement> mesh = {
      {0, 0, DeclType::Float3, DeclUsage::Position, 0},
      {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
      {0, 24, DeclType::Float2, DeclUsage::TexCoord, 0},
      {0, 32, DeclType::Float2, DeclUsage::TexCoord, 1},
      {0, 40, DeclType::Float3, DeclUsage::Tangent, 0},
  };
  auto decl = VertexDeclaration::Create(mesh);
  ASSERT_TRUE(decl);
  EXPECT_EQ(decl->StreamSize(0), 52u);
  ASSERT_TRUE(decl->Find(DeclUsage::TexCoord, 1));
  EXPECT_EQ(decl->Find(DeclUsage::TexCoord, 1)->offset, 32u);
  EXPECT_EQ(decl->Find(DeclUsage::Binormal, 0), nullptr);
  mesh.push_back({0, 48, DeclType::Float2, DeclUsage::Binormal, 0});
  EXPECT_FALSE(VertexDeclaration::Create(mesh));
  EXPECT_FALSE(VertexDeclaration::Create({}));
}

TEST_F(DeviceTest, ASphereFacesOutwardAndDrawsItsSubset) {
  auto sphere = CreateSphere(device_, 2.0f, 10, 10);
  ASSERT_TRUE(sphere);
  EXPECT_EQ(sphere->VertexCount(), 2u + 9 * 10);
  EXPECT_EQ(sphere->FaceCount(), 2u * 10 * 9);
  std::vector<std::uint8_t> vbytes, ibytes;
  ASSERT_TRUE(sphere->Vertices()->CopyOut(0, sphere->Vertices()->Length(), vbytes));
  ASSERT_TRUE(sphere->Indices()->CopyOut(0, sphere->Indices()->Length(), ibytes));
  auto position = [&](std::uint16_t i) {
    Vec3 p;
    std::memcpy(&p, vbytes.data() + std::size_t(i) * 24, 12);
    return p;
  };
  for (std::size_t f = 0; f < sphere->FaceCount(); ++f) {
    std::uint16_t idx[3];
    std::memcpy(idx, ibytes.data() + f * 6, 6);
    Vec3 a = position(idx[0]), b = position(idx[1]), c = position(idx[2]);
    EXPECT_NEAR(Vec3LengthOf(a), 2.0f, 1e-4f);
    // Clockwise front faces: (b - a) x (c - a) points away from the centre.
    EXPECT_GT(Vec3Dot(Vec3Cross(b - a, c - a), a + b + c), 0.0f) << "face " << f;
  }
  dev().BeginScene();
  EXPECT_TRUE(sphere->DrawSubset(0));
  EXPECT_FALSE(sphere->DrawSubset(1));
  auto d = dev().Record().Draws().at(0);
  EXPECT_TRUE(d.indexed);
  EXPECT_EQ(d.fvf, std::uint32_t(Fvf::Xyz | Fvf::Normal));
  EXPECT_EQ(d.primitiveCount, sphere->FaceCount());
  EXPECT_FALSE(CreateSphere(device_, 0.0f, 10, 10));
  EXPECT_FALSE(CreateSphere(device_, 1.0f, 2, 10));
}

}  // namespace
}  // namespace plat::test
