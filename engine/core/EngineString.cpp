#include "engine/core/EngineString.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

EngineString::EngineString() { Sync(); }

EngineString::EngineString(const char* text) : m_string(text ? text : "") { Sync(); }

EngineString::EngineString(char c) : m_string(1, c) { Sync(); }

EngineString::EngineString(const EngineString& other) : m_string(other.m_string) { Sync(); }

EngineString::EngineString(EngineString&& other) noexcept : m_string(std::move(other.m_string)) {
  Sync();
  other.Sync();
}

EngineString::~EngineString() = default;

EngineString& EngineString::operator=(const EngineString& other) {
  if (this != &other) {
    m_string = other.m_string;
    Sync();
  }
  return *this;
}

EngineString& EngineString::operator=(EngineString&& other) noexcept {
  if (this != &other) {
    m_string = std::move(other.m_string);
    Sync();
    other.Sync();
  }
  return *this;
}

EngineString& EngineString::operator=(const char* text) {
  m_string = text ? text : "";
  Sync();
  return *this;
}

EngineString& EngineString::operator+=(const EngineString& other) {
  m_string += other.m_string;
  Sync();
  return *this;
}

EngineString& EngineString::operator+=(char c) {
  m_string += c;
  Sync();
  return *this;
}

EngineString operator+(const EngineString& a, const EngineString& b) {
  EngineString result(a);
  result += b;
  return result;
}

bool EngineString::operator==(const EngineString& other) const { return m_string == other.m_string; }

bool EngineString::operator==(const char* text) const {
  const char* other = text ? text : "";
  const std::size_t length = std::strlen(other);
  return m_string.size() == length && std::memcmp(m_string.data(), other, length) == 0;
}

namespace {

bool BytesDiffer(const char* a, const char* b) {
  for (;; ++a, ++b) {
    if (*a != *b) return true;
    if (*a == '\0') return false;
  }
}

}  // namespace

bool EngineString::operator!=(const EngineString& other) const { return BytesDiffer(m_text, other.m_text); }

bool EngineString::operator!=(const char* text) const { return BytesDiffer(m_text, text ? text : ""); }

char EngineString::At(uint32_t index) const {
  return index < m_string.size() ? m_string[index] : '\0';
}

int32_t EngineString::ToInt() const {
  // strtol reads only up to the first NUL, which matches the cached text.
  const long value = std::strtol(m_text, nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

int32_t EngineString::Find(const char* text, uint32_t start) const {
  if (start > m_string.size()) return -1;
  const std::size_t at = m_string.find(text ? text : "", start);
  return at == std::string::npos ? -1 : static_cast<int32_t>(at);
}

EngineString EngineString::Mid(uint32_t first, uint32_t last) const {
  EngineString result;
  if (first < m_string.size() && last > first) {
    result.m_string = m_string.substr(first, last - first);
    result.Sync();
  }
  return result;
}

EngineString EngineString::Trim(const char* set) const {
  const std::string members = set ? set : "";
  if (members.empty()) return *this;
  const std::size_t start = m_string.find_first_not_of(members);
  if (start == std::string::npos) return EngineString();
  const std::size_t end = m_string.find_last_not_of(members);
  EngineString result;
  result.m_string = m_string.substr(start, end - start + 1);
  result.Sync();
  return result;
}

std::vector<EngineString> EngineString::Split(char separator, bool /*flag*/) {
  if (separator == '\n') Replace("\r\n", "\n");
  std::vector<EngineString> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = m_string.find(separator, start);
    if (at == std::string::npos) {
      pieces.push_back(Mid(static_cast<uint32_t>(start), static_cast<uint32_t>(m_string.size())));
      return pieces;
    }
    pieces.push_back(Mid(static_cast<uint32_t>(start), static_cast<uint32_t>(at)));
    start = at + 1;
  }
}

void EngineString::Replace(const char* search, const char* replacement) {
  const std::string what = search ? search : "";
  const std::string with = replacement ? replacement : "";
  if (what.empty()) return;
  // Resuming inside the inserted text lets it take part in the next match;
  // when it contains the search text that would never end.
  const bool resumeAfter = with.find(what) != std::string::npos;
  std::size_t at = m_string.find(what);
  while (at != std::string::npos) {
    m_string.replace(at, what.size(), with);
    at = m_string.find(what, resumeAfter ? at + with.size() : at);
  }
  Sync();
}

void EngineString::ReplaceChar(char search, char replacement) {
  if (search == replacement) return;
  for (char& c : m_string) {
    if (c == search) c = replacement;
  }
  Sync();
}

void EngineString::Format(const char* format, ...) {
  char buffer[kFormatBufferSize];
  buffer[0] = '\0';
  if (format) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
  }
  m_string = buffer;
  Sync();
}

void EngineString::Sync() {
  m_length = static_cast<int32_t>(m_string.size());
  m_text = m_string.c_str();
}
