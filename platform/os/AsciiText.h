#pragma once
// Small text helpers shared by the path resolver, the file search and the
// settings file. Case is folded for ASCII letters only, as the game's names are ASCII.
#include <cstddef>
#include <string_view>

namespace plat {

constexpr char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

constexpr bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view TrimBlanksAndTabs(std::string_view s) {
  while (!s.empty() && IsBlankOrTab(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankOrTab(s.back())) s.remove_suffix(1);
  return s;
}

constexpr std::string_view DropTrailingBlanks(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace plat
