#include "park/objects/RidePathFile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace ridepath {
namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

// Hands out the words of a text one at a time; none after the end or after
// a word that is too long.
class WordReader {
 public:
  explicit WordReader(std::string_view text) : m_text(text) {}

  std::optional<std::string> Next() {
    const size_t start = m_text.find_first_not_of(kWhiteSpace, m_at);
    if (start == std::string_view::npos || m_failed) return std::nullopt;
    size_t end = m_text.find_first_of(kWhiteSpace, start);
    if (end == std::string_view::npos) end = m_text.size();
    if (end - start > kMaxWordLength) {
      m_failed = true;
      return std::nullopt;
    }
    m_at = end;
    return std::string(m_text.substr(start, end - start));
  }

  std::optional<long> NextInteger() {
    const std::optional<std::string> word = Next();
    if (!word) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(word->c_str(), &end, 10);
    if (end == word->c_str() || *end != '\0' || errno == ERANGE) return std::nullopt;
    return value;
  }

  std::optional<float> NextFloat() {
    const std::optional<std::string> word = Next();
    if (!word) return std::nullopt;
    char* end = nullptr;
    const float value = std::strtof(word->c_str(), &end);
    if (end == word->c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    return value;
  }

 private:
  std::string_view m_text;
  size_t m_at = 0;
  bool m_failed = false;
};

}  // namespace

std::vector<plat::Vec3> ParseRidePath(std::string_view text) {
  std::vector<plat::Vec3> points;
  WordReader words(text);
  if (!words.Next()) return points;  // the header word
  const std::optional<long> count = words.NextInteger();
  if (!count || *count <= 0) return points;
  for (long i = 0; i < *count; ++i) {
    if (!words.Next() || !words.NextInteger()) break;  // the label and the integer
    const std::optional<float> x = words.NextFloat();
    const std::optional<float> z = x ? words.NextFloat() : std::nullopt;
    const std::optional<float> y = z ? words.NextFloat() : std::nullopt;
    if (!y) break;
    points.push_back({*x, *y, *z});
  }
  return points;
}

}  // namespace ridepath
