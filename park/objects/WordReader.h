#pragma once
// Hands out the words of a text one at a time, for the text files of the
// park's objects; none after the end or after a word that is too long.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class WordReader {
 public:
  WordReader(std::string_view text, size_t maxWordLength) : m_text(text), m_maxWordLength(maxWordLength) {}

  std::optional<std::string> Next();
  std::optional<long> NextInteger();
  std::optional<float> NextFloat();

 private:
  std::string_view m_text;
  size_t m_maxWordLength;
  size_t m_at = 0;
  bool m_failed = false;
};

// The whole word as a number, or nothing when any of it is not one.
std::optional<long> ParseInteger(const std::string& word);
std::optional<float> ParseFloat(const std::string& word);
