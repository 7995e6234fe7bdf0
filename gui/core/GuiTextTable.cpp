#include "gui/core/GuiTextTable.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/os/Path.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The next run of non-blank characters at or after pos; empty at the end.
std::string_view NextToken(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < text.size() && !IsBlank(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

// A whole token in base 10 within the 32-bit range.
bool ParseId(std::string_view token, int32_t& id) {
  const std::string digits(token);
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(digits.c_str(), &end, 10);
  if (end == digits.c_str() || *end != '\0' || errno == ERANGE) return false;
  if (value < INT32_MIN || value > INT32_MAX) return false;
  id = int32_t(value);
  return true;
}

}  // namespace

void GuiTextTable::Load(const EngineString& path) {
  std::string text;
  if (!plat::ReadWholeFile(path.Std(), text)) return;
  for (const std::string& problem : Parse(text)) {
    std::fprintf(stderr, "Text table \"%s\": %s\n", path.CStr(), problem.c_str());
  }
}

std::vector<std::string> GuiTextTable::Parse(std::string_view text) {
  std::vector<std::string> problems;
  std::lock_guard<std::mutex> lock(m_mutex);
  std::size_t pos = 0;
  while (true) {
    const std::string_view idToken = NextToken(text, pos);
    if (idToken.empty()) break;
    int32_t id = 0;
    if (!ParseId(idToken, id)) {
      problems.push_back("\"" + std::string(idToken.substr(0, 40)) + "\" is not a text id; skipped");
      continue;
    }
    const std::string_view word = NextToken(text, pos);
    if (word.empty()) {
      problems.push_back("text id " + std::to_string(id) + " has no text");
      break;
    }
    std::string value(word.substr(0, kMaxWordLength));
    for (char& c : value) {
      if (c == '_') c = ' ';
    }
    m_texts.emplace(id, EngineString(value.c_str()));
  }
  return problems;
}

EngineString GuiTextTable::Get(int32_t id) {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_texts[id];
}

bool GuiTextTable::Contains(int32_t id) const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_texts.count(id) != 0;
}

std::size_t GuiTextTable::Size() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_texts.size();
}
