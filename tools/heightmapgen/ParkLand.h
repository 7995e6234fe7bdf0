#pragma once
// The demo park's land shape (ParkLand.cpp).
#include <cstdint>

namespace parkland {

// The height map's side in samples, over the world square -kLandHalf..kLandHalf.
constexpr int kSide = 256;
constexpr double kLandHalf = 512.0;

// The grey (0..255, unrounded) of the land at world x, z.
double GreyAt(double x, double z);
// The height map's sample in column `column` (x = -512 first) and row `row`
// (z = -512 first).
std::uint8_t SampleAt(int column, int row);

}  // namespace parkland
