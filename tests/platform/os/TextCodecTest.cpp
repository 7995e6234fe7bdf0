#include "platform/os/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plat {
namespace {

TEST(TextCodecTest, Cp1252AndUtf8ConvertBothWays) {
  const struct {
    const char* cp1252;
    const char* utf8;
  } cases[] = {
      {"Park", "Park"},
      {"\x80", "\xE2\x82\xAC"},          // euro sign
      {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},  // S caron, Y diaeresis
      {"\x91\x94", "\xE2\x80\x98\xE2\x80\x9D"},
      {"\x99", "\xE2\x84\xA2"},
      {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // undefined bytes keep their number
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.cp1252;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
  }
  EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextCodecTest, Utf8WithoutACp1252FormOrMalformedBecomesQuestionMarks) {
  const struct {
    const char* utf8;
    const char* expected;
  } cases[] = {
      {"\xC4\x80", "?"},                 // A macron
      {"\xE6\x97\xA5\xE6\x9C\xAC", "??"},
      {"\xF0\x9F\x98\x80!", "?!"},        // outside the basic plane
      {"\xC2\x80", "?"},                 // a control character the code page has no byte for
      {"\xFF", "?"},
      {"a\xE2\x82", "a??"},              // cut short
      {"\xC0\xAF", "??"},                // overlong
      {"\xED\xA0\x80", "???"},           // surrogate
      {"\xF4\x90\x80\x80", "????"},      // past U+10FFFF
      {"\x80x", "?x"},                   // stray continuation byte
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.expected) << c.utf8;
}

TEST(TextCodecTest, Utf16ToCp1252) {
  const struct {
    std::vector<char16_t> units;
    const char* expected;
  } cases[] = {
      {{u'A', 0x20AC, 0x00E9}, "A\x80\xE9"},
      {{0x0178, 0x2122}, "\x9F\x99"},
      {{0x0100, u'x'}, "?x"},
      {{0xD83D, 0xDE00, u'!'}, "?!"},  // one character from a surrogate pair
      {{0xD800, u'A'}, "?A"},          // lone high surrogate
      {{0xDC00}, "?"},                 // lone low surrogate
      {{u'a', 0xD800}, "a?"},          // high surrogate at the end
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToCp1252(c.units.data(), c.units.size()), c.expected);
  EXPECT_EQ(Utf16ToCp1252(nullptr, 5), "");
}

TEST(TextCodecTest, DetectsUtf16ByMarkOrZeroBytes) {
  const struct {
    std::string bytes;
    Utf16Kind expected;
  } cases[] = {
      {"\xFF\xFE", Utf16Kind::LittleEndian},
      {"\xFE\xFF", Utf16Kind::BigEndian},
      {std::string("<\0?\0x\0m\0l\0", 10), Utf16Kind::LittleEndian},
      {std::string("\0<\0?\0x\0m\0l", 10), Utf16Kind::BigEndian},
      {std::string("A\0B\0", 4), Utf16Kind::LittleEndian},
      {std::string("A\0", 2), Utf16Kind::NotUtf16},  // one unit is too little to tell
      {std::string("A\0B", 3), Utf16Kind::NotUtf16},
      {"<?xml version=\"1.0\"?>", Utf16Kind::NotUtf16},
      {"\xEF\xBB\xBF<?xml?>", Utf16Kind::NotUtf16},
      {std::string(16, '\0'), Utf16Kind::NotUtf16},
      {std::string("ab\0c", 4), Utf16Kind::NotUtf16},
      {"", Utf16Kind::NotUtf16},
      {"\xFF", Utf16Kind::NotUtf16},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectUtf16(c.bytes.data(), c.bytes.size()), c.expected) << ::testing::PrintToString(c.bytes);
  }
  EXPECT_EQ(DetectUtf16(nullptr, 10), Utf16Kind::NotUtf16);
}

}  // namespace
}  // namespace plat
