#pragma once
// The texts characters are given: the men's, women's and attraction name
// lists, one entry per line of their files, and the thought sentences of the
// thought file, a list of sentence halves per thought category. Visitors
// draw their names, wished attractions and thoughts from here.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/core/EngineString.h"

struct ThoughtSentence {
  EngineString first;   // the text before the thought's subject
  EngineString second;  // the text after it
};

class CharacterTexts {
 public:
  static constexpr int32_t kCategoryCount = 25;
  // The categories that code picks sentences from by number.
  static constexpr int32_t kAttractionCategory = 0;
  static constexpr int32_t kFoodCategory = 1;
  static constexpr int32_t kEnvironmentCategory = 3;
  static constexpr int32_t kSystemCleanCategory = 17;
  static constexpr int32_t kSystemGreenCategory = 18;
  static constexpr int32_t kGarbageCycleCategory = 22;
  static constexpr int32_t kGreenCycleCategory = 23;

  // The thought file's category keys in category order, spelt as the file
  // spells them; they are matched exactly.
  static const std::array<const char*, kCategoryCount>& CategoryKeys();
  // The category of a key, -1 when the key is none of them.
  static int32_t FindCategory(std::string_view key);

  // Reads the three name files below the base folder. A file that cannot be
  // read leaves its list empty and is reported on the debugger output.
  void LoadNames(const EngineString& baseFolder);
  // Replaces the thought lists with the sentences of the file. A file that
  // is missing or does not parse leaves every list empty and is reported.
  void LoadThoughts(const EngineString& path);

  const std::vector<EngineString>& GetManNames() const { return m_manNames; }
  const std::vector<EngineString>& GetWomanNames() const { return m_womanNames; }
  const std::vector<EngineString>& GetAttractionNames() const { return m_attractionNames; }
  // Empty for a category out of range.
  const std::vector<ThoughtSentence>& GetThoughts(int32_t category) const;
  int32_t GetThoughtCount(int32_t category) const { return int32_t(GetThoughts(category).size()); }
  // The sentence's first half, the subject (the first one given, else the
  // second) and its second half; empty for a sentence the file lacks.
  EngineString DescribeThought(int32_t category, int32_t sentence, const EngineString& first,
                               const EngineString& second) const;

 private:
  std::vector<EngineString> m_manNames;
  std::vector<EngineString> m_womanNames;
  std::vector<EngineString> m_attractionNames;
  std::array<std::vector<ThoughtSentence>, kCategoryCount> m_thoughts;
};

// The lines of a text file; false (and no lines) when it cannot be read. A
// line end of carriage return and line feed counts as one, and a line end
// at the very end of the file starts no further line.
bool ReadLines(const EngineString& path, std::vector<EngineString>* lines);
