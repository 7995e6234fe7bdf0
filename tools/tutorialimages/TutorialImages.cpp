// tutorialimages <park dir>: writes the tutorial's page pictures,
// images/GuiImages/TutMode/tutLLPP.png for lesson LL and page PP. Each shows
// a bit of park under a sky, the lesson's subject (a ride, a restaurant, a
// dish, a tree, a park event) and a row of dots with the page's own dot lit.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/gfx/PngWriter.h"

namespace {

namespace fs = std::filesystem;

// The size of the lesson window's picture area.
constexpr int kWidth = 548;
constexpr int kHeight = 250;
constexpr int kHorizon = 170;
constexpr int kLessonCount = 5;
constexpr int kPageCounts[kLessonCount] = {3, 3, 4, 3, 3};
constexpr int kDotRadius = 6;
constexpr int kDotSpacing = 22;
constexpr int kDotY = 230;

constexpr std::uint32_t kSkyTop = 0xFF6FA8DCu;
constexpr std::uint32_t kSkyBottom = 0xFFCFE6F7u;
constexpr std::uint32_t kGrass = 0xFF5E9E3Au;
constexpr std::uint32_t kPath = 0xFFC9B78Fu;
constexpr std::uint32_t kDotOff = 0xFF2E5E1Eu;
constexpr std::uint32_t kDotOn = 0xFFFFD23Fu;
// The subject's colours per lesson: main and second.
constexpr std::uint32_t kSubjectColours[kLessonCount][2] = {{0xFFE04B3Au, 0xFFFFE08Au},
                                                            {0xFFB5652Du, 0xFFF2E3C6u},
                                                            {0xFFFFFFFFu, 0xFFE8A13Au},
                                                            {0xFF2F7D32u, 0xFF6D4C2Fu},
                                                            {0xFFFF8F00u, 0xFF4A148Cu}};

class Picture {
 public:
  Picture() : m_pixels(std::size_t(kWidth) * kHeight) {}
  void Set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < kWidth && y < kHeight) m_pixels[std::size_t(y) * kWidth + x] = colour;
  }
  void Rect(int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) Set(x, y, colour);
    }
  }
  void Disc(int cx, int cy, int radius, std::uint32_t colour) {
    for (int y = cy - radius; y <= cy + radius; ++y) {
      for (int x = cx - radius; x <= cx + radius; ++x) {
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) Set(x, y, colour);
      }
    }
  }
  // A triangle pointing up from its base.
  void Roof(int left, int right, int base, int height, std::uint32_t colour) {
    for (int row = 0; row < height; ++row) {
      const int inset = (right - left) * row / (2 * height);
      for (int x = left + inset; x < right - inset; ++x) Set(x, base - row, colour);
    }
  }
  const std::uint32_t* Data() const { return m_pixels.data(); }

 private:
  std::vector<std::uint32_t> m_pixels;
};

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double t) {
  std::uint32_t out = 0xFF000000u;
  for (int shift : {16, 8, 0}) {
    const double a = double((from >> shift) & 0xFF), b = double((to >> shift) & 0xFF);
    out |= std::uint32_t(std::lround(a + (b - a) * t)) << shift;
  }
  return out;
}

void DrawPark(Picture& picture) {
  for (int y = 0; y < kHorizon; ++y) {
    picture.Rect(0, y, kWidth, y + 1, Mix(kSkyTop, kSkyBottom, double(y) / kHorizon));
  }
  picture.Rect(0, kHorizon, kWidth, kHeight, kGrass);
  picture.Rect(0, kHorizon + 18, kWidth, kHorizon + 34, kPath);
}

// The lesson's subject, a little further along the path on each page.
void DrawSubject(Picture& picture, int lesson, int page) {
  const std::uint32_t main = kSubjectColours[lesson][0];
  const std::uint32_t second = kSubjectColours[lesson][1];
  const int x = 140 + page * 90;
  switch (lesson) {
    case 0:  // a carousel
      picture.Rect(x - 4, 80, x + 4, kHorizon, second);
      picture.Roof(x - 70, x + 70, 90, 40, main);
      picture.Rect(x - 60, 140, x + 60, kHorizon, main);
      break;
    case 1:  // a restaurant
      picture.Rect(x - 60, 100, x + 60, kHorizon, second);
      picture.Roof(x - 75, x + 75, 100, 45, main);
      picture.Rect(x - 14, 130, x + 14, kHorizon, main);
      break;
    case 2:  // a dish on a plate
      picture.Disc(x, 120, 48, main);
      picture.Disc(x, 120, 26, second);
      break;
    case 3:  // a tree
      picture.Rect(x - 8, 110, x + 8, kHorizon, second);
      picture.Disc(x, 95, 42, main);
      break;
    default:  // a park event: a warning sign
      picture.Roof(x - 55, x + 55, 150, 95, main);
      picture.Rect(x - 5, 85, x + 5, 125, second);
      picture.Disc(x, 138, 6, second);
      break;
  }
}

void DrawDots(Picture& picture, int pages, int page) {
  const int first = kWidth / 2 - (pages - 1) * kDotSpacing / 2;
  for (int n = 0; n < pages; ++n) picture.Disc(first + n * kDotSpacing, kDotY, kDotRadius, n == page ? kDotOn : kDotOff);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tutorialimages <park dir>\n");
    return 1;
  }
  const fs::path folder = fs::path(argv[1]) / "images" / "GuiImages" / "TutMode";
  std::error_code error;
  fs::create_directories(folder, error);
  for (int lesson = 0; lesson < kLessonCount; ++lesson) {
    for (int page = 0; page < kPageCounts[lesson]; ++page) {
      Picture picture;
      DrawPark(picture);
      DrawSubject(picture, lesson, page);
      DrawDots(picture, kPageCounts[lesson], page);
      char name[32];
      std::snprintf(name, sizeof name, "tut%02d%02d.png", lesson, page);
      if (!plat::WritePngFile((folder / name).string(), kWidth, kHeight, picture.Data())) {
        std::fprintf(stderr, "tutorialimages: cannot write %s\n", name);
        return 1;
      }
    }
  }
  return 0;
}
