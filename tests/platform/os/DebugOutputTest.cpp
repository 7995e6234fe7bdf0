#include "platform/os/DebugOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace plat {
namespace {

class DebugOutputTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetDebugOutputSink({});
    unsetenv("HALVENOR_DEBUG_OUTPUT");
  }
  std::string StderrOf(std::string_view text) {
    ::testing::internal::CaptureStderr();
    OutputDebugString(text);
    return ::testing::internal::GetCapturedStderr();
  }
};

TEST_F(DebugOutputTest, SinkReceivesEveryTextUntilRemoved) {
  std::vector<std::string> seen;
  SetDebugOutputSink([&](std::string_view text) { seen.emplace_back(text); });
  OutputDebugString("LoadHeightMap\n");
  OutputDebugString("NO CREATE TEXTURE: x.dds");
  SetDebugOutputSink({});
  OutputDebugString("dropped");
  EXPECT_EQ(seen, (std::vector<std::string>{"LoadHeightMap\n", "NO CREATE TEXTURE: x.dds"}));
}

TEST_F(DebugOutputTest, SinkMayWriteDebugOutputItself) {
  int calls = 0;
  SetDebugOutputSink([&](std::string_view text) {
    if (++calls == 1) OutputDebugString(std::string(text) + " again");
  });
  OutputDebugString("once");
  EXPECT_EQ(calls, 2);
}

TEST_F(DebugOutputTest, StderrOnlyWhenTheVariableIsSet) {
  unsetenv("HALVENOR_DEBUG_OUTPUT");
  EXPECT_EQ(StderrOf("quiet"), "");
  setenv("HALVENOR_DEBUG_OUTPUT", "0", 1);
  EXPECT_EQ(StderrOf("quiet"), "");
  setenv("HALVENOR_DEBUG_OUTPUT", "1", 1);
  EXPECT_EQ(StderrOf("GAMMA: 1.0000 = "), "GAMMA: 1.0000 = ");
}

}  // namespace
}  // namespace plat
