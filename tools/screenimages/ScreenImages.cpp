// screenimages <park dir>: writes the pictures of the game's own screens:
// the loading screen (a park at dusk behind a framed progress bar), the
// five mouse cursors and the green and red build-base markers.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/gfx/DdsCodec.h"
#include "platform/gfx/Image.h"
#include "platform/gfx/PngWriter.h"
#include "stb_image_write.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kClear = 0x00000000u;
constexpr int kJpegQuality = 90;

struct Picture {
  int width, height;
  std::vector<std::uint32_t> pixels;
  Picture(int w, int h, std::uint32_t fill = kClear) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  std::uint32_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  void Fill(const std::function<std::uint32_t(int, int)>& colour) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) At(x, y) = colour(x, y);
    }
  }
};

std::uint32_t Argb(int a, int r, int g, int b) {
  auto c = [](int v) { return std::uint32_t(std::clamp(v, 0, 255)); };
  return c(a) << 24 | c(r) << 16 | c(g) << 8 | c(b);
}

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double t) {
  auto channel = [&](int shift) {
    const double a = double((from >> shift) & 0xFF), b = double((to >> shift) & 0xFF);
    return int(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
  };
  return Argb(channel(24), channel(16), channel(8), channel(0));
}

bool Ensure(const fs::path& path) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  return true;
}

bool WritePng(const fs::path& path, const Picture& picture) {
  return Ensure(path) && plat::WritePngFile(path.string(), picture.width, picture.height, picture.pixels.data());
}

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(context);
  out->insert(out->end(), static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
}

bool WriteJpeg(const fs::path& path, const Picture& picture) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(picture.pixels.size() * 3);
  for (std::uint32_t p : picture.pixels) {
    rgb.push_back(std::uint8_t(p >> 16));
    rgb.push_back(std::uint8_t(p >> 8));
    rgb.push_back(std::uint8_t(p));
  }
  std::vector<std::uint8_t> bytes;
  if (!stbi_write_jpg_to_func(AppendBytes, &bytes, picture.width, picture.height, 3, rgb.data(), kJpegQuality)) {
    return false;
  }
  Ensure(path);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

bool WriteDds(const fs::path& path, const Picture& picture) {
  plat::Image image;
  image.format = plat::Format::A8R8G8B8;
  image.width = picture.width;
  image.height = picture.height;
  plat::ImageLevel level;
  level.width = picture.width;
  level.height = picture.height;
  level.pitch = picture.width * 4;
  level.bytes.resize(picture.pixels.size() * 4);
  std::memcpy(level.bytes.data(), picture.pixels.data(), level.bytes.size());
  image.levels.push_back(std::move(level));
  std::vector<std::uint8_t> bytes;
  if (!plat::EncodeDds(image, bytes)) return false;
  Ensure(path);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

// The loading screen's background: an evening sky over green hills with a
// big wheel and a striped tent standing on them.
Picture LoadingBackground() {
  constexpr int kWidth = 1024, kHeight = 768;
  Picture picture(kWidth, kHeight);
  const std::uint32_t skyTop = Argb(255, 40, 60, 130), skyLow = Argb(255, 250, 170, 110);
  const std::uint32_t hillNear = Argb(255, 60, 130, 60), hillFar = Argb(255, 90, 150, 90);
  const double wheelX = 760, wheelY = 430, wheelR = 150;
  picture.Fill([&](int x, int y) {
    const double far = 520 + 30 * std::sin(x / 90.0);
    const double near = 590 + 40 * std::sin(x / 140.0 + 1.0);
    if (y > near) return Mix(hillNear, Argb(255, 30, 80, 30), (y - near) / (kHeight - near));
    if (y > far) return hillFar;
    const double dx = x - wheelX, dy = y - wheelY, r = std::sqrt(dx * dx + dy * dy);
    const double angle = std::atan2(dy, dx);
    const bool rim = std::abs(r - wheelR) < 4;
    const bool spoke = r < wheelR && std::abs(std::fmod(angle * 8 / 3.14159265 + 16.0, 1.0) - 0.5) < 0.03 * 150 / std::max(r, 1.0);
    if (rim || spoke) return Argb(255, 240, 240, 250);
    const double tentTop = 430, tentX = 250;
    const double half = (y - tentTop) * 0.9;
    if (y > tentTop && std::abs(x - tentX) < half) return (int(x - tentX + 400) / 24) % 2 ? Argb(255, 220, 40, 40) : Argb(255, 250, 240, 230);
    return Mix(skyTop, skyLow, double(y) / far);
  });
  return picture;
}

// The bar (red), the marker at its start (orange) and the frame around it.
Picture Bar(int width, int height, std::uint32_t light, std::uint32_t dark) {
  Picture picture(width, height);
  picture.Fill([&](int, int y) { return Mix(light, dark, double(y) / (height - 1)); });
  return picture;
}

Picture Frame() {
  constexpr int kWidth = 600, kHeight = 44, kBorder = 4;
  Picture picture(kWidth, kHeight);
  picture.Fill([&](int x, int y) {
    const bool border = x < kBorder || y < kBorder || x >= kWidth - kBorder || y >= kHeight - kBorder;
    return border ? Argb(255, 250, 200, 90) : Argb(160, 20, 20, 40);
  });
  return picture;
}

// A cursor drawn by a test of each pixel: outline dark, inside light.
Picture Cursor(int size, const std::function<bool(double, double)>& inside, std::uint32_t fill) {
  Picture picture(size, size);
  auto at = [&](int x, int y) { return inside((x + 0.5) / size, (y + 0.5) / size); };
  picture.Fill([&](int x, int y) {
    if (!at(x, y)) return kClear;
    const bool edge = !at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1);
    return edge ? Argb(255, 20, 20, 20) : fill;
  });
  return picture;
}

bool Arrow(double u, double v) { return v >= 0 && u >= 0 && u <= v * 0.7 && v < 0.8 && !(v > 0.6 && u > 0.3); }

bool Spade(double u, double v) {
  const bool handle = std::abs(u - v) < 0.06 && u < 0.55;
  const double du = u - 0.7, dv = v - 0.7;
  return handle || du * du + dv * dv < 0.05;
}

bool Magnifier(double u, double v) {
  const double du = u - 0.4, dv = v - 0.4, r = std::sqrt(du * du + dv * dv);
  const bool ring = r > 0.2 && r < 0.3;
  const bool handle = std::abs(u - v) < 0.07 && u > 0.58 && u < 0.95;
  return ring || handle;
}

Picture Marker(std::uint32_t colour) {
  constexpr int kSize = 64, kBorder = 4;
  Picture picture(kSize, kSize);
  picture.Fill([&](int x, int y) {
    const bool border = x < kBorder || y < kBorder || x >= kSize - kBorder || y >= kSize - kBorder;
    return border ? (colour | 0xFF000000u) : ((colour & 0x00FFFFFFu) | 0x60000000u);
  });
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: screenimages <park dir>\n");
    return 2;
  }
  const fs::path park = argv[1];
  const fs::path loading = park / "images/GuiImages/loadingScreen";
  const fs::path icons = park / "images/icons";
  const std::uint32_t white = Argb(255, 250, 250, 250);
  const bool ok = WriteJpeg(loading / "alap.jpg", LoadingBackground()) &&
                  WritePng(loading / "nyil_red.png", Bar(490, 22, Argb(255, 240, 70, 50), Argb(255, 150, 20, 10))) &&
                  WritePng(loading / "nyil_orange.png", Bar(24, 22, Argb(255, 255, 190, 60), Argb(255, 230, 110, 20))) &&
                  WritePng(loading / "nyil_alap.png", Frame()) &&
                  WritePng(icons / "cursor32x32.png", Cursor(32, Arrow, white)) &&
                  WritePng(icons / "aso32x32.png", Cursor(32, Spade, Argb(255, 200, 160, 90))) &&
                  WritePng(icons / "nagyito32x32.png", Cursor(32, Magnifier, white)) &&
                  WriteDds(park / "images/layer/buildbase_zold.dds", Marker(Argb(255, 40, 220, 60))) &&
                  WriteDds(park / "images/layer/buildbase_piros.dds", Marker(Argb(255, 230, 40, 40)));
  if (!ok) std::fprintf(stderr, "screenimages: cannot write into %s\n", park.string().c_str());
  return ok ? 0 : 1;
}
