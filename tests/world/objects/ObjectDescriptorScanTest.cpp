#include "world/objects/ObjectDescriptorScan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/platform/os/TempTree.h"

namespace {

TEST(ObjectDescriptorScanTest, FindsLowerCaseXmlNamesInEveryFolderBelow) {
  plat::test::TempTree tree;
  tree.Write("objects/ini/b_stall.xml");
  tree.Write("objects/ini/a_gate.XML");
  tree.Write("objects/ini/notes.txt");
  tree.Write("objects/ini/plainxml");
  tree.Write("objects/ini/rides/carousel.xml");
  tree.Write("objects/ini/rides/deeper/train.xml");
  tree.Write("objects/ini/rides/readme.Xml");
  tree.MakeFolder("objects/ini/empty");
  std::filesystem::create_directory_symlink(tree.Host("objects/ini"), tree.Host("objects/ini/rides/loop"));
  const std::vector<std::string> expected = {
      "objects\\ini\\b_stall.xml",
      "objects\\ini\\plainxml",
      "objects\\ini\\rides\\carousel.xml",
      "objects\\ini\\rides\\deeper\\train.xml",
  };
  EXPECT_EQ(FindObjectDescriptorFiles("objects\\ini"), expected);
  EXPECT_TRUE(FindObjectDescriptorFiles("objects\\missing").empty());
}

}  // namespace
