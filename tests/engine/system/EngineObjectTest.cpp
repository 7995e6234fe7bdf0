#include "engine/system/DOradovIruzez.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Texture.h"
#include "platform/os/Path.h"

namespace {

int CountSingletons() {
  const void* slots[] = {g_device, g_assetPaths, g_camera, g_lights,        g_frustum,       g_input,
                         g_music,  g_sound,      g_video,  g_log,           g_particleManager, g_gameObjectList};
  int count = 0;
  for (const void* slot : slots) count += slot ? 1 : 0;
  return count;
}

void ExpectAllSlotsClear() {
  EXPECT_EQ(g_engine, nullptr);
  EXPECT_EQ(CountSingletons(), 0);
  EXPECT_EQ(g_debugFont, nullptr);
  EXPECT_EQ(g_shadowMap, nullptr);
  EXPECT_EQ(g_shadowMapSurface, nullptr);
  EXPECT_EQ(g_shadowDepthSurface, nullptr);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each test runs in a fresh working directory of its own, where the log
// file of the engine ends up.
class EngineObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previous = std::filesystem::current_path();
    m_dir = std::filesystem::temp_directory_path() /
            ("engine-object-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_dir);
    std::filesystem::current_path(m_dir);
    plat::ClearPathCache();
  }
  void TearDown() override {
    std::filesystem::current_path(m_previous);
    plat::ClearPathCache();
    std::filesystem::remove_all(m_dir);
  }

  std::filesystem::path m_previous;
  std::filesystem::path m_dir;
};

}  // namespace

TEST_F(EngineObjectTest, WithoutInstanceElevenSingletonsAndNoInput) {
  auto* engine = new DOradovIruzez();
  EXPECT_EQ(g_engine, engine);
  engine->Init(nullptr, nullptr);
  EXPECT_EQ(CountSingletons(), 11);
  EXPECT_EQ(g_input, nullptr);
  EXPECT_NE(g_device, nullptr);
  EXPECT_NE(g_gameObjectList, nullptr);
  delete engine;
  ExpectAllSlotsClear();
}

TEST_F(EngineObjectTest, WithInstanceTwelveSingletonsAndEveryoneGoes) {
  auto* engine = new DOradovIruzez();
  engine->Init(nullptr, plat::ProcessInstance());
  EXPECT_EQ(CountSingletons(), 12);
  EXPECT_NE(g_input, nullptr);
  EXPECT_EQ(engine->GetInstance(), plat::ProcessInstance());
  engine->InitDevice(800, 600, 32, 0);
  ASSERT_NE(g_device->GetDevice(), nullptr);
  EXPECT_NE(g_debugFont, nullptr);
  EXPECT_NE(g_shadowMapSurface, nullptr);
  delete engine;
  ExpectAllSlotsClear();
}

TEST_F(EngineObjectTest, DeviceResourcesOutliveTheDeletedDevice) {
  auto* engine = new DOradovIruzez();
  engine->Init(nullptr, nullptr);
  engine->InitDevice(800, 600, 32, 0);
  std::weak_ptr<plat::Device> device = g_device->GetSharedDevice();
  // An owner of a device resource that is deleted after the device.
  std::shared_ptr<plat::Texture> kept = g_shadowMap;
  ASSERT_NE(kept, nullptr);
  delete engine;
  EXPECT_TRUE(device.expired());
  ExpectAllSlotsClear();
  EXPECT_EQ(kept->Width(), ZOdevuvDevice::kShadowMapSize);
  EXPECT_NE(kept->GetSurfaceLevel(0), nullptr);
}

TEST_F(EngineObjectTest, InitDeviceWithoutDeviceSingletonDoesNothing) {
  DOradovIruzez engine;
  engine.InitDevice(800, 600, 32, 0);
  EXPECT_EQ(g_debugFont, nullptr);
  EXPECT_EQ(g_shadowMap, nullptr);
}

TEST_F(EngineObjectTest, EndCreatesAnEmptyLogFile) {
  {
    DOradovIruzez engine;
    engine.Init(nullptr, nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "log.txt"));
  }
  ASSERT_TRUE(std::filesystem::exists(m_dir / "log.txt"));
  EXPECT_EQ(std::filesystem::file_size(m_dir / "log.txt"), 0u);
}

TEST_F(EngineObjectTest, EndLeavesAnExistingLogFileUnchanged) {
  const std::string before = "earlier run\nsecond line\n";
  std::ofstream(m_dir / "log.txt", std::ios::binary) << before;
  {
    DOradovIruzez engine;
    engine.Init(nullptr, nullptr);
  }
  EXPECT_EQ(ReadFile(m_dir / "log.txt"), before);
}
