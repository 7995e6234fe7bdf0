// Reading the build book's file: realm keys, the order of entries, and the
// way texts, numbers and flags are taken.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/XmlNode.h"
#include "screens/REraduzizBuildBookFile.h"

namespace {

buildbook::RealmLists Read(const std::string& xml) {
  buildbook::RealmLists realms;
  buildbook::ReadBook(XmlNode::ParseString(xml.c_str(), buildbook::kRootTag), realms);
  return realms;
}

std::string Field(const std::string& geometry, const std::string& extra = "") {
  return "<DataField><GeometryName>" + geometry + "</GeometryName>" + extra + "</DataField>";
}

std::string Book(const std::string& objects) {
  return "<BookDescriptor><DataDictionary>" + objects + "</DataDictionary></BookDescriptor>";
}

TEST(BuildBookFileTest, EntriesGoToTheirRealmsInFileOrderAndUnknownRealmsAreLeftOut) {
  const buildbook::RealmLists realms = Read(
      Book("<Object id=\"Varnoth_Realm\">" + Field("a") + Field("b") + "</Object>" + "<Object id=\"varnoth_realm\">" +
           Field("wrong case") + "</Object>" + "<Object id=\"Elsewhere\">" + Field("unknown") + "</Object>" +
           "<Object>" + Field("no id") + "</Object>" + "<Object id=\"General_Buildings\">" + Field("g") + "</Object>" +
           "<Object id=\"Varnoth_Realm\">" + Field("c") + "</Object>"));
  ASSERT_EQ(realms[1].size(), 3u);
  EXPECT_EQ(realms[1][0].geometryName, "a");
  EXPECT_EQ(realms[1][1].geometryName, "b");
  EXPECT_EQ(realms[1][2].geometryName, "c");
  ASSERT_EQ(realms[4].size(), 1u);
  EXPECT_EQ(realms[4][0].geometryName, "g");
  EXPECT_TRUE(realms[0].empty() && realms[2].empty() && realms[3].empty());
}

TEST(BuildBookFileTest, AnEmptyDictionaryOrAMissingOneGivesEmptyRealms) {
  for (const std::string& xml :
       {Book(""), std::string("<BookDescriptor></BookDescriptor>"), std::string("<Other><DataDictionary/></Other>")}) {
    const buildbook::RealmLists realms = Read(xml);
    for (const auto& realm : realms) EXPECT_TRUE(realm.empty()) << xml;
  }
}

TEST(BuildBookFileTest, NumbersAreReadAsTheLeadingDecimalAndMissingOnesAreZero) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"1200", 1200}, {"  42abc", 42}, {"-7", -7}, {"abc12", 0}, {"", 0}, {"99999999999", INT32_MAX}};
  for (const auto& c : cases) {
    const std::string field = std::string("<ObjectPrice>") + c.text + "</ObjectPrice><grLevel>" + c.text + "</grLevel>";
    const buildbook::RealmLists realms = Read(Book("<Object id=\"Morwenne_Realm\">" + Field("x", field) + "</Object>"));
    ASSERT_EQ(realms[0].size(), 1u);
    EXPECT_EQ(realms[0][0].price, c.value) << c.text;
    EXPECT_EQ(realms[0][0].grLevel, c.value) << c.text;
    EXPECT_EQ(realms[0][0].capacity, 0);
    EXPECT_EQ(realms[0][0].clLevel, 0);
  }
}

TEST(BuildBookFileTest, FlagsAreSetOnlyByTheExactTextTrue) {
  const struct {
    const char* text;
    uint8_t value;
  } cases[] = {{"true", 1}, {"True", 0}, {"TRUE", 0}, {"true!", 0}, {"1", 0}, {"false", 0}};
  for (const auto& c : cases) {
    const std::string field = std::string("<bAnimated>") + c.text + "</bAnimated><enabled>" + c.text + "</enabled>";
    const buildbook::RealmLists realms = Read(Book("<Object id=\"Quellin_Realm\">" + Field("x", field) + "</Object>"));
    ASSERT_EQ(realms[2].size(), 1u);
    EXPECT_EQ(realms[2][0].animated, c.value) << c.text;
    EXPECT_EQ(realms[2][0].enabled, c.value) << c.text;
  }
}

TEST(BuildBookFileTest, TextsAreTakenAsTheyStandAndTheDescriptionStaysOffThePage) {
  const buildbook::RealmLists realms = Read(
      Book("<Object id=\"Tessavar_Realm\">" +
           Field("Attr_X",
                 "<ObjectName>Big wheel</ObjectName><imgName>wheel</imgName><ShortDesc>HighXXand fast</ShortDesc>") +
           "</Object>"));
  ASSERT_EQ(realms[3].size(), 1u);
  const BookItem& item = realms[3][0];
  EXPECT_EQ(item.objectName, "Big wheel");
  EXPECT_EQ(item.imageName, "wheel");
  EXPECT_EQ(item.description, "");
  EXPECT_EQ(item.shortDescription, "HighXXand fast");
  EXPECT_EQ(item.picture, nullptr);
  EXPECT_EQ(item.built, 0);
}

}  // namespace
