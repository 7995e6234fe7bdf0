// Every effect file of the demo park compiles on the OpenGL device: each
// pass of each technique builds its program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/gfx/Effect.h"
#include "tests/live/gl/LiveDevice.h"

namespace live_test {
namespace {

bool IsEffectFile(const std::filesystem::path& path) {
  std::string name = path.filename().string();
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return name.size() > 3 && name.compare(name.size() - 3, 3, ".fx") == 0;
}

TEST_F(LiveDeviceTest, EveryEffectOfTheDemoParkCompiles) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(HALVENOR_PARK_DIR, error), end; !error && it != end;
       it.increment(error))
    if (it->is_regular_file() && IsEffectFile(it->path())) files.push_back(it->path());
  if (files.empty()) GTEST_SKIP() << "no effect files in " << HALVENOR_PARK_DIR;

  for (const std::filesystem::path& file : files) {
    SCOPED_TRACE(file.string());
    std::string reason;
    auto effect = plat::CreateEffectFromFile(live_, file.string(), &reason);
    ASSERT_NE(effect, nullptr) << reason;
    for (const std::string& technique : effect->TechniqueNames()) {
      ASSERT_TRUE(effect->SetTechnique(technique));
      std::uint32_t passes = 0;
      ASSERT_TRUE(effect->Begin(&passes));
      for (std::uint32_t p = 0; p < passes; ++p) {
        EXPECT_TRUE(effect->BeginPass(p));
        effect->EndPass();
      }
      effect->End();
    }
  }
  for (const std::string& line : debugOutput_) ADD_FAILURE() << line;
}

}  // namespace
}  // namespace live_test
