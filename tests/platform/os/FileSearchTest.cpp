#include "platform/os/FileSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/os/TempTree.h"

namespace plat {
namespace {

class FileSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"game1.pys", "GAME2.PYS", "game10.pys", "notes.txt", "README"})
      tree.Write(std::string("Scenes/Saved/") + name);
    tree.MakeFolder("Scenes/Saved/sub");
  }
  // Names, with "/" after folders.
  static std::string Listing(const std::vector<FoundFile>& found) {
    std::string out;
    for (const FoundFile& f : found) out += f.name + (f.isDirectory ? "/ " : " ");
    return out;
  }
  test::TempTree tree;
};

TEST_F(FileSearchTest, WildcardsMatchWithoutRegardToCase) {
  const struct {
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"\\scenes\\saved\\*.pys", "GAME2.PYS game1.pys game10.pys "},
      {"\\Scenes\\Saved\\game?.pys", "GAME2.PYS game1.pys "},
      {"\\Scenes\\Saved\\*", "./ ../ GAME2.PYS README game1.pys game10.pys notes.txt sub/ "},
      {"\\Scenes\\Saved\\*.*", "./ ../ GAME2.PYS README game1.pys game10.pys notes.txt sub/ "},
      {"\\Scenes\\Saved\\readme.*", "README "},
      {"\\Scenes\\Saved\\n*s.t?t ", "notes.txt "},
      {"\\Scenes\\Saved\\SUB", "sub/ "},
      {"\\Scenes\\*", "./ ../ Saved/ "},
      {"Scenes/Saved/*1*", "game1.pys game10.pys "},
      {"\\Scenes\\Saved\\*.xyz", ""},
      {"\\Scenes\\Saved\\", ""},
      {"\\Scenes\\Missing\\*", ""},
      {"\\Scenes\\Saved\\notes.txt\\*", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Listing(FindFiles(c.pattern)), c.expected) << c.pattern;
}

TEST_F(FileSearchTest, AbsolutePatternAndWorkingDirectory) {
  EXPECT_EQ(Listing(FindFiles(tree.Root() + "\\SCENES\\saved\\*.TXT")), "notes.txt ");
  EXPECT_EQ(Listing(FindFiles("Sc*")), "Scenes/ ");
  EXPECT_EQ(Listing(FindFiles("\\Sc*")), "Scenes/ ");
}

TEST_F(FileSearchTest, ManyStarsAgainstALongNameStayFast) {
  const std::string longName(200, 'a');
  tree.Write("Scenes/" + longName);
  EXPECT_EQ(FindFiles("\\Scenes\\" + std::string(60, '*') + "b").size(), 0u);
  EXPECT_EQ(FindFiles("\\Scenes\\*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a").size(), 1u);
}

}  // namespace
}  // namespace plat
