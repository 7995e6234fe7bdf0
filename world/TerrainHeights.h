#pragma once
// How the land's height map becomes heights: the samples (the grey of each
// texel) smoothed in place over 3 by 3 blocks, and a sample's height. The
// terrain object reads the park's height map this way, and the ground
// model of a park must follow the same heights for what stands on the land
// to stand on what is drawn.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace terrain {

// y = sample / 256 x 40 - 20 + 2: a sample of 0 lies at -18, 255 at 21.84375.
constexpr float kSampleScale = 0.00390625f;
constexpr float kHeightRange = 40.0f;
constexpr float kHeightOffset = -20.0f + 2.0f;
// Things stand this far below the interpolated surface.
constexpr float kGroundSink = 0.9f;
constexpr int kSmoothingBlock = 9;

constexpr float SampleHeight(float sample) { return sample * kSampleScale * kHeightRange + kHeightOffset; }

// Rows of `columns` samples; the border keeps its samples. In place, so the
// left and upper neighbours are already smoothed.
inline void SmoothSamples(std::vector<float>& samples, int32_t columns, int32_t rows) {
  for (int32_t r = 1; r + 1 < rows; ++r) {
    for (int32_t c = 1; c + 1 < columns; ++c) {
      float sum = 0.0f;
      for (int32_t dr = -1; dr <= 1; ++dr) {
        for (int32_t dc = -1; dc <= 1; ++dc) sum += samples[size_t(r + dr) * size_t(columns) + size_t(c + dc)];
      }
      samples[size_t(r) * size_t(columns) + size_t(c)] = sum / kSmoothingBlock;
    }
  }
}

}  // namespace terrain
