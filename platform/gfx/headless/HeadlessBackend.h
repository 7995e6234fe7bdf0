#pragma once
// The backend without a window or GPU. It keeps counts, clears render
// targets' CPU pixels and copies pixels between surfaces, so that tests can
// see where a clear or a copy went; draws and texts are only counted (the
// device's record holds what they were).
#include <cstdint>

#include "platform/gfx/DeviceBackend.h"

namespace plat {

class HeadlessBackend : public DeviceBackend {
 public:
  std::string_view Name() const override { return "headless"; }

  void Present() override { ++presents_; }
  void Clear(const DeviceState& state, std::uint32_t flags, std::uint32_t color, float z,
             std::uint32_t stencil) override;
  void Draw(const DeviceState&, const DrawParams&) override { ++draws_; }
  void DrawText(const DeviceState&, const TextDraw&) override { ++texts_; }
  void StretchRect(const Surface& source, const Rect* sourceRect, Surface& dest,
                   const Rect* destRect) override;

  std::uint64_t Presents() const { return presents_; }
  std::uint64_t Draws() const { return draws_; }
  std::uint64_t Texts() const { return texts_; }

 private:
  std::uint64_t presents_ = 0;
  std::uint64_t draws_ = 0;
  std::uint64_t texts_ = 0;
};

}  // namespace plat
