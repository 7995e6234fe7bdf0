#pragma once
// A headless device with recording on, for the device tests.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/Device.h"

namespace plat::test {

inline std::shared_ptr<Device> MakeHeadlessDevice(int width = 800, int height = 600,
                                                  int bits = 32) {
  DeviceParams params;
  params.width = width;
  params.height = height;
  params.bits = bits;
  params.backend = BackendChoice::Headless;
  auto device = CreateDevice(params);
  if (device) device->Record().Enable(true);
  return device;
}

// The 28-byte pre-transformed vertex of screen quads (FVF 0x144).
struct ScreenVertex {
  float x, y, z, rhw;
  std::uint32_t color;
  float u, v;
};

class DeviceTest : public ::testing::Test {
 protected:
  std::shared_ptr<Device> device_ = MakeHeadlessDevice();
  Device& dev() { return *device_; }
};

}  // namespace plat::test
