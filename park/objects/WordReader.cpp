#include "park/objects/WordReader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

}  // namespace

std::optional<std::string> WordReader::Next() {
  const size_t start = m_text.find_first_not_of(kWhiteSpace, m_at);
  if (start == std::string_view::npos || m_failed) return std::nullopt;
  size_t end = m_text.find_first_of(kWhiteSpace, start);
  if (end == std::string_view::npos) end = m_text.size();
  if (end - start > m_maxWordLength) {
    m_failed = true;
    return std::nullopt;
  }
  m_at = end;
  return std::string(m_text.substr(start, end - start));
}

std::optional<long> WordReader::NextInteger() {
  const std::optional<std::string> word = Next();
  return word ? ParseInteger(*word) : std::nullopt;
}

std::optional<float> WordReader::NextFloat() {
  const std::optional<std::string> word = Next();
  return word ? ParseFloat(*word) : std::nullopt;
}

std::optional<long> ParseInteger(const std::string& word) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(word.c_str(), &end, 10);
  if (end == word.c_str() || *end != '\0' || errno == ERANGE) return std::nullopt;
  return value;
}

std::optional<float> ParseFloat(const std::string& word) {
  char* end = nullptr;
  const float value = std::strtof(word.c_str(), &end);
  if (end == word.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}
