#pragma once
// The one string type of the engine and the game: single-byte text (no
// encoding awareness) over std::string, with a mirror of the length and the
// text pointer that hot code reads without a call.
#include <cstdint>
#include <string>
#include <vector>

class EngineString {
 public:
  EngineString();
  EngineString(const char* text);  // null gives the empty string
  EngineString(char c);
  EngineString(const EngineString& other);
  EngineString(EngineString&& other) noexcept;
  ~EngineString();

  EngineString& operator=(const EngineString& other);
  EngineString& operator=(EngineString&& other) noexcept;
  EngineString& operator=(const char* text);  // null gives the empty string

  EngineString& operator+=(const EngineString& other);
  EngineString& operator+=(char c);

  // Same length and same bytes; embedded NULs take part.
  bool operator==(const EngineString& other) const;
  bool operator==(const char* text) const;
  // A byte loop over the two texts that stops at the first NUL of either, so
  // a text with an embedded NUL is neither == nor != its prefix.
  bool operator!=(const EngineString& other) const;
  bool operator!=(const char* text) const;

  int32_t Length() const { return m_length; }
  // The character at the index; the length itself and anything beyond it
  // yield the terminating NUL.
  char At(uint32_t index) const;
  // strtol rules in base 10, clamped to the signed 32-bit range.
  int32_t ToInt() const;
  // Index of the first occurrence at or after start, or -1. The empty text is
  // found at start while start is not beyond the length.
  int32_t Find(const char* text, uint32_t start = 0) const;

  // Characters [first, last); clamped to the text, empty when first is beyond.
  EngineString Mid(uint32_t first, uint32_t last) const;
  // Without leading and trailing bytes that belong to the set.
  EngineString Trim(const char* set) const;
  // The pieces between separators, empty ones included (n separators give
  // n + 1 pieces). Splitting at '\n' first turns "\r\n" into "\n" in this
  // string itself. The flag does not change the result.
  std::vector<EngineString> Split(char separator, bool flag = false);

  // Every occurrence of search becomes replacement. The search resumes at the
  // start of the inserted text (so "ab" -> "a" turns "abb" into "a"), unless
  // the replacement contains the search text, which would never end: then it
  // resumes after the inserted text. An empty search text changes nothing.
  void Replace(const char* search, const char* replacement);
  // Every occurrence of one byte becomes the other; equal bytes change
  // nothing. A NUL replacement leaves embedded NULs (the length stays).
  void ReplaceChar(char search, char replacement);
  // printf-style; output beyond 1999 characters is cut off.
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

  static constexpr int kFormatBufferSize = 2000;

  const char* CStr() const { return m_text; }
  const std::string& Std() const { return m_string; }

 private:
  void Sync();

  int32_t m_length = 0;
  const char* m_text = nullptr;
  std::string m_string;
};

EngineString operator+(const EngineString& a, const EngineString& b);
