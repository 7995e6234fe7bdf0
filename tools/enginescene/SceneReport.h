#pragma once
// What the scene did, part by part: in how many frames each part was drawn
// (or heard, read, written) and how often, or why it was left out. Printed
// at the end as one line per part, which the scene's tests read:
//   part ground drawn 120 frames 240 times
//   part music skipped: <reason>
#include <cstdio>
#include <string>
#include <vector>

class SceneReport {
 public:
  // Counts one frame's events of the part; a frame with none is not counted.
  void Note(const std::string& part, const char* verb, int events);
  // The part is left out; the first reason given stays.
  void Skip(const std::string& part, const std::string& reason);

  void Print(std::FILE* out) const;

 private:
  struct Entry {
    std::string part;
    std::string verb;
    std::string skipped;  // the reason; empty while the part takes part
    int frames = 0;
    int events = 0;
  };
  Entry& EntryOf(const std::string& part);

  std::vector<Entry> m_entries;  // in order of first mention
};
