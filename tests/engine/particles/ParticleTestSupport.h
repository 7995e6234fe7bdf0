#pragma once
// A headless engine device and a particle manager for particle tests, and a
// minimal effect whose particles line up along x.
#include <gtest/gtest.h>

#include <memory>

#include "engine/core/Globals.h"
#include "engine/particles/ZOdevuvParticleManager.h"
#include "engine/particles/ZOdevuvParticleSystem.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/gfx/Device.h"
#include "platform/os/Random.h"

// Particle i starts at (i, 0, 0) with the colour `startColor`.
class LineOfParticles : public ZOdevuvParticleSystem {
 public:
  explicit LineOfParticles(int count, plat::Color color = plat::Color{1, 1, 1, 1}) : startColor(color) {
    AddParticles(count);
  }
  void ResetParticle(ZOdevuvParticle& p) override {
    p.alive = true;
    p.position = plat::Vec3{static_cast<float>(p.index), 0, 0};
    p.color = startColor;
    ++resets;
  }
  void Update(float) override { ++updates; }

  plat::Color startColor;
  int resets = 0;
  int updates = 0;
};

class ParticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = std::make_unique<ZOdevuvDevice>(nullptr);
    device_->InitEngineDevice(640, 480, 32, 1, 1);
    ASSERT_NE(device_->GetDevice(), nullptr);
    manager_ = std::make_unique<ZOdevuvParticleManager>();
    plat::SRand(1);
  }
  void TearDown() override {
    manager_.reset();
    device_.reset();
  }

  plat::Device& Gfx() { return *device_->GetDevice(); }
  plat::DeviceRecord& Record() { return Gfx().Record(); }
  // Inside a scene, where draws count.
  void StartRecording() {
    if (!Gfx().InScene()) Gfx().BeginScene();
    Record().Clear();
    Record().Enable(true);
  }
  ZOdevuvParticleManager& Manager() { return *manager_; }
  static const char* MissingTexture() { return "no\\such\\particle.png"; }

 private:
  std::unique_ptr<ZOdevuvDevice> device_;
  std::unique_ptr<ZOdevuvParticleManager> manager_;
};
