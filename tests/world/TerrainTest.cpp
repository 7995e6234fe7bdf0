#include "world/CHeightMapHandlerClass.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/Device.h"
#include "platform/math/Math.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"

namespace {

using plat::Vec3;

// y of a vertex from its sample.
float SampleHeight(float sample) { return sample / 256.0f * 40.0f - 18.0f; }
constexpr float kSink = 0.9f;

// Texel (x, y) of the image, B, G, R.
struct Texel {
  uint8_t blue, green, red;
};
using Pattern = std::function<Texel(int x, int y)>;

Pattern Grey(const std::function<int(int x, int y)>& value) {
  return [value](int x, int y) {
    const auto v = static_cast<uint8_t>(value(x, y));
    return Texel{v, v, v};
  };
}

// A headless device and a scratch folder for the images.
class TerrainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("HALVENOR_HEADLESS", "1", 0);
    manager_ = std::make_unique<ZOdevuvDevice>(nullptr);
    manager_->InitEngineDevice(800, 600, 32, 1, 1);
    ASSERT_NE(manager_->GetDevice(), nullptr);
    std::string pattern = (std::filesystem::temp_directory_path() / "halvenor-terrain-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    plat::SetDebugOutputSink([this](std::string_view text) { debugOutput_ += text; });
  }
  void TearDown() override {
    plat::SetDebugOutputSink({});
    terrain_.reset();
    manager_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    plat::ClearPathCache();
  }

  std::string WriteDds(int width, int height, const Pattern& pattern,
                       plat::Format format = plat::Format::A8R8G8B8) {
    plat::Image image;
    image.format = format;
    image.width = width;
    image.height = height;
    plat::ImageLevel level;
    level.width = width;
    level.height = height;
    level.pitch = plat::RowPitch(format, width);
    level.bytes.resize(size_t(level.pitch) * height);
    const int bytesPerTexel = plat::BytesPerPixel(format);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const Texel texel = pattern(x, y);
        uint8_t* out = &level.bytes[size_t(y) * level.pitch + size_t(x) * bytesPerTexel];
        out[0] = texel.blue;
        if (bytesPerTexel < 4) continue;
        out[1] = texel.green;
        out[2] = texel.red;
        out[3] = 255;
      }
    }
    image.levels.push_back(level);
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(plat::EncodeDds(image, bytes));
    const std::string path = folder_ + "/map" + std::to_string(files_++) + ".dds";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
  }

  // Loads and builds the land from an image.
  void Build(int side, const Pattern& pattern) {
    ASSERT_TRUE(terrain_->LoadHeightMap(WriteDds(side, side, pattern).c_str())) << debugOutput_;
    terrain_->Init(folder_.c_str());
  }

  std::unique_ptr<ZOdevuvDevice> manager_;
  std::unique_ptr<CHeightMapHandlerClass> terrain_ = std::make_unique<CHeightMapHandlerClass>();
  std::string folder_;
  std::string debugOutput_;
  int files_ = 0;
};

}  // namespace

TEST_F(TerrainTest, UniformGreyGivesFlatLandFacingUp) {
  Build(16, Grey([](int, int) { return 128; }));
  const float flat = SampleHeight(128);
  EXPECT_FLOAT_EQ(flat, 2.0f);
  for (const Vec3& point : {Vec3{-512, 0, -512}, Vec3{0, 50, 0}, Vec3{511.9f, 0, -300}, Vec3{-77, 0, 499}}) {
    EXPECT_FLOAT_EQ(terrain_->GetHeight(point), flat - kSink) << point.x << "," << point.z;
  }
  for (const CHeightMapHandlerClass::TerrainVertex& vertex : terrain_->GetVertices()) {
    ASSERT_EQ(vertex.normal, (Vec3{0, 1, 0}));
  }
}

TEST_F(TerrainTest, HeightsOffTheLastQuadAreZero) {
  Build(16, Grey([](int, int) { return 200; }));
  for (const Vec3& point : {Vec3{512, 0, 0}, Vec3{0, 0, 512}, Vec3{-512.5f, 0, 0}, Vec3{0, 0, 1e30f},
                            Vec3{std::nanf(""), 0, 0}}) {
    EXPECT_EQ(terrain_->GetHeight(point), 0.0f) << point.x << "," << point.z;
  }
}

TEST_F(TerrainTest, RampIsInterpolatedAndTheImagesLastRowComesFirst) {
  // Brighter to the right along x; brighter towards the image's top, which
  // is the far end of z.
  constexpr int kSide = 64;
  Build(kSide, Grey([](int x, int y) { return 2 * x + (kSide - 1 - y); }));
  for (const Vec3& point : {Vec3{-400, 0, -300}, Vec3{13.7f, 0, 250.2f}, Vec3{480, 0, -511}}) {
    const float fx = (point.x + 512) * (kSide - 1) / 1024, fz = (point.z + 512) * (kSide - 1) / 1024;
    EXPECT_NEAR(terrain_->GetHeight(point), SampleHeight(2 * fx + fz) - kSink, 1e-3f) << point.x << "," << point.z;
  }
  const std::vector<float>& samples = terrain_->GetSamples();
  EXPECT_FLOAT_EQ(samples[0], 0.0f);
  EXPECT_FLOAT_EQ(samples[size_t(kSide - 1) * kSide], float(kSide - 1));
}

TEST_F(TerrainTest, SampleIsTheMeanOfTheColourBytes) {
  Build(4, [](int, int) { return Texel{30, 60, 90}; });
  EXPECT_FLOAT_EQ(terrain_->GetSamples()[5], 60.0f);
}

TEST_F(TerrainTest, SmoothingRunsInPlaceRowByRow) {
  // One bright texel at image (1, 2), which is sample (1, 1).
  Build(4, Grey([](int x, int y) { return x == 1 && y == 2 ? 90 : 0; }));
  const std::vector<float>& s = terrain_->GetSamples();
  const float first = 10.0f, right = first / 9, below = (first + right) / 9, diagonal = (first + right + below) / 9;
  const float expected[16] = {0, 0, 0, 0, 0, first, right, 0, 0, below, diagonal, 0, 0, 0, 0, 0};
  for (int n = 0; n < 16; ++n) EXPECT_NEAR(s[size_t(n)], expected[n], 1e-5f) << n;
}

TEST_F(TerrainTest, PickFindsTheRampUnderTheRay) {
  constexpr int kSide = 64;
  Build(kSide, Grey([](int x, int) { return 4 * x; }));
  const auto rampHeight = [&](float x) { return SampleHeight(4 * (x + 512) * (kSide - 1) / 1024); };
  Vec3 out;
  ASSERT_TRUE(terrain_->Pick(100.3f, 80, 37.6f, 0, -1, 0, out));
  EXPECT_EQ(out, (Vec3{100, std::trunc(rampHeight(100.3f)), 37}));
  // A ray along the ground searches around its origin: it meets the ramp
  // rising in front of it, but not from far away.
  const float level = rampHeight(40.5f);
  ASSERT_TRUE(terrain_->Pick(0, level, 0.3f, 1, 0, 0, out));
  EXPECT_EQ(out, (Vec3{40, std::trunc(level), 0}));
  EXPECT_FALSE(terrain_->Pick(-400, level, 0.3f, 1, 0, 0, out));
  // Up into the sky there is nothing.
  EXPECT_FALSE(terrain_->Pick(0, 50, 0, 0, 1, 0, out));
}

TEST_F(TerrainTest, PickTestsTheLastColumnOfItsWindow) {
  // Flat land at 2.625 over 16-unit quads; the ray meets it 9.5 quads beyond
  // where it crosses y = 0, in the last column of the window.
  constexpr int kSide = 65;
  Build(kSide, Grey([](int, int) { return 132; }));
  const float level = SampleHeight(132), quad = 1024.0f / (kSide - 1);
  const float run = 9.5f * quad / level;
  const Vec3 hit{124.5f, level, 8.5f};
  const Vec3 direction = plat::Vec3Normalized({-run, -1, 0});
  const Vec3 origin = hit - direction * 200.0f;
  Vec3 out;
  ASSERT_TRUE(terrain_->Pick(origin.x, origin.y, origin.z, direction.x, direction.y, direction.z, out));
  EXPECT_EQ(out, (Vec3{124, 2, 8}));
}

TEST_F(TerrainTest, UnusableImagesAreRefusedWithAMessage) {
  struct Case {
    const char* what;
    std::string path;
    const char* message;
  };
  const Pattern grey = Grey([](int, int) { return 100; });
  const Case cases[] = {
      {"missing", folder_ + "/none.dds", "cannot be loaded"},
      {"not square", WriteDds(8, 4, grey), "is not square"},
      {"one texel", WriteDds(1, 1, grey), "is too small"},
      {"8-bit", WriteDds(8, 8, grey, plat::Format::L8), "is not a 32-bit image"},
  };
  for (const Case& c : cases) {
    Build(8, grey);
    debugOutput_.clear();
    EXPECT_FALSE(terrain_->LoadHeightMap(c.path.c_str())) << c.what;
    EXPECT_NE(debugOutput_.find(c.message), std::string::npos) << c.what << ": " << debugOutput_;
    EXPECT_EQ(terrain_->GetColumns(), 0) << c.what;
    EXPECT_EQ(terrain_->GetHeight({0, 0, 0}), 0.0f) << c.what;
    Vec3 out;
    EXPECT_FALSE(terrain_->Pick(0, 50, 0, 0, -1, 0, out)) << c.what;
  }
}

TEST_F(TerrainTest, ASecondLoadReplacesTheFirst) {
  Build(8, Grey([](int, int) { return 100; }));
  Build(2, Grey([](int, int) { return 160; }));
  EXPECT_EQ(terrain_->GetColumns(), 2);
  EXPECT_EQ(terrain_->GetSamples().size(), 4u);
  EXPECT_FLOAT_EQ(terrain_->GetHeight({0, 0, 0}), SampleHeight(160) - kSink);
  terrain_->Release();
  EXPECT_EQ(terrain_->GetHeight({0, 0, 0}), 0.0f);
}

TEST_F(TerrainTest, DemoParkLandIsLevelAtTheEntranceWithAPondBelowTheWater) {
  // The game reads it by its game path from the park folder.
  const std::filesystem::path before = std::filesystem::current_path();
  ASSERT_EQ(chdir(HALVENOR_PARK_DIR), 0);
  const bool loaded = terrain_->LoadHeightMap(CHeightMapHandlerClass::kHeightMapFile);
  std::filesystem::current_path(before);
  ASSERT_TRUE(loaded) << debugOutput_;
  terrain_->Init(HALVENOR_PARK_DIR);
  EXPECT_EQ(terrain_->GetColumns(), 256);
  constexpr float kLevelGround = 1.1f;
  constexpr float kWaterLevel = -0.5f;
  for (float x = -96; x <= 96; x += 8) {
    for (float z = -240; z <= -112; z += 8) {
      ASSERT_NEAR(terrain_->GetHeight({x, 0, z}), kLevelGround, 1e-4f) << x << "," << z;
    }
  }
  EXPECT_LT(terrain_->GetHeight({150, 0, 140}), kWaterLevel - 2);
  // Dry land everywhere else on the cell grid, hills round it.
  int wet = 0;
  for (float x = -252; x <= 252; x += 8) {
    for (float z = -252; z <= 252; z += 8) {
      if (terrain_->GetHeight({x, 0, z}) < kWaterLevel) {
        ++wet;
        EXPECT_LT(std::hypot(x - 150, z - 140), 90) << x << "," << z;
      }
    }
  }
  EXPECT_GT(wet, 0);
  EXPECT_GT(terrain_->GetHeight({0, 0, 480}), kLevelGround + 4);
  EXPECT_GT(terrain_->GetHeight({-480, 0, 0}), kLevelGround + 4);
}
