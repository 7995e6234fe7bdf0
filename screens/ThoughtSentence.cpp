#include "screens/ThoughtSentence.h"

#include <vector>

#include "characters/CharacterTexts.h"

namespace {

constexpr int32_t kFirstPrefixedRange = 4;
constexpr int32_t kLastPrefixedRange = 18;
constexpr int32_t kPrefixedAlone = 0;
constexpr const char* kPrefixSeparator = " :: ";

bool HasPrefix(int32_t category) {
  return category == kPrefixedAlone || (category >= kFirstPrefixedRange && category <= kLastPrefixedRange);
}

}  // namespace

EngineString BuildThoughtSentence(const CharacterTexts& texts, int32_t category, int32_t index,
                                  const EngineString& middle, const EngineString& prefix) {
  if (category < 0 || category >= CharacterTexts::kCategoryCount) return EngineString();
  const std::vector<ThoughtSentence>& sentences = texts.GetThoughts(category);
  if (index < 0 || index >= int32_t(sentences.size())) return EngineString();
  const ThoughtSentence& sentence = sentences[size_t(index)];
  const EngineString body = sentence.first + middle + sentence.second;
  return HasPrefix(category) ? prefix + kPrefixSeparator + body : body;
}
