#include "engine/core/EngineString.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// The mirrored length and text pointer must follow every change.
void ExpectMirrorsText(const EngineString& s) {
  EXPECT_EQ(s.Length(), static_cast<int32_t>(s.Std().size()));
  EXPECT_EQ(s.CStr(), s.Std().c_str());
}

std::vector<std::string> Texts(const std::vector<EngineString>& pieces) {
  std::vector<std::string> out;
  for (const EngineString& p : pieces) out.push_back(p.Std());
  return out;
}

}  // namespace

TEST(EngineString, NullTextGivesEmptyStringOnConstructionAndAssignment) {
  const char* none = nullptr;
  EngineString constructed(none);
  EXPECT_EQ(constructed.Length(), 0);
  EXPECT_STREQ(constructed.CStr(), "");
  EngineString assigned("abc");
  assigned = none;
  EXPECT_EQ(assigned.Length(), 0);
  EXPECT_STREQ(assigned.CStr(), "");
  ExpectMirrorsText(assigned);
}

TEST(EngineString, MirrorsFollowCopiesMovesAndMutations) {
  EngineString a("a fairly long text that does not fit a small buffer");
  EngineString b(a);
  ExpectMirrorsText(b);
  EXPECT_NE(a.CStr(), b.CStr());
  EngineString c(std::move(b));
  ExpectMirrorsText(c);
  ExpectMirrorsText(b);
  EngineString d;
  d = std::move(c);
  ExpectMirrorsText(d);
  ExpectMirrorsText(c);
  d += 'x';
  d += EngineString(" more");
  ExpectMirrorsText(d);
  EXPECT_EQ(d, "a fairly long text that does not fit a small bufferx more");
  EXPECT_EQ(EngineString("ab") + EngineString('c'), "abc");
  const EngineString& alias = d;
  d = alias;  // self-assignment keeps the text
  EXPECT_EQ(d, "a fairly long text that does not fit a small bufferx more");
}

TEST(EngineString, FindCases) {
  struct Case {
    const char* text;
    const char* search;
    uint32_t start;
    int32_t expected;
  };
  const Case cases[] = {
      {"abcdef", "xyz", 0, -1},  {"abcdef", "", 3, 3},    {"abcdef", "", 6, 6},
      {"abcdef", "", 7, -1},     {"abcdef", "cd", 0, 2},  {"abcdef", "cd", 2, 2},
      {"abcdef", "cd", 3, -1},   {"abcdef", "a", 6, -1},  {"abcdef", "a", 100, -1},
      {"abab", "ab", 1, 2},      {"", "", 0, 0},          {"", "a", 0, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EngineString(c.text).Find(c.search, c.start), c.expected)
        << "\"" << c.text << "\" find \"" << c.search << "\" from " << c.start;
  }
}

TEST(EngineString, MidIsHalfOpenAndClampsToTheText) {
  struct Case {
    uint32_t first, last;
    const char* expected;
  };
  const Case cases[] = {
      {2, 5, "cde"}, {4, 4, ""}, {5, 100, "fg"}, {0, 7, "abcdefg"},
      {7, 9, ""},    {50, 60, ""}, {5, 2, ""},
  };
  const EngineString s("abcdefg");
  for (const Case& c : cases) {
    const EngineString piece = s.Mid(c.first, c.last);
    EXPECT_EQ(piece, c.expected) << "Mid(" << c.first << ", " << c.last << ")";
    ExpectMirrorsText(piece);
  }
}

TEST(EngineString, AtYieldsNulAtAndBeyondTheEnd) {
  const EngineString s("abc");
  EXPECT_EQ(s.At(0), 'a');
  EXPECT_EQ(s.At(2), 'c');
  EXPECT_EQ(s.At(3), '\0');
  EXPECT_EQ(s.At(1000), '\0');
}

TEST(EngineString, TrimCases) {
  struct Case {
    const char* text;
    const char* set;
    const char* expected;
  };
  const Case cases[] = {
      {"\t a b \t", " \t", "a b"}, {"    ", " ", ""},     {"  x  ", "", "  x  "},
      {"", " ", ""},               {"xxaxx", "x", "a"},   {"abc", "\t", "abc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EngineString(c.text).Trim(c.set), c.expected) << "\"" << c.text << "\"";
  }
}

TEST(EngineString, SplitKeepsEmptyPieces) {
  struct Case {
    const char* text;
    char separator;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"a,,b,", ',', {"a", "", "b", ""}},
      {"", ',', {""}},
      {",", ',', {"", ""}},
      {"one", ',', {"one"}},
      {"a\r\nb", '\n', {"a", "b"}},
      {"a\rb", ',', {"a\rb"}},
  };
  for (const Case& c : cases) {
    EngineString s(c.text);
    EXPECT_EQ(Texts(s.Split(c.separator, false)), c.expected) << "\"" << c.text << "\"";
  }
}

TEST(EngineString, SplitAtLineFeedRewritesCarriageReturnsInPlace) {
  EngineString s("a\r\nb");
  s.Split('\n', false);
  EXPECT_EQ(s, "a\nb");
  ExpectMirrorsText(s);
}

TEST(EngineString, ReplaceCases) {
  struct Case {
    const char* text;
    const char* search;
    const char* replacement;
    const char* expected;
  };
  const Case cases[] = {
      {"1XX2XX3", "XX", "\n", "1\n2\n3"},
      {"abb", "ab", "a", "a"},           // inserted text takes part in the next match
      {"aaa", "a", "", ""},
      {"abc", "", "x", "abc"},           // empty search: nothing to do
      {"aXa", "a", "aa", "aaXaa"},       // replacement contains the search: no endless loop
      {"xx", "x", "xx", "xxxx"},
      {"abc", "zz", "q", "abc"},
      {"", "a", "b", ""},
  };
  for (const Case& c : cases) {
    EngineString s(c.text);
    s.Replace(c.search, c.replacement);
    EXPECT_EQ(s, c.expected) << "\"" << c.text << "\": \"" << c.search << "\" -> \"" << c.replacement << "\"";
    ExpectMirrorsText(s);
  }
}

TEST(EngineString, ReplaceCharWithEqualCharactersIsANoOp) {
  EngineString s("a b c");
  s.ReplaceChar(' ', ' ');
  EXPECT_EQ(s, "a b c");
  s.ReplaceChar(' ', '_');
  EXPECT_EQ(s, "a_b_c");
}

TEST(EngineString, EmbeddedNulIsNeitherEqualNorUnequalToItsPrefix) {
  EngineString s("ab cd");
  s.ReplaceChar(' ', '\0');
  EXPECT_EQ(s.Length(), 5);
  EXPECT_FALSE(s == "ab");
  EXPECT_FALSE(s != "ab");
  EXPECT_FALSE(s == EngineString("ab"));
  EXPECT_FALSE(s != EngineString("ab"));
  EXPECT_STREQ(s.CStr(), "ab");
}

TEST(EngineString, ComparisonOfOrdinaryTexts) {
  const EngineString s("abc");
  EXPECT_TRUE(s == "abc");
  EXPECT_FALSE(s == "abcd");
  EXPECT_FALSE(s == "ab");
  EXPECT_TRUE(s != "abd");
  EXPECT_TRUE(s != "ab");
  EXPECT_FALSE(s != "abc");
  EXPECT_TRUE(s != EngineString(""));
  EXPECT_TRUE(EngineString() == EngineString(""));
}

TEST(EngineString, ToIntFollowsStrtolAndClampsTo32Bits) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {" -42x", -42},
      {"abc", 0},
      {"", 0},
      {"+17", 17},
      {"\t 8", 8},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN},
      {"99999999999999999999999", INT32_MAX},
      {"-99999999999999999999999", INT32_MIN},
      {"0x10", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EngineString(c.text).ToInt(), c.expected) << "\"" << c.text << "\"";
  }
}

TEST(EngineString, FormatReplacesTheTextAndTruncatesAt1999Characters) {
  EngineString s("old");
  s.Format("%d-%s-%02d", 7, "x", 3);
  EXPECT_EQ(s, "7-x-03");
  ExpectMirrorsText(s);

  const std::string longText(5000, 'q');
  s.Format("%s", longText.c_str());
  EXPECT_EQ(s.Length(), EngineString::kFormatBufferSize - 1);
  EXPECT_EQ(s.Std(), std::string(1999, 'q'));
  ExpectMirrorsText(s);

  s.Format("%s", "");
  EXPECT_EQ(s.Length(), 0);
}
