#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <thread>

#include "platform/gfx/FontCatalog.h"
#include "platform/gfx/FontRaster.h"

namespace plat {
namespace {

int InkSum(const GlyphBitmap& glyph) {
  return std::accumulate(glyph.coverage.begin(), glyph.coverage.end(), 0);
}

std::shared_ptr<FontRaster> OpenFont(int heightPx, int weight = 400, bool italic = false, int width = 0,
                                     const char* face = "Arial") {
  FontSpec spec;
  spec.face = face;
  spec.heightPx = heightPx;
  spec.width = width;
  spec.weight = weight;
  spec.italic = italic;
  return FontRaster::Open(spec);
}

TEST(FontCatalog, GameFacesAndUnknownNamesFindAnInstalledFile) {
  for (const char* face : {"Arial", "Malvern", "arial", "No Such Face 123", ""}) {
    for (bool italic : {false, true}) {
      std::string file = FindFontFile(face, 700, italic);
      ASSERT_FALSE(file.empty()) << face;
      EXPECT_TRUE(std::filesystem::is_regular_file(file)) << face << " -> " << file;
    }
  }
}

TEST(FontCatalog, BoldAndItalicPickOtherFilesOfTheFamily) {
  std::string regular = FindFontFile("Arial", 400, false);
  EXPECT_NE(FindFontFile("Arial", 700, false), regular);
  EXPECT_NE(FindFontFile("Arial", 400, true), regular);
  EXPECT_EQ(FindFontFile("ARIAL", 400, false), regular);
}

TEST(FontRaster, MetricsFollowThePixelHeight) {
  auto small = OpenFont(12), large = OpenFont(35);
  ASSERT_TRUE(small && large);
  EXPECT_EQ(small->Spec().heightPx, 12);
  EXPECT_GT(small->Ascent(), 0);
  EXPECT_GT(small->Descent(), 0);
  EXPECT_EQ(small->LineHeight(), small->Ascent() + small->Descent());
  // The em size is the requested height; the cell adds the accents and descenders.
  EXPECT_GE(small->LineHeight(), 12);
  EXPECT_LE(small->LineHeight(), 16);
  EXPECT_GE(large->LineHeight(), 35);
  EXPECT_GT(large->MeasureWidth("Park"), 2 * small->MeasureWidth("Park"));
}

TEST(FontRaster, MeasuredWidthGrowsWithTheTextAndSumsAdvances) {
  auto font = OpenFont(12);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->MeasureWidth(""), 0);
  int previous = 0;
  std::string text;
  for (char c : std::string("Halvenor Park!")) {
    text += c;
    int width = font->MeasureWidth(text);
    EXPECT_GE(width, previous) << text;
    previous = width;
  }
  EXPECT_GT(font->MeasureWidth("WWW"), font->MeasureWidth("iii"));
  EXPECT_EQ(font->MeasureWidth("ab"), font->Advance('a') + font->Advance('b'));
}

TEST(FontRaster, BoldAndItalicChangeTheGlyphs) {
  auto regular = OpenFont(20), bold = OpenFont(20, 700), italic = OpenFont(20, 400, true);
  ASSERT_TRUE(regular && bold && italic);
  EXPECT_GT(InkSum(bold->Glyph('H')), InkSum(regular->Glyph('H')));
  EXPECT_NE(bold->MeasureWidth("Hello World"), regular->MeasureWidth("Hello World"));
  GlyphBitmap upright = regular->Glyph('l'), slanted = italic->Glyph('l');
  EXPECT_GT(slanted.width, upright.width);
}

TEST(FontRaster, WidthScalesTheAverageCharacterWidth) {
  auto narrow = OpenFont(35, 400, false, 10), wide = OpenFont(35, 400, false, 20), natural = OpenFont(35);
  ASSERT_TRUE(narrow && wide && natural);
  const std::string sample = "abcdefghijklmnopqrstuvwxyz";
  double ratio = double(wide->MeasureWidth(sample)) / narrow->MeasureWidth(sample);
  EXPECT_NEAR(ratio, 2.0, 0.25);
  EXPECT_LT(narrow->MeasureWidth(sample), natural->MeasureWidth(sample));
  EXPECT_EQ(narrow->LineHeight(), natural->LineHeight());
}

TEST(FontRaster, Windows1252BytesRenderTheirOwnGlyphs) {
  auto font = OpenFont(24);
  ASSERT_TRUE(font);
  GlyphBitmap e = font->Glyph('e'), eAcute = font->Glyph(0xE9);
  ASSERT_GT(eAcute.width, 0);
  ASSERT_GT(eAcute.height, 0);
  EXPECT_EQ(eAcute.coverage.size(), std::size_t(eAcute.width) * eAcute.height);
  EXPECT_GT(eAcute.top, e.top);  // the accent stands above the letter
  EXPECT_GT(InkSum(eAcute), InkSum(e));
  // 0x80 is the euro sign in Windows-1252, not a control character.
  GlyphBitmap euro = font->Glyph(0x80);
  EXPECT_GT(InkSum(euro), 0);
  EXPECT_GT(font->Advance(0x80), 0);
}

TEST(FontRaster, SpaceHasAnAdvanceButNoInk) {
  auto font = OpenFont(16);
  ASSERT_TRUE(font);
  GlyphBitmap space = font->Glyph(' ');
  EXPECT_GT(space.advance, 0);
  EXPECT_EQ(space.advance, font->Advance(' '));
  EXPECT_EQ(InkSum(space), 0);
}

TEST(FontRaster, OutOfRangeSizesAreClampedNotFatal) {
  for (int height : {0, -12, 100000}) {
    auto font = OpenFont(height, 400, false, -3);
    ASSERT_TRUE(font) << height;
    EXPECT_GT(font->Spec().heightPx, 0);
    EXPECT_GE(font->MeasureWidth("x"), 0);
  }
}

TEST(FontRaster, ConcurrentUseGivesTheSameResults) {
  auto font = OpenFont(18, 700, true, 0, "Malvern");
  ASSERT_TRUE(font);
  const std::string text = "Welcome to the park \xE9\xE8\xFC";
  std::vector<int> widths(4, -1), inks(4, -1);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round) {
        widths[std::size_t(t)] = font->MeasureWidth(text);
        int ink = 0;
        for (char c : text) ink += InkSum(font->Glyph(static_cast<unsigned char>(c)));
        inks[std::size_t(t)] = ink;
      }
    });
  }
  for (std::thread& th : threads) th.join();
  for (int t = 1; t < 4; ++t) {
    EXPECT_EQ(widths[std::size_t(t)], widths[0]);
    EXPECT_EQ(inks[std::size_t(t)], inks[0]);
  }
  EXPECT_GT(widths[0], 0);
}

}  // namespace
}  // namespace plat
