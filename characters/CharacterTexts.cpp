#include "characters/CharacterTexts.h"

#include <string>

#include "engine/core/XmlNode.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"

namespace {

constexpr const char* kManNamesFile = "\\Scenes\\name\\ManName.txt";
constexpr const char* kWomanNamesFile = "\\Scenes\\name\\WomanName.txt";
constexpr const char* kAttractionNamesFile = "\\Scenes\\name\\AttrNames.txt";
constexpr const char* kThoughtRoot = "ThoughtComponents";

void LoadNameList(const EngineString& path, std::vector<EngineString>* list) {
  if (!ReadLines(path, list)) plat::OutputDebugString("name file missing: " + path.Std() + "\n");
}

const char* ValueOf(const XmlNode& sentence, const char* half) {
  const char* value = sentence.GetChildNode(half).GetAttribute("value");
  return value ? value : "";
}

}  // namespace

bool ReadLines(const EngineString& path, std::vector<EngineString>* lines) {
  lines->clear();
  std::string text;
  if (!plat::ReadWholeFile(path.Std(), text)) return false;
  EngineString all(text.c_str());
  *lines = all.Split('\n');
  if (!lines->empty() && lines->back().Std().empty()) lines->pop_back();
  return true;
}

const std::array<const char*, CharacterTexts::kCategoryCount>& CharacterTexts::CategoryKeys() {
  static const std::array<const char*, kCategoryCount> keys = {"Attraction",
                                                               "Food",
                                                               "Shop",
                                                               "Envrioment",
                                                               "Attr_Quillibanter",
                                                               "attr_mossbellow",
                                                               "ATTR_Zelvaro",
                                                               "Attr_Ostrivane",
                                                               "Attr_tobbin",
                                                               "ATTR_Mirtovanza",
                                                               "attr_pemberlot",
                                                               "Attr_yarrowin",
                                                               "ATTR_Graddelmor",
                                                               "ATTR_Quorm",
                                                               "Attr_Plonkett",
                                                               "Attr_silvenbriar",
                                                               "funny",
                                                               "system_clean",
                                                               "system_green",
                                                               "marivelle",
                                                               "tembrisk_c",
                                                               "tembrisk_d",
                                                               "garbage_cycle",
                                                               "green_cycle",
                                                               "event"};
  return keys;
}

int32_t CharacterTexts::FindCategory(std::string_view key) {
  const auto& keys = CategoryKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (key == keys[i]) return int32_t(i);
  }
  return -1;
}

void CharacterTexts::LoadNames(const EngineString& baseFolder) {
  LoadNameList(baseFolder + kManNamesFile, &m_manNames);
  LoadNameList(baseFolder + kWomanNamesFile, &m_womanNames);
  LoadNameList(baseFolder + kAttractionNamesFile, &m_attractionNames);
}

void CharacterTexts::LoadThoughts(const EngineString& path) {
  for (auto& list : m_thoughts) list.clear();
  XmlParseResult result;
  const XmlNode root = XmlNode::ParseFile(path.CStr(), kThoughtRoot, &result);
  // A document the reader had to mend (an unclosed tag, say) is refused too.
  if (root.IsEmpty() || result.code != kXmlNoError) {
    plat::OutputDebugString("thought file not read: " + path.Std() + ": " + XmlErrorText(result.code) + " at line " +
                            std::to_string(result.line) + "\n");
    return;
  }
  const XmlNode components = root.GetChildNode("Components");
  const int thoughts = components.CountChildNodes("THOUGHT");
  for (int t = 0; t < thoughts; ++t) {
    const XmlNode thought = components.GetChildNodeAt("THOUGHT", t);
    const char* id = thought.GetAttribute("id");
    const int32_t category = FindCategory(id ? id : "");
    if (category < 0) continue;
    const int sentences = thought.CountChildNodes("SENTENCE");
    for (int s = 0; s < sentences; ++s) {
      const XmlNode sentence = thought.GetChildNodeAt("SENTENCE", s);
      m_thoughts[std::size_t(category)].push_back({ValueOf(sentence, "FirstHalf"), ValueOf(sentence, "SecondHalf")});
    }
  }
}

const std::vector<ThoughtSentence>& CharacterTexts::GetThoughts(int32_t category) const {
  static const std::vector<ThoughtSentence> kNone;
  if (category < 0 || category >= kCategoryCount) return kNone;
  return m_thoughts[std::size_t(category)];
}

EngineString CharacterTexts::DescribeThought(int32_t category, int32_t sentence, const EngineString& first,
                                             const EngineString& second) const {
  const std::vector<ThoughtSentence>& list = GetThoughts(category);
  if (sentence < 0 || sentence >= int32_t(list.size())) return EngineString();
  const ThoughtSentence& pair = list[std::size_t(sentence)];
  return pair.first + (first.Length() > 0 ? first : second) + pair.second;
}
