// Writes the demo GUI's images into the park folder given as the argument:
// flat and gradient panels, button strips of four state cells (normal,
// hover, pressed, disabled), a check box strip of six frames and the
// scroll-bar arrows of four frames side by side.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/PngWriter.h"

namespace {

namespace fs = std::filesystem;

using Shader = std::function<uint32_t(int x, int y)>;

uint32_t Argb(int a, int r, int g, int b) {
  return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

// Blends two colours, t from 0 to 1.
uint32_t Mix(uint32_t from, uint32_t to, float t) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const float a = float((from >> shift) & 0xFF);
    const float b = float((to >> shift) & 0xFF);
    out |= uint32_t(a + (b - a) * t + 0.5f) << shift;
  }
  return out;
}

bool Write(const fs::path& park, const std::string& relative, int width, int height, const Shader& shade) {
  const fs::path path = park / relative;
  fs::create_directories(path.parent_path());
  std::vector<uint32_t> pixels(size_t(width) * size_t(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[size_t(y) * size_t(width) + size_t(x)] = shade(x, y);
  }
  if (plat::WritePngFile(path.string(), width, height, pixels.data())) return true;
  std::fprintf(stderr, "guiimages: cannot write %s\n", path.string().c_str());
  return false;
}

Shader Flat(uint32_t colour) {
  return [colour](int, int) { return colour; };
}

// Top to bottom from one colour to the other, with a one-pixel border.
Shader Panel(int width, int height, uint32_t top, uint32_t bottom, uint32_t border) {
  return [=](int x, int y) {
    if (x == 0 || y == 0 || x == width - 1 || y == height - 1) return border;
    return Mix(top, bottom, float(y) / float(height - 1));
  };
}

// Cells of one size side by side, each shaded by its own panel.
Shader Cells(int cellWidth, const std::vector<Shader>& cells) {
  return [=](int x, int y) { return cells[size_t(x / cellWidth)](x % cellWidth, y); };
}

// A triangle pointing up or down in a square cell of that colour.
Shader Arrow(int size, bool up, uint32_t background, uint32_t arrow) {
  return [=](int x, int y) {
    const int row = up ? y : size - 1 - y;
    const int half = (row - size / 4) / 2 + 1;
    const bool inside = row >= size / 4 && row < size * 3 / 4 && std::abs(x - size / 2) < half;
    return inside ? arrow : background;
  };
}

std::vector<Shader> ButtonStates(int width, int height) {
  return {Panel(width, height, Argb(255, 70, 130, 90), Argb(255, 40, 90, 60), Argb(255, 20, 50, 30)),
          Panel(width, height, Argb(255, 100, 170, 120), Argb(255, 60, 120, 80), Argb(255, 230, 230, 180)),
          Panel(width, height, Argb(255, 30, 70, 45), Argb(255, 60, 110, 75), Argb(255, 20, 50, 30)),
          Panel(width, height, Argb(255, 120, 120, 120), Argb(255, 90, 90, 90), Argb(255, 60, 60, 60))};
}

// Frames: unchecked, checked, hover unchecked, hover checked, locked
// unchecked, locked checked.
Shader CheckFrames(int size) {
  return [=](int x, int y) {
    const int frame = x / size;
    const int cx = x % size;
    const bool border = cx == 0 || y == 0 || cx == size - 1 || y == size - 1;
    const bool checked = frame % 2 == 1;
    const bool mark = checked && cx > 3 && cx < size - 4 && y > 3 && y < size - 4;
    const uint32_t box = frame >= 4   ? Argb(255, 150, 150, 150)
                         : frame >= 2 ? Argb(255, 255, 255, 210)
                                      : Argb(255, 240, 240, 240);
    if (border) return Argb(255, 30, 50, 30);
    return mark ? Argb(255, 30, 110, 50) : box;
  };
}

}  // namespace

// A round badge on a clear ground: a disc with a darker rim.
Shader Badge(int size, uint32_t fill, uint32_t rim) {
  return [=](int x, int y) {
    const float centre = (size - 1) / 2.0f;
    const float distance = std::hypot(x - centre, y - centre);
    if (distance > centre) return Argb(0, 0, 0, 0);
    return distance > centre - 3 ? rim : fill;
  };
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: guiimages <park folder>\n");
    return 2;
  }
  const fs::path park = argv[1];
  const uint32_t light = Argb(255, 235, 240, 225);
  const uint32_t dark = Argb(255, 25, 45, 30);
  constexpr int kArrow = 17;
  bool ok = true;
  ok &= Write(park, "images/WinObjects/WINDOW/winBORDER_1x1.png", 1, 1, Flat(Argb(255, 20, 40, 25)));
  ok &= Write(park, "images/WinObjects/1x1/BG_GridLight.png", 1, 1, Flat(Argb(255, 245, 248, 240)));
  ok &= Write(park, "images/GuiImages/alphaPX.png", 1, 1, Flat(Argb(110, 0, 0, 0)));
  const std::vector<Shader> up = {Arrow(kArrow, true, light, dark), Arrow(kArrow, true, Argb(255, 255, 255, 200), dark),
                                  Arrow(kArrow, true, Argb(255, 180, 200, 170), dark),
                                  Arrow(kArrow, true, Argb(255, 150, 150, 150), Argb(255, 90, 90, 90))};
  const std::vector<Shader> down = {Arrow(kArrow, false, light, dark),
                                    Arrow(kArrow, false, Argb(255, 255, 255, 200), dark),
                                    Arrow(kArrow, false, Argb(255, 180, 200, 170), dark),
                                    Arrow(kArrow, false, Argb(255, 150, 150, 150), Argb(255, 90, 90, 90))};
  ok &= Write(park, "images/GuiImages/SCROLL/arrow_up_50x17.png", 4 * kArrow, kArrow, Cells(kArrow, up));
  ok &= Write(park, "images/GuiImages/SCROLL/arrow_dwn_50x17.png", 4 * kArrow, kArrow, Cells(kArrow, down));
  ok &= Write(park, "images/GuiImages/SCROLL/12px.png", kArrow, 12,
              Panel(kArrow, 12, Argb(255, 120, 170, 120), Argb(255, 70, 120, 80), dark));
  ok &= Write(park, "images/GuiImages/demo/hud.png", 64, 32,
              Panel(64, 32, Argb(220, 40, 90, 55), Argb(220, 20, 55, 35), Argb(255, 15, 35, 20)));
  ok &= Write(park, "images/GuiImages/demo/panel.png", 64, 64,
              Panel(64, 64, Argb(230, 60, 110, 75), Argb(230, 30, 70, 45), dark));
  ok &= Write(park, "images/GuiImages/demo/page.png", 64, 64,
              Panel(64, 64, Argb(240, 240, 244, 232), Argb(240, 210, 222, 200), dark));
  const std::vector<Shader> title = {Panel(32, 24, Argb(255, 50, 100, 140), Argb(255, 30, 60, 100), dark),
                                     Panel(32, 24, Argb(255, 110, 110, 110), Argb(255, 80, 80, 80), dark)};
  ok &= Write(park, "images/GuiImages/demo/titlebar.png", 64, 24, Cells(32, title));
  ok &= Write(park, "images/GuiImages/demo/button.png", 4 * 120, 28, Cells(120, ButtonStates(120, 28)));
  ok &= Write(park, "images/GuiImages/demo/check.png", 6 * 16, 16, CheckFrames(16));
  ok &= Write(park, "images/GuiImages/demo/row.png", 4 * 64, 16, Cells(64, ButtonStates(64, 16)));
  // Light cells: the list's background, header and row highlight in one.
  const std::vector<Shader> list = {Panel(64, 16, Argb(255, 250, 252, 246), Argb(255, 236, 242, 230), light),
                                    Panel(64, 16, Argb(255, 214, 236, 200), Argb(255, 190, 220, 180), light),
                                    Panel(64, 16, Argb(255, 190, 220, 180), Argb(255, 214, 236, 200), light),
                                    Panel(64, 16, Argb(255, 200, 200, 200), Argb(255, 180, 180, 180), light)};
  ok &= Write(park, "images/GuiImages/demo/list.png", 4 * 64, 16, Cells(64, list));
  ok &= Write(park, "images/GuiImages/demo/header.png", 64, 20,
              Panel(64, 20, Argb(255, 70, 130, 90), Argb(255, 40, 90, 60), dark));
  const auto field = [&](int width, int height) {
    return Panel(width, height, Argb(255, 255, 255, 255), Argb(255, 235, 235, 235), dark);
  };
  ok &= Write(park, "images/GuiImages/demo/field.png", 32, 20, field(32, 20));
  // A field for long texts, large enough that stretched over a text box its
  // border stays thin and leaves the first line in view.
  ok &= Write(park, "images/GuiImages/demo/textbox.png", 256, 256, field(256, 256));
  // The game's own panels: the status strip, the message box, picture
  // frames and the gauge of a bar.
  ok &= Write(park, "images/GuiImages/demo/status.png", 64, 68,
              Panel(64, 68, Argb(235, 246, 240, 214), Argb(235, 222, 210, 170), dark));
  ok &= Write(park, "images/GuiImages/demo/message.png", 64, 64,
              Panel(64, 64, Argb(245, 255, 250, 230), Argb(245, 240, 226, 190), Argb(255, 120, 70, 20)));
  ok &= Write(park, "images/GuiImages/demo/picture.png", 64, 64,
              Panel(64, 64, Argb(255, 170, 205, 235), Argb(255, 120, 170, 110), dark));
  ok &= Write(park, "images/GuiImages/demo/gauge.png", 64, 16,
              Panel(64, 16, Argb(255, 120, 200, 90), Argb(255, 60, 140, 50), dark));
  // The upgrade levels of an attraction: bronze, silver, gold.
  const uint32_t badges[][2] = {{Argb(255, 205, 127, 50), Argb(255, 120, 70, 25)},
                                {Argb(255, 200, 200, 210), Argb(255, 110, 110, 120)},
                                {Argb(255, 250, 205, 40), Argb(255, 150, 110, 10)}};
  for (int level = 1; level <= 3; ++level) {
    ok &= Write(park, "images/GuiImages/ATTR/ATTR_level_" + std::to_string(level) + ".png", 32, 32,
                Badge(32, badges[level - 1][0], badges[level - 1][1]));
  }
  return ok ? 0 : 1;
}
