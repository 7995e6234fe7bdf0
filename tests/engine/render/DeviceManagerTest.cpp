#include "engine/render/ZOdevuvDevice.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "engine/core/Globals.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/headless/HeadlessBackend.h"
#include "platform/os/DebugOutput.h"

namespace {

// A device manager in the slot, as the engine object makes it; the slots
// it fills are cleared again afterwards.
class DeviceManagerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    m_manager.reset();
    g_shadowMapSurface.reset();
    g_shadowDepthSurface.reset();
    plat::SetDebugOutputSink({});
  }

  ZOdevuvDevice& Manager() { return *m_manager; }
  plat::Device& Device() { return *m_manager->GetDevice(); }

  std::unique_ptr<ZOdevuvDevice> m_manager = std::make_unique<ZOdevuvDevice>(nullptr);
};

// An effect file of the project's format with one technique of that name.
std::string EffectText(const std::string& technique) {
  return "float4x4 WorldViewProj;\n"
         "texture DiffuseMap;\n"
         "vertexshader VS <<<\n#version 330\nvoid main() {}\n>>>\n"
         "fragmentshader FS <<<\n#version 330\nvoid main() {}\n>>>\n"
         "technique " + technique + " {\n"
         "  pass P0 {\n    ZEnable = true;\n    VertexShader = VS;\n    FragmentShader = FS;\n  }\n"
         "}\n";
}

// Effect files written by a test live in a directory of their own.
class EffectCacheTest : public DeviceManagerTest {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() /
            ("effect-cache-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_dir);
    Manager().InitEngineDevice(800, 600, 32, 0, 1);
  }
  void TearDown() override {
    DeviceManagerTest::TearDown();
    std::filesystem::remove_all(m_dir);
  }

  EngineString Write(const char* name, const std::string& text) {
    const std::string path = (m_dir / name).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return EngineString(path.c_str());
  }

  std::filesystem::path m_dir;
};

std::shared_ptr<plat::Font> MakeFont(plat::Device& device, int weight) {
  plat::FontDesc desc;
  desc.height = 12;
  desc.weight = weight;
  return plat::CreateFont(device.shared_from_this(), desc);
}

}  // namespace

TEST_F(DeviceManagerTest, ConstructorFillsTheDeviceSlotAndDestructorClearsIt) {
  EXPECT_EQ(g_device, m_manager.get());
  EXPECT_EQ(Manager().GetBits(), 32);
  EXPECT_FLOAT_EQ(Manager().GetMipLodBias(), -4.8f);
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  m_manager.reset();
  EXPECT_EQ(g_device, nullptr);
  EXPECT_EQ(g_debugFont, nullptr);
  EXPECT_EQ(g_shadowMap, nullptr);
}

TEST_F(DeviceManagerTest, BackBufferFormatFollowsTheColourDepth) {
  struct Case {
    int bits;
    plat::Format format;
  };
  const Case cases[] = {
      {16, plat::Format::R5G6B5},
      {24, plat::Format::X8R8G8B8},
      {32, plat::Format::A8R8G8B8},
      {8, plat::Format::A8R8G8B8},
  };
  for (const Case& c : cases) {
    for (int windowed : {0, 1}) {
      m_manager = std::make_unique<ZOdevuvDevice>(nullptr);
      Manager().InitEngineDevice(1024, 768, c.bits, windowed, 1);
      ASSERT_NE(Manager().GetDevice(), nullptr);
      EXPECT_EQ(Device().BackBufferFormat(), c.format) << c.bits << " bits, windowed " << windowed;
      EXPECT_EQ(Manager().GetWidth(), 1024);
      EXPECT_EQ(Manager().GetHeight(), 768);
      EXPECT_EQ(Manager().GetPresentParameters().windowed, windowed != 0);
      // Only a full-screen device keeps its colour depth; only a windowed one its back buffer.
      EXPECT_EQ(Manager().GetBits(), windowed ? 32 : c.bits);
      EXPECT_EQ(Manager().GetBackBuffer() != nullptr, windowed != 0);
    }
  }
}

TEST_F(DeviceManagerTest, DeviceSetUpMakesDebugFontShadowMapAndDepthSurface) {
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  ASSERT_NE(g_debugFont, nullptr);
  EXPECT_EQ(g_debugFont->Desc().height, 12);  // 9 points at 96 pixels per inch
  EXPECT_EQ(g_debugFont->Desc().weight, 700);
  EXPECT_EQ(g_debugFont->Desc().face, "Arial");
  EXPECT_FALSE(g_debugFont->Desc().italic);

  ASSERT_NE(g_shadowMap, nullptr);
  EXPECT_EQ(g_shadowMap->Width(), 512);
  EXPECT_EQ(g_shadowMap->Height(), 512);
  EXPECT_EQ(g_shadowMap->LevelCount(), 1u);
  EXPECT_EQ(g_shadowMap->GetFormat(), plat::Format::R32F);
  EXPECT_EQ(g_shadowMap->Usage(), plat::Usage::RenderTarget);
  EXPECT_EQ(g_shadowMap->GetPool(), plat::Pool::Default);
  EXPECT_EQ(g_shadowMapSurface, g_shadowMap->GetSurfaceLevel(0));

  // Filled with the texel-centre u (the only channel of the format).
  std::vector<float> row;
  ASSERT_TRUE(g_shadowMap->ReadLevel(0, [&](const plat::ImageLevel& level) {
    const auto* texels = reinterpret_cast<const float*>(level.bytes.data() + 3 * level.pitch);
    row.assign(texels, texels + level.width);
  }));
  ASSERT_EQ(row.size(), 512u);
  EXPECT_FLOAT_EQ(row[0], 0.5f / 512);
  EXPECT_FLOAT_EQ(row[255], 255.5f / 512);
  EXPECT_FLOAT_EQ(row[511], 511.5f / 512);

  ASSERT_NE(g_shadowDepthSurface, nullptr);
  EXPECT_EQ(g_shadowDepthSurface->Desc().width, 512);
  EXPECT_EQ(g_shadowDepthSurface->Desc().height, 512);
  EXPECT_EQ(g_shadowDepthSurface->Desc().format, plat::Format::D24S8);
}

TEST_F(DeviceManagerTest, FailedDeviceSkipsTheResourcesTiedToIt) {
  for (int windowed : {0, 1}) {
    m_manager = std::make_unique<ZOdevuvDevice>(nullptr);
    std::string debugText;
    plat::SetDebugOutputSink([&](std::string_view text) { debugText += text; });
    ::testing::internal::CaptureStdout();
    Manager().InitEngineDevice(0, 0, 32, windowed, 1);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, windowed ? "Could not create IDirect3DDevice9\n" : "");
    EXPECT_NE(debugText.find("[ZOdevuvDevice::CreateDevice]"), std::string::npos);
    EXPECT_EQ(Manager().GetDevice(), nullptr);
    EXPECT_EQ(g_debugFont, nullptr);
    EXPECT_EQ(g_shadowMap, nullptr);
    EXPECT_EQ(g_shadowMapSurface, nullptr);
    EXPECT_EQ(g_shadowDepthSurface, nullptr);
    // Everything else still answers without a device.
    Manager().Present();
    Manager().DrawDebugText(1, 2, 0xFFFFFFFF, "x");
    Manager().LoadEffect("Default", "default.fx", 0);
    EXPECT_EQ(Manager().GetEffect("Default"), nullptr);
  }
}

TEST_F(DeviceManagerTest, AdapterWithoutVertexProcessingGetsSoftwareProcessing) {
  class NoVertexProcessing : public plat::HeadlessBackend {
   public:
    plat::DeviceCaps Caps() const override {
      plat::DeviceCaps caps;
      caps.vertexProcessingCaps = 0;
      return caps;
    }
  };
  const char* headless = std::getenv("HALVENOR_HEADLESS");
  const std::string saved = headless ? headless : "";
  ::setenv("HALVENOR_HEADLESS", "0", 1);
  plat::SetLiveBackendFactory([](const plat::DeviceParams&, std::string&) -> std::unique_ptr<plat::DeviceBackend> {
    return std::make_unique<NoVertexProcessing>();
  });
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  plat::SetLiveBackendFactory({});
  if (headless) {
    ::setenv("HALVENOR_HEADLESS", saved.c_str(), 1);
  } else {
    ::unsetenv("HALVENOR_HEADLESS");
  }
  ASSERT_NE(Manager().GetDevice(), nullptr);
  EXPECT_FALSE(Device().Params().hardwareVertexProcessing);

  m_manager = std::make_unique<ZOdevuvDevice>(nullptr);
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  EXPECT_TRUE(Device().Params().hardwareVertexProcessing);
  m_manager = std::make_unique<ZOdevuvDevice>(nullptr);
  Manager().InitEngineDevice(800, 600, 32, 1, 0);
  EXPECT_FALSE(Device().Params().hardwareVertexProcessing);
}

TEST_F(DeviceManagerTest, PresentAndDebugTextReachTheDevice) {
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  Device().Record().Enable(true);
  ASSERT_TRUE(Device().BeginScene());
  Manager().DrawDebugText(10, 20, 0xFFFFFF00, "fps 60");
  Device().EndScene();
  Manager().Present();
  const std::vector<plat::TextRecord> texts = Device().Record().Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "fps 60");
  EXPECT_EQ(texts[0].rect.left, 10);
  EXPECT_EQ(texts[0].rect.top, 20);
  EXPECT_EQ(texts[0].format, plat::TextFormat::NoClip);
  EXPECT_EQ(texts[0].color, 0xFFFFFF00u);
  EXPECT_EQ(texts[0].weight, 700);
  EXPECT_EQ(Device().Record().Count(plat::EventKind::Present), 1u);
}

TEST_F(DeviceManagerTest, FontCacheRefusesNullFontsAndEmptyFaces) {
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  Manager().AddFont(9, 9, "Arial", nullptr);
  Manager().AddFont(9, 9, "", MakeFont(Device(), 400));
  EXPECT_FALSE(Manager().FindFont(9, 9, "Arial"));
  EXPECT_FALSE(Manager().FindFont(9, 9, ""));
  EXPECT_EQ(Manager().GetFont(9, 9, ""), nullptr);
  EXPECT_EQ(Manager().GetFont(9, 9, "Arial"), nullptr);
}

TEST_F(DeviceManagerTest, FontCacheKeyIsWidthSizeAndFaceOnly) {
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  const auto normal = MakeFont(Device(), 400);
  const auto bold = MakeFont(Device(), 700);
  const auto wide = MakeFont(Device(), 400);
  Manager().AddFont(9, 9, "Arial", normal);
  // Differs only in weight: a second entry under the same key, never found.
  Manager().AddFont(9, 9, "Arial", bold);
  Manager().AddFont(10, 9, "Arial", wide);
  EXPECT_TRUE(Manager().FindFont(9, 9, "Arial"));
  EXPECT_EQ(Manager().GetFont(9, 9, "Arial"), normal);
  EXPECT_EQ(Manager().GetFont(10, 9, "Arial"), wide);
  EXPECT_EQ(Manager().GetFont(9, 10, "Arial"), nullptr);
  EXPECT_EQ(Manager().GetFont(9, 9, "arial"), nullptr);  // faces compare exactly
  EXPECT_FALSE(Manager().FindFont(9, 9, "Malvern"));
}

TEST_F(DeviceManagerTest, FontsAddedFromLoaderThreadsWhileTheWindowThreadReads) {
  Manager().InitEngineDevice(800, 600, 32, 0, 1);
  constexpr int kPerThread = 200;
  auto add = [&](int firstSize) {
    for (int i = 0; i < kPerThread; ++i) Manager().AddFont(0, firstSize + i, "Arial", MakeFont(Device(), 400));
  };
  std::thread a(add, 0);
  std::thread b(add, kPerThread);
  for (int i = 0; i < 2000; ++i) {
    const std::shared_ptr<plat::Font> font = Manager().GetFont(0, i % (2 * kPerThread), "Arial");
    if (font) {
      EXPECT_EQ(font->Desc().face, "Arial");
    }
  }
  a.join();
  b.join();
  for (int size = 0; size < 2 * kPerThread; ++size) EXPECT_TRUE(Manager().FindFont(0, size, "Arial")) << size;
}

TEST_F(EffectCacheTest, LoadedEffectsAreFoundByNameWithTheCommonDeclaration) {
  Manager().LoadEffect("BaseEffects", Write("base.fx", EffectText("Base")), 0);
  Manager().LoadEffect("Water2", Write("water.fx", EffectText("Water")), 0);
  const std::shared_ptr<plat::Effect> base = Manager().GetEffect("BaseEffects");
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(base->CurrentTechnique(), "Base");
  ASSERT_NE(Manager().GetEffect("Water2"), nullptr);
  EXPECT_EQ(Manager().GetEffect("Water2")->CurrentTechnique(), "Water");
  EXPECT_EQ(Manager().GetEffect("Landscape"), nullptr);
  EXPECT_EQ(Manager().GetVertexDeclaration("Landscape"), nullptr);

  using plat::DeclType;
  using plat::DeclUsage;
  const std::vector<plat::VertexElement> expected = {
      {0, 0, DeclType::Float3, DeclUsage::Position, 0},  {0, 12, DeclType::Float3, DeclUsage::Normal, 0},
      {0, 24, DeclType::Float2, DeclUsage::TexCoord, 0}, {0, 32, DeclType::Float2, DeclUsage::TexCoord, 1},
      {0, 40, DeclType::Float3, DeclUsage::Tangent, 0},
  };
  for (const char* name : {"BaseEffects", "Water2"}) {
    const auto declaration = Manager().GetVertexDeclaration(name);
    ASSERT_NE(declaration, nullptr) << name;
    EXPECT_EQ(declaration->Elements(), expected) << name;
    EXPECT_EQ(declaration->StreamSize(0), 52u) << name;
  }
}

TEST_F(EffectCacheTest, TwoEffectsUnderOneNameFindTheFirst) {
  Manager().LoadEffect("Default", Write("first.fx", EffectText("First")), 0);
  Manager().LoadEffect("Default", Write("second.fx", EffectText("Second")), 1);
  ASSERT_NE(Manager().GetEffect("Default"), nullptr);
  EXPECT_EQ(Manager().GetEffect("Default")->CurrentTechnique(), "First");
}

TEST_F(EffectCacheTest, FailedLoadsAddNothingAndAreReported) {
  std::string debugText;
  plat::SetDebugOutputSink([&](std::string_view text) { debugText += text; });
  Manager().LoadEffect("Broken", Write("broken.fx", "float4 Colour;\ntechnique T {\n  pass P { Bogus = 1; }\n}\n"), 0);
  EXPECT_EQ(Manager().GetEffect("Broken"), nullptr);
  EXPECT_NE(debugText.find("line 3"), std::string::npos) << debugText;
  debugText.clear();
  Manager().LoadEffect("Missing", (m_dir / "missing.fx").c_str(), 0);
  EXPECT_EQ(Manager().GetEffect("Missing"), nullptr);
  EXPECT_NE(debugText.find("missing.fx"), std::string::npos) << debugText;
}

TEST(DeviceManagerMaterial, FillMaterialTakesAmbientFirst) {
  const plat::Material m =
      ZOdevuvDevice::FillMaterial(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17);
  EXPECT_EQ(m.ambient.r, 1);
  EXPECT_EQ(m.ambient.a, 4);
  EXPECT_EQ(m.diffuse.r, 5);
  EXPECT_EQ(m.diffuse.a, 8);
  EXPECT_EQ(m.specular.g, 10);
  EXPECT_EQ(m.emissive.b, 15);
  EXPECT_EQ(m.emissive.a, 16);
  EXPECT_EQ(m.power, 17);
}
