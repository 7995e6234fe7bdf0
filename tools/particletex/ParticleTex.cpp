// particletex <park dir>: draws the demo park's particle sprites: soft round
// dots, a rain streak, a flare and a smoke puff, each white with its shape in
// the alpha (or, in the one BMP, in the brightness).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/PngWriter.h"

namespace {

// Intensity 0..1 of a sprite at (x, y), both -1..1 across the image.
using Shape = std::function<double(double x, double y)>;

double Smooth(double edge0, double edge1, double v) {
  const double t = std::clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

double SoftDot(double x, double y) { return 1.0 - Smooth(0.0, 1.0, std::hypot(x, y)); }

double RainStreak(double x, double y) {
  const double across = 1.0 - Smooth(0.0, 0.18, std::fabs(x));
  const double along = 1.0 - Smooth(0.3, 1.0, std::fabs(y));
  return across * along;
}

double Flare(double x, double y) {
  const double r = std::hypot(x, y);
  const double core = std::exp(-r * r * 40.0);
  const double glow = 0.5 * (1.0 - Smooth(0.0, 1.0, r));
  const double rays =
      0.6 * (std::exp(-std::fabs(x) * 30.0) + std::exp(-std::fabs(y) * 30.0)) * (1.0 - Smooth(0.2, 1.0, r));
  return std::min(1.0, core + glow + rays);
}

// A fixed, repeatable ripple so the puff does not look like a plain dot.
double SmokePuff(double x, double y) {
  const double r = std::hypot(x, y);
  const double ripple =
      0.85 + 0.15 * std::sin(x * 9.0 + std::cos(y * 7.0) * 2.0) * std::cos(y * 11.0 - x * 3.0);
  return (1.0 - Smooth(0.1, 1.0, r)) * ripple;
}

std::vector<double> Draw(int size, const Shape& shape) {
  std::vector<double> pixels(static_cast<size_t>(size) * size);
  for (int row = 0; row < size; ++row) {
    for (int col = 0; col < size; ++col) {
      const double x = (col + 0.5) / size * 2.0 - 1.0;
      const double y = (row + 0.5) / size * 2.0 - 1.0;
      pixels[static_cast<size_t>(row) * size + col] = std::clamp(shape(x, y), 0.0, 1.0);
    }
  }
  return pixels;
}

uint8_t Byte(double v) { return static_cast<uint8_t>(std::lround(v * 255.0)); }

bool WritePng(const std::filesystem::path& path, int size, const Shape& shape) {
  std::vector<uint32_t> argb;
  for (double v : Draw(size, shape)) argb.push_back(uint32_t{Byte(v)} << 24 | 0x00FFFFFFu);
  return plat::WritePngFile(path.string(), size, size, argb.data());
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// 24-bit uncompressed BMP, rows bottom to top, grey = intensity.
bool WriteBmp(const std::filesystem::path& path, int size, const Shape& shape) {
  const std::vector<double> pixels = Draw(size, shape);
  const uint32_t rowBytes = (static_cast<uint32_t>(size) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(size);
  constexpr uint32_t kHeaderBytes = 14 + 40;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, kHeaderBytes + imageBytes);
  Put32(out, 0);
  Put32(out, kHeaderBytes);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(size));
  Put32(out, static_cast<uint32_t>(size));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // uncompressed
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int row = size - 1; row >= 0; --row) {
    const size_t start = out.size();
    for (int col = 0; col < size; ++col) {
      const uint8_t grey = Byte(pixels[static_cast<size_t>(row) * size + col]);
      out.insert(out.end(), {grey, grey, grey});
    }
    out.resize(start + rowBytes, 0);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: particletex <park dir>\n");
    return 2;
  }
  const std::filesystem::path dir = std::filesystem::path(argv[1]) / "images" / "particles";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  const bool ok = WriteBmp(dir / "smoke.bmp", 32, SoftDot) && WritePng(dir / "snow.png", 32, SoftDot) &&
                  WritePng(dir / "esocsepp_001.png", 32, RainStreak) &&
                  WritePng(dir / "flashlight.png", 64, Flare) && WritePng(dir / "smoke.png", 64, SmokePuff);
  if (!ok) {
    std::fprintf(stderr, "particletex: cannot write the sprites into %s\n", dir.string().c_str());
    return 1;
  }
  return 0;
}
