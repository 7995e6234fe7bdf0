#pragma once
// The game's sentence builder for a thought sentence of the character texts:
// the pickers and the visitor panel show its result.
#include <cstdint>

#include "engine/core/EngineString.h"

class CharacterTexts;

// A sentence of the thought sentences: its category and its index there.
struct SentenceChoice {
  int32_t category;
  int32_t index;
};

// Sentence index of the category; empty for a category outside 0..24 or an
// index the category lacks. Categories 0 and 4..18 read prefix + " :: " +
// first part + middle + second part, the others first part + middle +
// second part.
EngineString BuildThoughtSentence(const CharacterTexts& texts, int32_t category, int32_t index,
                                  const EngineString& middle, const EngineString& prefix);
