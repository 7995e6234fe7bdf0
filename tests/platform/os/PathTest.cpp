#include "platform/os/Path.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "tests/platform/os/TempTree.h"

namespace plat {
namespace {

class PathResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Write("GuiFiles/GuiXML.xml", "<gui/>");
    tree.Write("GuiFiles/langFile.gui.nl", "1 hello");
    tree.Write("Shaders/ground_shadow.fx");
    tree.Write("Models/Layer_0.DDS");
    tree.Write("exact/Same.txt", "upper");
    tree.Write("exact/same.txt", "lower");
  }
  test::TempTree tree;
};

struct ResolveCase {
  const char* gamePath;  // relative to the tree unless absolute is set
  bool absolute;         // the tree's root is put in front of gamePath
  const char* expected;  // relative to the tree
};

TEST_F(PathResolverTest, FindsExistingFilesWhateverTheSpelling) {
  const ResolveCase cases[] = {
      {"\\guifiles\\GuiXML.xml", false, "GuiFiles/GuiXML.xml"},
      {"\\GuiFiles\\LANGFILE.GUI.NL", false, "GuiFiles/langFile.gui.nl"},
      {"GuiFiles\\langFile.gui.nl", false, "GuiFiles/langFile.gui.nl"},
      {"shaders/ground_shadow.fx ", false, "Shaders/ground_shadow.fx"},
      {"\\Shaders \\ground_shadow.fx   ", false, "Shaders/ground_shadow.fx"},
      {"\\models\\layer_0.dds", false, "Models/Layer_0.DDS"},
      {"guifiles\\\\/GuiXML.xml", false, "GuiFiles/GuiXML.xml"},
      {"\\exact\\same.txt", false, "exact/same.txt"},
      {"\\exact\\Same.txt", false, "exact/Same.txt"},
      {"\\exact\\SAME.TXT", false, "exact/Same.txt"},
      {"\\guifiles\\GuiXML.xml", true, "GuiFiles/GuiXML.xml"},
      {"/GUIFILES/guixml.XML", true, "GuiFiles/GuiXML.xml"},
      {"\\GUIFILES", false, "GuiFiles"},
  };
  for (const ResolveCase& c : cases) {
    const std::string gamePath = c.absolute ? tree.Root() + c.gamePath : c.gamePath;
    EXPECT_EQ(ResolvePath(gamePath), tree.Host(c.expected)) << gamePath;
    EXPECT_TRUE(FileExists(gamePath)) << gamePath;
  }
}

TEST_F(PathResolverTest, MissReturnsMappedPathSoOpeningFails) {
  const ResolveCase cases[] = {
      {"\\guifiles\\Missing File.txt ", false, "GuiFiles/Missing File.txt"},
      {"\\NoFolder\\Deeper\\x.txt", false, "NoFolder/Deeper/x.txt"},
      {"\\guifiles\\GuiXML.xml\\inside", false, "GuiFiles/GuiXML.xml/inside"},
  };
  for (const ResolveCase& c : cases) {
    EXPECT_EQ(ResolvePath(c.gamePath), tree.Host(c.expected)) << c.gamePath;
    EXPECT_FALSE(FileExists(c.gamePath)) << c.gamePath;
    EXPECT_EQ(OpenFile(c.gamePath, "rb"), nullptr) << c.gamePath;
  }
}

TEST_F(PathResolverTest, FileCreatedAfterAMissIsFound) {
  EXPECT_FALSE(FileExists("\\Scenes\\Saved\\Game1.PYS"));
  tree.Write("scenes/saved/game1.pys", "saved");
  EXPECT_EQ(ResolvePath("\\Scenes\\Saved\\Game1.PYS"), tree.Host("scenes/saved/game1.pys"));
}

TEST_F(PathResolverTest, CachedHitThatWentAwayIsResolvedAgain) {
  ASSERT_EQ(ResolvePath("\\guifiles\\guixml.xml"), tree.Host("GuiFiles/GuiXML.xml"));
  std::filesystem::rename(tree.Host("GuiFiles/GuiXML.xml"), tree.Host("GuiFiles/guiXML.XML"));
  EXPECT_EQ(ResolvePath("\\guifiles\\guixml.xml"), tree.Host("GuiFiles/guiXML.XML"));
  std::filesystem::remove(tree.Host("GuiFiles/guiXML.XML"));
  EXPECT_FALSE(FileExists("\\guifiles\\guixml.xml"));
}

TEST_F(PathResolverTest, WritingCreatesTheNameAsGivenInTheResolvedFolder) {
  std::FILE* file = OpenFile("\\guifiles\\Saved Game.ini ", "wb");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_TRUE(std::filesystem::exists(tree.Host("GuiFiles/Saved Game.ini")));
}

TEST_F(PathResolverTest, ReadWholeFileReadsFilesAndRefusesFoldersAndMisses) {
  std::string content = "stale";
  EXPECT_TRUE(ReadWholeFile("\\GUIFILES\\guixml.xml", content));
  EXPECT_EQ(content, "<gui/>");
  EXPECT_FALSE(ReadWholeFile("\\GuiFiles", content));
  EXPECT_EQ(content, "");
  EXPECT_FALSE(ReadWholeFile("\\GuiFiles\\none.xml", content));
}

TEST_F(PathResolverTest, EmptyPathAndLeadingBackslashNameTheWorkingDirectory) {
  EXPECT_EQ(CurrentDirectory(), tree.Root());
  EXPECT_EQ(ResolvePath(""), tree.Root());
  EXPECT_EQ(ResolvePath("\\"), tree.Root());
  EXPECT_EQ(ResolvePath(CurrentDirectory() + "\\models\\LAYER_0.dds"), tree.Host("Models/Layer_0.DDS"));
}

TEST_F(PathResolverTest, ConcurrentLookUpsAgreeWhileTheCacheIsCleared) {
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        if (t == 0 && i % 10 == 0) ClearPathCache();
        if (ResolvePath("\\guifiles\\LANGFILE.gui.nl") != tree.Host("GuiFiles/langFile.gui.nl")) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace plat
