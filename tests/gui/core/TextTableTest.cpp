// Reading the language file into the text table, and looking texts up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <string>

#include "gui/core/GuiServices.h"
#include "gui/core/GuiTextTable.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

struct ParseCase {
  const char* what;
  std::string file;
  std::map<int32_t, std::string> texts;
  std::size_t problems;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.what; }

class TextTableParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TextTableParseTest, ReadsPairsOfIdAndWord) {
  const ParseCase& c = GetParam();
  GuiTextTable table;
  EXPECT_EQ(table.Parse(c.file).size(), c.problems) << c.what;
  EXPECT_EQ(table.Size(), c.texts.size()) << c.what;
  for (const auto& [id, text] : c.texts) {
    EXPECT_TRUE(table.Contains(id)) << c.what << ": id " << id;
    EXPECT_EQ(table.Get(id).Std(), text) << c.what << ": id " << id;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextTableParseTest,
    ::testing::Values(
        ParseCase{"underscores become blanks", "100146 Build_a_shop\n", {{100146, "Build a shop"}}, 0},
        ParseCase{"the first text of an id wins", "100146 Build_a_shop\n100146 Other\n",
                  {{100146, "Build a shop"}}, 0},
        ParseCase{"trailing line feeds add no entry for id 0", "5 five\n\n\n", {{5, "five"}}, 0},
        ParseCase{"Windows line ends", "9 nine\r\n10 ten\r\n", {{9, "nine"}, {10, "ten"}}, 0},
        ParseCase{"pairs may share a line", "1 a 2 b", {{1, "a"}, {2, "b"}}, 0},
        ParseCase{"a negative id", "-3 minus", {{-3, "minus"}}, 0},
        ParseCase{"a word where an id belongs is skipped, not filed under 0", "7 two words\n8 eight",
                  {{7, "two"}, {8, "eight"}}, 1},
        ParseCase{"an id without a text", "8", {}, 1},
        ParseCase{"an id beyond 32 bits", "99999999999 x\n4 four", {{4, "four"}}, 2},
        ParseCase{"an empty file", "", {}, 0}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return "Case" + std::to_string(info.index); });

TEST(TextTableTest, AVeryLongWordIsCut) {
  GuiTextTable table;
  table.Parse("1 " + std::string(6000, 'x') + " 2 two");
  EXPECT_EQ(table.Get(1).Length(), int32_t(GuiTextTable::kMaxWordLength));
  EXPECT_EQ(table.Get(2).Std(), "two");
}

TEST(TextTableTest, AMissingIdGivesAnEmptyTextAndIsEntered) {
  guitest::GuiTestKit kit;
  EXPECT_FALSE(kit.Gui().GetTextTable().Contains(42));
  EXPECT_EQ(kit.Gui().GetText(42).Length(), 0);
  EXPECT_TRUE(kit.Gui().GetTextTable().Contains(42));
}

TEST(TextTableTest, TextSettersTakeTheLiteralForIdMinusOne) {
  guitest::GuiTestKit kit;
  kit.Gui().GetTextTable().Parse("5 from_table");
  EXPECT_EQ(GuiTextFor(-1, "literal").Std(), "literal");
  EXPECT_EQ(GuiTextFor(5, "literal").Std(), "from table");
  EXPECT_EQ(GuiTextFor(6, "literal").Std(), "");
}

TEST(TextTableTest, LoadsThroughAGamePathAndIgnoresAMissingFile) {
  namespace fs = std::filesystem;
  guitest::GuiTestKit kit;
  const fs::path dir = fs::temp_directory_path() / ("halvenor_langfile_" + std::to_string(::getpid()));
  fs::create_directories(dir / "GuiFiles");
  std::ofstream(dir / "GuiFiles" / "langFile.gui.nl") << "100187 Park_closed\n";

  kit.Gui().LoadStringTable((dir.string() + "\\guifiles\\missing.gui.nl").c_str());
  EXPECT_EQ(kit.Gui().GetTextTable().Size(), 0u);
  kit.Gui().LoadStringTable((dir.string() + "\\guifiles\\LANGFILE.gui.nl").c_str());
  EXPECT_EQ(kit.Gui().GetText(100187).Std(), "Park closed");
  fs::remove_all(dir);
}

}  // namespace
