#include "engine/core/XmlNode.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/MessageBox.h"

namespace {

XmlNode Parse(const std::string& text, const char* tag = nullptr, XmlParseResult* result = nullptr,
              XmlCharset charset = XmlCharset::Utf8) {
  return XmlNode::ParseString(text.c_str(), tag, result, charset);
}

std::string Utf16(const std::u16string& text, bool bigEndian, bool bom) {
  std::string bytes;
  auto put = [&](char16_t u) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    bytes += bigEndian ? hi : lo;
    bytes += bigEndian ? lo : hi;
  };
  if (bom) put(0xFEFF);
  for (char16_t u : text) put(u);
  return bytes;
}

// Files written by a test live in a directory of their own.
class XmlFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() / ("xmltest-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  std::string Write(const char* name, const std::string& bytes) {
    const std::string path = (m_dir / name).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }

  std::filesystem::path m_dir;
};

}  // namespace

TEST(XmlErrorText, NamesEveryCodeAndUnknownOtherwise) {
  EXPECT_STREQ(XmlErrorText(0), "No error");
  EXPECT_STREQ(XmlErrorText(1), "Warning: Unmatched end tag");
  EXPECT_STREQ(XmlErrorText(13), "Error: First Tag not found");
  EXPECT_STREQ(XmlErrorText(14), "Error: Unknown character entity");
  EXPECT_STREQ(XmlErrorText(21), "Error: Base64 decode output buffer is too small");
  EXPECT_STREQ(XmlErrorText(22), "Unknown");
  EXPECT_STREQ(XmlErrorText(-1), "Unknown");
}

TEST(XmlParse, ErrorCodesWithPositions) {
  struct Case {
    const char* text;
    int code, line, column;
  };
  const Case cases[] = {
      {"<a><b/></a>", kXmlNoError, 0, 0},
      {"<>", kXmlMissingStartTagName, 1, 2},
      {"<a></>", kXmlMissingEndTagName, 1, 6},
      {"<a></b>", kXmlUnmatchedEndTag, 1, 4},
      {"</a>", kXmlUnmatchedEndTag, 1, 1},
      {"<a x=></a>", kXmlUnexpectedToken, 1, 6},
      {"<a \"q\"></a>", kXmlUnexpectedToken, 1, 4},
      {"<a>\n  <![CDATA[ open", kXmlUnmatchedClearTagEnd, 2, 3},
      {"<a>\n <b>x &nbsp; y</b></a>", kXmlUnknownCharacterEntity, 2, 7},
      {"<a>&#;</a>", kXmlUnknownCharacterEntity, 1, 4},
      {"<a>&#12a;</a>", kXmlUnknownCharacterEntity, 1, 4},
      {"<a>&#65</a>", kXmlUnknownCharacterEntity, 1, 4},
      {"<a><b>\n</a>", kXmlUnmatchedEndTagWarning, 2, 1},
      {"<a>text", kXmlUnmatchedEndTagWarning, 1, 8},
      {"<a x", kXmlUnmatchedEndTagWarning, 1, 5},
  };
  for (const Case& c : cases) {
    XmlParseResult result;
    const XmlNode node = Parse(c.text, nullptr, &result);
    EXPECT_EQ(result.code, c.code) << c.text;
    if (c.code != kXmlNoError) {
      EXPECT_EQ(result.line, c.line) << c.text;
      EXPECT_EQ(result.column, c.column) << c.text;
    }
    const bool failed = c.code != kXmlNoError && c.code != kXmlUnmatchedEndTagWarning;
    EXPECT_EQ(node.IsEmpty(), failed) << c.text;
  }
}

TEST(XmlParse, NullTextGivesNoElements) {
  XmlParseResult result;
  EXPECT_TRUE(XmlNode::ParseString(nullptr, nullptr, &result).IsEmpty());
  EXPECT_EQ(result.code, kXmlNoElements);
}

TEST(XmlParse, ImplicitCloseKeepsTheInnerElementAndWarns) {
  XmlParseResult result;
  const XmlNode a = Parse("<a><b><c/></a>", nullptr, &result);
  EXPECT_EQ(result.code, kXmlUnmatchedEndTagWarning);
  EXPECT_EQ(result.column, 11);
  ASSERT_STREQ(a.GetName(), "a");
  const XmlNode b = a.GetChildNode("b");
  EXPECT_FALSE(b.IsEmpty());
  EXPECT_FALSE(b.GetChildNode("c").IsEmpty());
}

TEST(XmlParse, EndTagMatchesOnlyAWholeName) {
  XmlParseResult result;
  const XmlNode a = Parse("<a><ab></a></ab>", nullptr, &result);
  EXPECT_EQ(result.code, kXmlUnmatchedEndTag);
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_STREQ(Parse("<Item></ITEM >", nullptr, &result).GetName(), "Item");
  EXPECT_EQ(result.code, kXmlNoError);
}

TEST(XmlParse, AttributesByNameWithoutCaseAndValuelessOnes) {
  const XmlNode n = Parse("<Node Flag Name='one' name=\"two\" Amp=a&amp;b Last/>");
  EXPECT_STREQ(n.GetAttribute("NAME"), "one");
  int index = 0;
  EXPECT_STREQ(n.GetAttribute("name", &index), "one");
  EXPECT_EQ(index, 2);
  EXPECT_STREQ(n.GetAttribute("name", &index), "two");
  EXPECT_EQ(index, 3);
  EXPECT_EQ(n.GetAttribute("name", &index), nullptr);
  EXPECT_EQ(index, 3);
  EXPECT_STREQ(n.GetAttribute("amp"), "a&b");

  // Written without "=": the attribute is there (the index moves past it) but has no value.
  index = 0;
  EXPECT_EQ(n.GetAttribute("flag", &index), nullptr);
  EXPECT_EQ(index, 1);
  index = 0;
  EXPECT_EQ(n.GetAttribute("last", &index), nullptr);
  EXPECT_EQ(index, 5);
  index = 0;
  EXPECT_EQ(n.GetAttribute("absent", &index), nullptr);
  EXPECT_EQ(index, 0);
}

TEST(XmlParse, RunningIndexVisitsChildrenOfOneNameInOrder) {
  const XmlNode root = Parse("<r><item id='1'/><other/><ITEM id='2'/><item id='3'/></r>");
  std::vector<std::string> ids;
  int index = 0;
  for (XmlNode c = root.GetChildNode("item", &index); !c.IsEmpty(); c = root.GetChildNode("item", &index)) {
    ids.push_back(c.GetAttribute("id"));
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(index, 4);
  EXPECT_EQ(root.CountChildNodes("Item"), 3);
  EXPECT_STREQ(root.GetChildNodeAt("item", 2).GetAttribute("id"), "3");
  EXPECT_TRUE(root.GetChildNodeAt("item", 3).IsEmpty());
  EXPECT_STREQ(root.GetChildNodeByIndex(1).GetName(), "other");
  EXPECT_TRUE(root.GetChildNodeByIndex(4).IsEmpty());
  EXPECT_TRUE(root.GetChildNodeByIndex(-1).IsEmpty());
}

TEST(XmlParse, LookupsOnTheEmptyNodeReturnNothing) {
  const XmlNode empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_TRUE(empty.GetChildNode("a").IsEmpty());
  EXPECT_TRUE(empty.GetChildNodeAt("a", 0).IsEmpty());
  EXPECT_EQ(empty.CountChildNodes("a"), 0);
  EXPECT_EQ(empty.GetAttribute("a"), nullptr);
  EXPECT_EQ(empty.GetText(), nullptr);
  EXPECT_EQ(empty.GetName(), nullptr);
}

TEST(XmlParse, TextIsTrimmedDecodedAndSplitByChildren) {
  const XmlNode n = Parse("<t>  one &lt;two&gt; \"q\" = x  <b/>\n three &#x41;&#65; \r\n</t>");
  EXPECT_STREQ(n.GetText(0), "one <two> \"q\" = x");
  EXPECT_STREQ(n.GetText(1), "three AA");
  EXPECT_EQ(n.GetText(2), nullptr);
}

TEST(XmlParse, CharacterReferencesAboveOneByteUseTheCodePage) {
  const XmlNode n = Parse("<t>&#8364;&#x20ac;&#x4E2D;&#233;&#1114112;&#99999999999999999999;</t>");
  EXPECT_STREQ(n.GetText(), "\x80\x80?\xE9??");
}

TEST(XmlParse, ClearTagsKeepTheirContentOutOfTheTree) {
  const XmlNode n = Parse(
      "<r><![CDATA[<not/> & a child]]><!-- <no/> --><pre><b></PRE><script>if (a<b) {}</Script>"
      "<!DOCTYPE x><real/></r>");
  EXPECT_EQ(n.CountChildNodes("not"), 0);
  EXPECT_EQ(n.CountChildNodes("b"), 0);
  EXPECT_EQ(n.CountChildNodes("real"), 1);
  EXPECT_EQ(n.GetText(), nullptr);
}

TEST(XmlParse, DataBeforeAClearIsKeptUndecoded) {
  const XmlNode n = Parse("<r>a &amp; b <!-- c --></r>");
  EXPECT_STREQ(n.GetText(), "a &amp; b");
}

TEST(XmlParse, DeclarationAdoptsTheDocumentAndTheTagIsFoundInside) {
  const std::string doc = "<?xml version=\"1.0\" encoding='utf-8'?>\n<Root><x/></Root>";
  const XmlNode decl = Parse(doc);
  EXPECT_STREQ(decl.GetName(), "xml");
  EXPECT_STREQ(decl.GetAttribute("version"), "1.0");
  EXPECT_STREQ(decl.GetAttribute("encoding"), "utf-8");
  EXPECT_EQ(decl.CountChildNodes("root"), 1);

  XmlParseResult result;
  const XmlNode root = Parse(doc, "ROOT", &result);
  EXPECT_EQ(result.code, kXmlNoError);
  EXPECT_STREQ(root.GetName(), "Root");
  EXPECT_FALSE(root.GetChildNode("x").IsEmpty());

  EXPECT_TRUE(Parse(doc, "x", &result).IsEmpty());  // only the top element's line is searched
  EXPECT_EQ(result.code, kXmlFirstTagNotFound);
}

TEST(XmlParse, DeclarationQuestionMarkIsCut) {
  EXPECT_STREQ(Parse("<?xml a=1?>").GetAttribute("a"), "1");
  EXPECT_STREQ(Parse("<?xml a=\"1\"?>").GetAttribute("a"), "1");
  const XmlNode n = Parse("<?xml b ?>");
  int index = 0;
  EXPECT_EQ(n.GetAttribute("b", &index), nullptr);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(n.GetAttribute("?", &index), nullptr);
  EXPECT_EQ(index, 1);
  EXPECT_STREQ(Parse("<?xml?>").GetName(), "xml");
}

TEST(XmlParse, RootWithSeveralItemsIsTheUnnamedRoot) {
  const XmlNode root = Parse("<a/><b/>");
  EXPECT_EQ(root.GetName(), nullptr);
  EXPECT_EQ(root.CountChildNodes("a"), 1);
  EXPECT_EQ(Parse("text <a/>").GetName(), nullptr);
}

TEST(XmlParse, ChildOutlivesItsDocument) {
  XmlNode child;
  {
    const XmlNode doc = Parse("<r><c k='v'><d/></c></r>");
    child = doc.GetChildNode("c");
    XmlNode copy(doc);
    copy = child;
    const XmlNode& alias = copy;
    copy = alias;  // self-assignment keeps the reference
  }
  EXPECT_STREQ(child.GetAttribute("k"), "v");
  EXPECT_FALSE(child.GetChildNode("d").IsEmpty());
}

TEST(XmlParse, TruncatedMultibyteSequenceStopsAtTheTerminator) {
  // The lead byte promises more bytes than remain before the NUL.
  for (const char* text : {"<a>\xE0", "<a b='\xF0", "<a>\xC3", "<a \xE1", "<a>&amp;\xF4"}) {
    XmlParseResult result;
    Parse(text, nullptr, &result);
    EXPECT_EQ(result.code, kXmlUnmatchedEndTagWarning) << text;
  }
}

TEST(XmlParse, DeepNestingDoesNotExhaustTheStack) {
  std::string text;
  constexpr int kDepth = 200000;
  for (int i = 0; i < kDepth; ++i) text += "<a>";
  for (int i = 0; i < kDepth; ++i) text += "</a>";
  XmlParseResult result;
  const XmlNode n = Parse(text, nullptr, &result);
  EXPECT_EQ(result.code, kXmlNoError);
  EXPECT_STREQ(n.GetName(), "a");
}

TEST(XmlParse, MultibyteCharacterCountsAsOneColumn) {
  XmlParseResult utf8, single;
  const std::string text = "<a>\xC3\xA9\xC3\xA9 &bad;</a>";
  Parse(text, nullptr, &utf8, XmlCharset::Utf8);
  Parse(text, nullptr, &single, XmlCharset::SingleByte);
  EXPECT_EQ(utf8.code, kXmlUnknownCharacterEntity);
  EXPECT_EQ(utf8.column, 7);
  EXPECT_EQ(single.column, 9);
}

TEST(XmlGuessEncoding, Cases) {
  struct Case {
    std::string bytes;
    bool useAttribute;
    bool expected;
  };
  const std::string pad(30, 'x');
  const Case cases[] = {
      {"<a>\xC3\xA9</a>", true, false},  // fewer than 25 bytes
      {"\xEF\xBB\xBF<a>" + pad, true, true},
      {"<a>" + pad + "\xC3\xA9</a>", true, true},
      {"<a>" + pad + "\xE9</a>", true, false},  // a lone Latin-1 byte
      {"<?xml version='1.0' encoding='ISO-8859-1'?><a>\xC3\xA9</a>", true, false},
      {"<?xml version='1.0' encoding='ISO-8859-1'?><a>\xC3\xA9</a>", false, true},
      {"<?xml version='1.0' encoding = \" UTF8\"?><a/>", true, true},
      {"<?xml version='1.0' encoding=\"Utf-8\"?><a/>", true, true},
      {"<?xml version='1.0' encoding?><a/>" + pad, true, true},
      {Utf16(u"<a>abcdefghijklmnopqrstuvwxyz</a>", false, true), true, false},
      {pad + "\xE0\xA0", true, true},  // a sequence cut off by the sample's end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(XmlGuessEncoding(c.bytes.data(), c.bytes.size(), c.useAttribute), c.expected) << c.bytes;
  }
}

TEST_F(XmlFileTest, FileEncodings) {
  const std::u16string doc = u"<Park name=\"Caf\u00e9 \u20ac\"><Ride id=\"\u00fc\"/></Park>";
  struct Case {
    const char* file;
    std::string bytes;
  };
  const Case cases[] = {
      {"le-bom.xml", Utf16(doc, false, true)},
      {"be-bom.xml", Utf16(doc, true, true)},
      {"le.xml", Utf16(doc, false, false)},
      {"cp1252.xml", "<Park name=\"Caf\xE9 \x80\"><Ride id=\"\xFC\"/></Park>"},
  };
  for (const Case& c : cases) {
    XmlParseResult result;
    const XmlNode park = XmlNode::ParseFile(Write(c.file, c.bytes).c_str(), "Park", &result);
    EXPECT_EQ(result.code, kXmlNoError) << c.file;
    EXPECT_STREQ(park.GetAttribute("name"), "Caf\xE9 \x80") << c.file;
    EXPECT_STREQ(park.GetChildNode("ride").GetAttribute("id"), "\xFC") << c.file;
  }
}

TEST_F(XmlFileTest, Utf16FileIsConvertedUpToItsLastCharacter) {
  const XmlNode n = XmlNode::ParseFile(Write("t.xml", Utf16(u"<t>abc\u00e9</t>Z", false, true)).c_str());
  EXPECT_EQ(n.GetName(), nullptr);  // the element and the trailing text
  EXPECT_STREQ(n.GetChildNode("t").GetText(), "abc\xE9");
  EXPECT_STREQ(n.GetText(), "Z");
}

TEST_F(XmlFileTest, Utf8FileWithByteOrderMarkAndDeclaredLatin1File) {
  XmlParseResult result;
  const std::string bom = "\xEF\xBB\xBF<a v='\xC3\xA9'>text text text</a>";
  EXPECT_STREQ(XmlNode::ParseFile(Write("bom.xml", bom).c_str(), "a", &result).GetAttribute("v"), "\xC3\xA9");
  EXPECT_EQ(result.code, kXmlNoError);

  // Declared Latin-1: each byte is a column of its own.
  const std::string latin1 = "<?xml version='1.0' encoding='ISO-8859-1'?>\n<a>\xC3\xA9 &x;</a>";
  XmlNode::ParseFile(Write("latin1.xml", latin1).c_str(), nullptr, &result);
  EXPECT_EQ(result.code, kXmlUnknownCharacterEntity);
  EXPECT_EQ(result.line, 2);
  EXPECT_EQ(result.column, 7);

  const std::string utf8 = "<?xml version='1.0' encoding='UTF8'?>\n<a>\xC3\xA9 &x;</a>";
  XmlNode::ParseFile(Write("utf8.xml", utf8).c_str(), nullptr, &result);
  EXPECT_EQ(result.column, 6);

  // Under 25 bytes: single-byte.
  XmlNode::ParseFile(Write("short.xml", "<a>\xC3\xA9&x;</a>").c_str(), nullptr, &result);
  EXPECT_EQ(result.column, 6);
}

TEST_F(XmlFileTest, MissingAndEmptyFiles) {
  XmlParseResult result;
  EXPECT_TRUE(XmlNode::ParseFile((m_dir / "none.xml").c_str(), nullptr, &result).IsEmpty());
  EXPECT_EQ(result.code, kXmlFileNotFound);
  EXPECT_TRUE(XmlNode::ParseFile(Write("empty.xml", "").c_str(), nullptr, &result).IsEmpty());
  EXPECT_EQ(result.code, kXmlNoData);
}

TEST_F(XmlFileTest, OpenFileHelperReturnsTheTagOfAGoodFile) {
  const std::string path = Write("good.xml", "<?xml version=\"1.0\"?>\n<GUI><DataDictionary/></GUI>");
  const XmlNode gui = XmlNode::OpenFileHelper(path.c_str(), "GUI");
  EXPECT_FALSE(gui.GetChildNode("DataDictionary").IsEmpty());
}

TEST_F(XmlFileTest, OpenFileHelperEndsTheProcessOnAnyProblem) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string warning = Write("warn.xml", "<a>\n<b></a>");
  EXPECT_EXIT(XmlNode::OpenFileHelper(warning.c_str(), "a"), ::testing::ExitedWithCode(255),
              "\\[XML Parsing error\\] XML Parsing error inside file '.*warn.xml'.\nWarning: Unmatched end tag\n"
              "At line 2, column 4.\n");
  const std::string tag = Write("tag.xml", "<?xml version=\"1.0\"?>\n<GUI/>");
  EXPECT_EXIT(XmlNode::OpenFileHelper(tag.c_str(), "Scenario"), ::testing::ExitedWithCode(255),
              "Error: First Tag not found\nAt line 2, column 7.\nFirst Tag should be 'Scenario'.\n");
  EXPECT_EXIT(XmlNode::OpenFileHelper((m_dir / "none.xml").c_str(), "a"), ::testing::ExitedWithCode(255),
              "Error: File not found");
}

TEST_F(XmlFileTest, MessageBoxOfAParseErrorHasTheCaptionAndStyle) {
  const std::string bad = Write("bad.xml", "<a>&nbsp;</a>");
  EXPECT_EXIT(
      {
        plat::ClearMessageBoxes();
        plat::SetMessageBoxPresenter([](const plat::MessageBoxCall& call) {
          std::fprintf(stderr, "caption=%s style=%x\n", call.caption.c_str(), call.style);
          return plat::kIdOk;
        });
        XmlNode::OpenFileHelper(bad.c_str(), "a");
      },
      ::testing::ExitedWithCode(255), "caption=XML Parsing error style=40010");
}

TEST_F(XmlFileTest, TwoThreadsParseDifferentFilesAtOnce) {
  // One file is UTF-8, the other single-byte: each parse must keep its own
  // character length table, which shows in the column of the error.
  const std::string utf8 = Write("u.xml", "<?xml version='1.0' encoding='utf-8'?>\n<a>\xC3\xA9\xC3\xA9 &x;</a>");
  const std::string latin = Write("l.xml", "<?xml version='1.0' encoding='latin1'?>\n<a>\xC3\xA9\xC3\xA9 &x;</a>");
  auto run = [](const std::string& path, int expectedColumn, int& mismatches) {
    for (int i = 0; i < 300; ++i) {
      XmlParseResult result;
      XmlNode::ParseFile(path.c_str(), nullptr, &result);
      if (result.code != kXmlUnknownCharacterEntity || result.column != expectedColumn) ++mismatches;
    }
  };
  int utf8Mismatches = 0, latinMismatches = 0;
  std::thread a(run, std::cref(utf8), 7, std::ref(utf8Mismatches));
  std::thread b(run, std::cref(latin), 9, std::ref(latinMismatches));
  a.join();
  b.join();
  EXPECT_EQ(utf8Mismatches, 0);
  EXPECT_EQ(latinMismatches, 0);
}
