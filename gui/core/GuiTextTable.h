#pragma once
// The GUI's text table: numbered texts read from the language file, a
// sequence of pairs "id word" separated by white space, with '_' standing for
// a blank inside a word ("100146 Build_a_shop"). The first text of an id
// wins. Guarded, because the loading thread sets captions while the window
// thread draws.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/EngineString.h"

class GuiTextTable {
 public:
  // The longest text a pair may hold; longer words are cut.
  static constexpr std::size_t kMaxWordLength = 4999;

  // Adds the pairs of the file; a missing file changes nothing.
  void Load(const EngineString& path);
  // Adds the pairs of a whole file's text. Returns one line per problem
  // (a token where an id belongs, an id without a word).
  std::vector<std::string> Parse(std::string_view text);
  // The text of the id; an id not in the table gets an empty entry.
  EngineString Get(int32_t id);
  bool Contains(int32_t id) const;
  std::size_t Size() const;

 private:
  mutable std::mutex m_mutex;
  std::map<int32_t, EngineString> m_texts;
};
