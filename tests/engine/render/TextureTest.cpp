#include "engine/render/ZOdevuvTexture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/gfx/PngWriter.h"
#include "platform/gfx/Surface.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"

namespace {

using plat::Blend;
using plat::EventKind;
using plat::RenderState;
using plat::TextureStageState;
using Vertex = ZOdevuvTexture::QuadVertex;

constexpr float kEps = 1e-6f;

// A headless device manager in a scene, recording, with PNG fixtures in a
// scratch folder.
class TextureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("HALVENOR_HEADLESS", "1", 0);
    manager_ = std::make_unique<ZOdevuvDevice>(nullptr);
    manager_->InitEngineDevice(800, 600, 32, 1, 1);
    device_ = manager_->GetDevice();
    ASSERT_NE(device_, nullptr);
    ASSERT_TRUE(device_->BeginScene());
    std::string pattern = (std::filesystem::temp_directory_path() / "halvenor-tex-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    plat::SetDebugOutputSink([this](std::string_view text) { debugOutput_ += text; });
  }
  void TearDown() override {
    plat::SetDebugOutputSink({});
    manager_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    plat::ClearPathCache();
  }

  // A PNG whose texel (x, y) is 0xFF000000 | y << 8 | x.
  std::string WritePng(const std::string& name, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels[std::size_t(y) * width + x] = 0xFF000000u | std::uint32_t(y) << 8 | x;
    }
    std::string path = folder_ + "/" + name;
    EXPECT_TRUE(plat::WritePngFile(path, width, height, pixels.data()));
    return path;
  }

  void Load(ZOdevuvTexture& texture, int width, int height) {
    texture.LoadFromFile(WritePng("image.png", width, height).c_str());
    ASSERT_NE(texture.GetTexture(), nullptr);
    device_->Record().Clear();
    device_->Record().Enable(true);
  }

  // The one draw recorded so far.
  plat::DrawRecord OnlyDraw() const {
    std::vector<plat::DrawRecord> draws = device_->Record().Draws();
    EXPECT_EQ(draws.size(), 1u);
    return draws.empty() ? plat::DrawRecord{} : draws.front();
  }

  // The value a render state had when the first draw was made, if it was set.
  std::optional<std::uint32_t> RenderStateAtDraw(RenderState state) const {
    return StateAtDraw(EventKind::RenderState, 0, std::uint32_t(state));
  }
  std::optional<std::uint32_t> StageStateAtDraw(TextureStageState state) const {
    return StateAtDraw(EventKind::StageState, 0, std::uint32_t(state));
  }
  std::optional<std::uint32_t> StateAtDraw(EventKind kind, std::uint32_t index, std::uint32_t key) const {
    std::optional<std::uint32_t> value;
    for (const plat::RecordEvent& event : device_->Record().Events()) {
      if (event.kind == EventKind::Draw) break;
      const plat::StateEvent* state = event.Get<plat::StateEvent>();
      if (event.kind == kind && state && state->index == index && state->key == key) value = state->value;
    }
    return value;
  }

  std::unique_ptr<ZOdevuvDevice> manager_;
  plat::Device* device_ = nullptr;
  std::string folder_;
  std::string debugOutput_;
};

Vertex ReadVertex(const plat::DrawRecord& draw, std::uint32_t i) { return draw.Read<Vertex>(i, 0); }

TEST_F(TextureTest, QuadIsAHalfPixelShiftedFanOfFourScreenVertices) {
  ZOdevuvTexture texture;
  Load(texture, 8, 8);
  texture.Draw(10, 20, 30, 40, 0x80FF2010u, 0.1f);

  plat::DrawRecord draw = OnlyDraw();
  EXPECT_EQ(draw.type, plat::PrimitiveType::TriangleFan);
  EXPECT_EQ(draw.primitiveCount, 2u);
  EXPECT_TRUE(draw.userMemory);
  EXPECT_EQ(draw.fvf, 0x144u);
  EXPECT_EQ(draw.stride, 28u);
  ASSERT_EQ(draw.VertexCount(), 4u);
  struct Corner {
    float x, y, u, v;
  };
  const Corner expected[4] = {{9.5f, 19.5f, 0, 0}, {39.5f, 19.5f, 1, 0}, {39.5f, 59.5f, 1, 1}, {9.5f, 59.5f, 0, 1}};
  for (std::uint32_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    Vertex v = ReadVertex(draw, i);
    EXPECT_FLOAT_EQ(v.x, expected[i].x);
    EXPECT_FLOAT_EQ(v.y, expected[i].y);
    EXPECT_FLOAT_EQ(v.u, expected[i].u);
    EXPECT_FLOAT_EQ(v.v, expected[i].v);
    EXPECT_EQ(v.color, 0x80FF2010u);
  }
  EXPECT_EQ(draw.textures.at(0), texture.GetTexture());
  EXPECT_EQ(draw.textures.at(1), nullptr);
}

TEST_F(TextureTest, DepthGivesZAndReciprocalHomogeneousW) {
  struct Case {
    float depth, rhw;
  };
  const Case cases[] = {{0.0f, 0.1f}, {1.0f, 1.0f / 1000.0f}, {0.1f, 1.0f / 109.0f}};
  ZOdevuvTexture texture;
  Load(texture, 4, 4);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    device_->Record().Clear();
    texture.DrawQuad(0, 0, 0xFFFFFFFFu, c.depth);
    plat::DrawRecord draw = OnlyDraw();
    for (std::uint32_t i = 0; i < draw.VertexCount(); ++i) {
      EXPECT_FLOAT_EQ(ReadVertex(draw, i).z, c.depth);
      EXPECT_NEAR(ReadVertex(draw, i).rhw, c.rhw, kEps);
    }
  }
}

TEST_F(TextureTest, DrawQuadUsesTheLogicalSize) {
  ZOdevuvTexture texture;
  Load(texture, 16, 8);
  texture.SetWidth(100);
  texture.SetHeight(50);
  texture.DrawQuad(5, 6, 0xFFFFFFFFu, 0.1f);
  Vertex corner = ReadVertex(OnlyDraw(), 2);
  EXPECT_FLOAT_EQ(corner.x, 104.5f);
  EXPECT_FLOAT_EQ(corner.y, 55.5f);
}

TEST_F(TextureTest, DrawFrameShowsOneFrameOfTheStripAtTheFrameSize) {
  ZOdevuvTexture texture;
  Load(texture, 256, 64);
  texture.SetFrameCount(4);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    device_->Record().Clear();
    texture.DrawFrame(100, 200, i, 0xFFFFFFFFu, 0.1f);
    plat::DrawRecord draw = OnlyDraw();
    Vertex topLeft = ReadVertex(draw, 0);
    Vertex bottomRight = ReadVertex(draw, 2);
    EXPECT_FLOAT_EQ(bottomRight.x - topLeft.x, 64.0f);
    EXPECT_FLOAT_EQ(bottomRight.y - topLeft.y, 64.0f);
    EXPECT_FLOAT_EQ(topLeft.u, 0.25f * float(i));
    EXPECT_FLOAT_EQ(bottomRight.u, 0.25f * float(i + 1));
    EXPECT_FLOAT_EQ(topLeft.v, 0.0f);
    EXPECT_FLOAT_EQ(bottomRight.v, 1.0f);
  }
}

TEST_F(TextureTest, DrawFrameTreatsAFrameCountBelowOneAsOneFrame) {
  ZOdevuvTexture texture;
  Load(texture, 32, 16);
  for (int count : {0, -3}) {
    SCOPED_TRACE(count);
    device_->Record().Clear();
    texture.SetFrameCount(count);
    texture.DrawFrame(0, 0, 0, 0xFFFFFFFFu, 0.1f);
    plat::DrawRecord draw = OnlyDraw();
    EXPECT_FLOAT_EQ(ReadVertex(draw, 2).x, 31.5f);
    EXPECT_FLOAT_EQ(ReadVertex(draw, 0).u, 0.0f);
    EXPECT_FLOAT_EQ(ReadVertex(draw, 2).u, 1.0f);
  }
}

TEST_F(TextureTest, DrawCellSamplesTheCellOfTheLogicalGrid) {
  ZOdevuvTexture texture;
  Load(texture, 64, 8);
  texture.SetWidth(200);
  texture.SetHeight(20);
  texture.DrawCell(7, 9, 50, 20, 2, 0xFFFFFFFFu, 0.1f);
  plat::DrawRecord draw = OnlyDraw();
  Vertex topLeft = ReadVertex(draw, 0);
  Vertex bottomRight = ReadVertex(draw, 2);
  EXPECT_FLOAT_EQ(topLeft.x, 6.5f);
  EXPECT_FLOAT_EQ(bottomRight.x, 56.5f);
  EXPECT_FLOAT_EQ(bottomRight.y, 28.5f);
  EXPECT_FLOAT_EQ(topLeft.u, 0.5f);
  EXPECT_FLOAT_EQ(bottomRight.u, 0.75f);
  EXPECT_FLOAT_EQ(topLeft.v, 0.0f);
  EXPECT_FLOAT_EQ(bottomRight.v, 1.0f);
}

TEST_F(TextureTest, DrawCellWithAZeroCellOrTextureSizeDrawsNothing) {
  struct Case {
    int cellW, cellH, width, height;
  };
  const Case cases[] = {{0, 20, 200, 20}, {50, 0, 200, 20}, {50, 20, 0, 20}, {50, 20, 200, 0}};
  ZOdevuvTexture texture;
  Load(texture, 8, 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cellW << "x" << c.cellH << " on " << c.width << "x" << c.height);
    texture.SetWidth(c.width);
    texture.SetHeight(c.height);
    texture.DrawCell(0, 0, c.cellW, c.cellH, 1, 0xFFFFFFFFu, 0.1f);
    EXPECT_TRUE(device_->Record().Events().empty());
  }
}

// Every member, so that the state rules are checked for each.
struct DrawKind {
  const char* name;
  std::function<void(ZOdevuvTexture&)> draw;
  std::uint32_t destBlend;
};
const DrawKind kDrawKinds[] = {
    {"DrawQuad", [](ZOdevuvTexture& t) { t.DrawQuad(1, 2, 0xFFFFFFFFu, 0.1f); }, Blend::InvSrcAlpha},
    {"Draw", [](ZOdevuvTexture& t) { t.Draw(1, 2, 3, 4, 0xFFFFFFFFu, 0.1f); }, Blend::InvSrcAlpha},
    {"DrawAdditive", [](ZOdevuvTexture& t) { t.DrawAdditive(1, 2, 3, 4, 0xFFFFFFFFu, 0.1f); }, Blend::One},
    {"DrawFrame", [](ZOdevuvTexture& t) { t.DrawFrame(1, 2, 0, 0xFFFFFFFFu, 0.1f); }, Blend::InvSrcAlpha},
    {"DrawCell", [](ZOdevuvTexture& t) { t.DrawCell(1, 2, 4, 4, 1, 0xFFFFFFFFu, 0.1f); }, Blend::InvSrcAlpha},
};

TEST_F(TextureTest, EveryDrawBlendsWhileDrawingAndLeavesBlendingOff) {
  ZOdevuvTexture texture;
  Load(texture, 8, 8);
  for (const DrawKind& kind : kDrawKinds) {
    SCOPED_TRACE(kind.name);
    // Whatever blending was before.
    device_->SetRenderState(RenderState::AlphaBlendEnable, plat::kTrue);
    device_->SetRenderState(RenderState::SrcBlend, Blend::DestAlpha);
    device_->SetRenderState(RenderState::DestBlend, Blend::SrcColor);
    device_->Record().Clear();
    kind.draw(texture);
    ASSERT_EQ(device_->Record().Draws().size(), 1u);
    EXPECT_EQ(RenderStateAtDraw(RenderState::AlphaBlendEnable), plat::kTrue);
    EXPECT_EQ(RenderStateAtDraw(RenderState::SrcBlend), Blend::SrcAlpha);
    EXPECT_EQ(RenderStateAtDraw(RenderState::DestBlend), kind.destBlend);
    EXPECT_EQ(device_->GetRenderState(RenderState::AlphaBlendEnable), plat::kFalse);
    EXPECT_EQ(device_->GetRenderState(RenderState::SrcBlend), Blend::One);
    EXPECT_EQ(device_->GetRenderState(RenderState::DestBlend), Blend::Zero);
    for (auto state : {plat::SamplerState::MinFilter, plat::SamplerState::MagFilter, plat::SamplerState::MipFilter}) {
      EXPECT_EQ(device_->GetSamplerState(0, state), plat::TextureFilter::Linear);
    }
    EXPECT_EQ(device_->GetFVF(), 0x144u);
  }
}

TEST_F(TextureTest, QuadsModulateTextureAndDiffuseWhateverStageZeroHeld) {
  ZOdevuvTexture texture;
  Load(texture, 8, 8);
  // Ops another pass left behind.
  device_->SetTextureStageState(0, TextureStageState::ColorOp, plat::TextureOp::SelectArg1);
  device_->SetTextureStageState(0, TextureStageState::ColorArg1, plat::TextureArg::Current);
  device_->SetTextureStageState(0, TextureStageState::AlphaOp, plat::TextureOp::Add);
  device_->SetTextureStageState(0, TextureStageState::AlphaArg2, plat::TextureArg::TFactor);
  device_->Record().Clear();
  texture.Draw(0, 0, 8, 8, 0x80FFFFFFu, 0.1f);

  EXPECT_EQ(StageStateAtDraw(TextureStageState::ColorOp), plat::TextureOp::Modulate);
  EXPECT_EQ(StageStateAtDraw(TextureStageState::ColorArg1), plat::TextureArg::Texture);
  EXPECT_EQ(StageStateAtDraw(TextureStageState::ColorArg2), plat::TextureArg::Diffuse);
  EXPECT_EQ(StageStateAtDraw(TextureStageState::AlphaOp), plat::TextureOp::Modulate);
  EXPECT_EQ(StageStateAtDraw(TextureStageState::AlphaArg1), plat::TextureArg::Texture);
  EXPECT_EQ(StageStateAtDraw(TextureStageState::AlphaArg2), plat::TextureArg::Diffuse);
  // The quad leaks none of its own ops into later draws.
  EXPECT_EQ(device_->GetTextureStageState(0, TextureStageState::ColorOp), plat::TextureOp::SelectArg1);
  EXPECT_EQ(device_->GetTextureStageState(0, TextureStageState::ColorArg1), plat::TextureArg::Current);
  EXPECT_EQ(device_->GetTextureStageState(0, TextureStageState::AlphaOp), plat::TextureOp::Add);
  EXPECT_EQ(device_->GetTextureStageState(0, TextureStageState::AlphaArg2), plat::TextureArg::TFactor);
}

TEST_F(TextureTest, AFailedLoadKeepsTheNameAndDrawsNothingWithoutTouchingState) {
  const std::string broken = folder_ + "/broken.png";
  std::ofstream(broken, std::ios::binary) << "\x89PNG\r\n\x1a\n cut short";
  for (const std::string& path : {folder_ + "/missing.png", broken}) {
    SCOPED_TRACE(path);
    for (bool systemMemory : {false, true}) {
      ZOdevuvTexture texture;
      systemMemory ? texture.LoadFromFileEx(path.c_str()) : texture.LoadFromFile(path.c_str());
      EXPECT_EQ(texture.GetTexture(), nullptr);
      EXPECT_EQ(texture.GetFileName(), path);
      EXPECT_FALSE(texture.IsSystemMemory());
      texture.SetWidth(16);
      texture.SetHeight(16);
      device_->Record().Clear();
      device_->Record().Enable(true);
      for (const DrawKind& kind : kDrawKinds) kind.draw(texture);
      EXPECT_TRUE(device_->Record().Events().empty());
      EXPECT_EQ(device_->GetRenderState(RenderState::AlphaBlendEnable), plat::kFalse);
    }
  }
  EXPECT_EQ(debugOutput_, "");
}

TEST_F(TextureTest, LoadTakesTheFileSizeAndAFailedReloadLeavesNoTexture) {
  ZOdevuvTexture texture;
  const std::string path = WritePng("strip.png", 48, 12);
  EXPECT_EQ(texture.LoadFromFile(path.c_str()), 0);
  ASSERT_NE(texture.GetTexture(), nullptr);
  EXPECT_EQ(texture.GetImageWidth(), 48);
  EXPECT_EQ(texture.GetImageHeight(), 12);
  EXPECT_EQ(texture.GetWidth(), 48);
  EXPECT_EQ(texture.GetHeight(), 12);
  EXPECT_EQ(texture.GetTexture()->LevelCount(), 1u);
  EXPECT_EQ(texture.GetTexture()->GetPool(), plat::Pool::Managed);
  ASSERT_NE(texture.GetSurface(), nullptr);
  EXPECT_EQ(texture.GetSurface()->Container(), texture.GetTexture());
  EXPECT_EQ(texture.GetSurfaceDesc().width, 48);

  texture.LoadFromFile((folder_ + "/gone.png").c_str());
  EXPECT_EQ(texture.GetTexture(), nullptr);
  EXPECT_EQ(texture.GetSurface(), nullptr);

  texture.LoadFromFile(path.c_str());
  texture.Release();
  EXPECT_EQ(texture.GetTexture(), nullptr);
  EXPECT_EQ(texture.GetSurface(), nullptr);
  EXPECT_EQ(texture.GetFileName(), "");
}

TEST_F(TextureTest, CreateBlankMakesADefaultPoolTextureAndReplacesTheOldOne) {
  ZOdevuvTexture texture;
  ASSERT_TRUE(texture.CreateBlank(64, 32, true));
  std::shared_ptr<plat::Texture> first = texture.GetTexture();
  EXPECT_EQ(first->Usage(), plat::Usage::RenderTarget);
  EXPECT_EQ(first->GetFormat(), plat::Format::A8R8G8B8);
  EXPECT_EQ(first->GetPool(), plat::Pool::Default);
  EXPECT_EQ(first->LevelCount(), 1u);
  EXPECT_EQ(texture.GetWidth(), 64);
  EXPECT_EQ(texture.GetHeight(), 32);
  EXPECT_EQ(texture.GetSurface(), nullptr);

  ASSERT_TRUE(texture.CreateBlank(16, 8, false));
  EXPECT_NE(texture.GetTexture(), first);
  EXPECT_EQ(texture.GetTexture()->Usage(), plat::Usage::Dynamic);
  EXPECT_EQ(texture.GetWidth(), 16);

  EXPECT_FALSE(texture.CreateBlank(0, 8, false));
  EXPECT_EQ(texture.GetTexture(), nullptr);
}

TEST_F(TextureTest, SystemMemoryImageIsCopiedToAFreshDeviceTextureOnEveryDraw) {
  ZOdevuvTexture texture;
  texture.LoadFromFileEx(WritePng("sys.png", 8, 4).c_str());
  ASSERT_NE(texture.GetTexture(), nullptr);
  EXPECT_TRUE(texture.IsSystemMemory());
  EXPECT_EQ(texture.GetTexture()->GetPool(), plat::Pool::SystemMem);
  device_->Record().Enable(true);

  texture.Draw(0, 0, 8, 4, 0xFFFFFFFFu, 0.1f);
  texture.Draw(0, 0, 8, 4, 0xFFFFFFFFu, 0.1f);

  std::vector<plat::DrawRecord> draws = device_->Record().Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(device_->Record().Count(EventKind::UpdateSurface), 2u);
  std::shared_ptr<plat::Texture> copy = draws[0].textures.at(0);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, texture.GetTexture());
  EXPECT_NE(draws[1].textures.at(0), copy);
  EXPECT_EQ(copy->GetPool(), plat::Pool::Default);
  EXPECT_EQ(copy->Usage(), plat::Usage::Dynamic);
  EXPECT_EQ(copy->Width(), 8);
  EXPECT_EQ(copy->Height(), 4);
  EXPECT_EQ(copy->GetFormat(), texture.GetTexture()->GetFormat());
  std::vector<std::uint8_t> stored, copied;
  texture.GetTexture()->ReadLevel(0, [&](const plat::ImageLevel& level) { stored = level.bytes; });
  copy->ReadLevel(0, [&](const plat::ImageLevel& level) { copied = level.bytes; });
  EXPECT_FALSE(stored.empty());
  EXPECT_EQ(copied, stored);
  EXPECT_EQ(debugOutput_, "");
}

TEST_F(TextureTest, ManagedImageIsBoundItselfAndNeverCopied) {
  ZOdevuvTexture texture;
  texture.LoadFromFileEx(WritePng("first.png", 4, 4).c_str());
  // A managed load over a system-memory one binds directly.
  texture.LoadFromFile(WritePng("second.png", 4, 4).c_str());
  EXPECT_FALSE(texture.IsSystemMemory());
  device_->Record().Enable(true);
  texture.Draw(0, 0, 4, 4, 0xFFFFFFFFu, 0.1f);
  EXPECT_EQ(OnlyDraw().textures.at(0), texture.GetTexture());
  EXPECT_EQ(device_->Record().Count(EventKind::UpdateSurface), 0u);
}

TEST_F(TextureTest, WithoutADeviceLoadsFailAndDrawsDoNothing) {
  const std::string path = WritePng("nodevice.png", 4, 4);
  manager_.reset();
  ASSERT_EQ(g_device, nullptr);
  ZOdevuvTexture texture;
  texture.LoadFromFile(path.c_str());
  EXPECT_EQ(texture.GetTexture(), nullptr);
  EXPECT_EQ(texture.GetFileName(), path);
  EXPECT_FALSE(texture.CreateBlank(4, 4, false));
  for (const DrawKind& kind : kDrawKinds) kind.draw(texture);
}

}  // namespace
