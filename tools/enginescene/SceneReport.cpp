#include "tools/enginescene/SceneReport.h"

void SceneReport::Note(const std::string& part, const char* verb, int events) {
  Entry& entry = EntryOf(part);
  entry.verb = verb;
  if (events <= 0) return;
  ++entry.frames;
  entry.events += events;
}

void SceneReport::Skip(const std::string& part, const std::string& reason) {
  Entry& entry = EntryOf(part);
  if (entry.skipped.empty()) entry.skipped = reason.empty() ? "left out" : reason;
}

void SceneReport::Print(std::FILE* out) const {
  for (const Entry& e : m_entries) {
    if (!e.skipped.empty()) {
      std::fprintf(out, "part %s skipped: %s\n", e.part.c_str(), e.skipped.c_str());
    } else {
      std::fprintf(out, "part %s %s %d frames %d times\n", e.part.c_str(), e.verb.empty() ? "used" : e.verb.c_str(),
                   e.frames, e.events);
    }
  }
}

SceneReport::Entry& SceneReport::EntryOf(const std::string& part) {
  for (Entry& e : m_entries) {
    if (e.part == part) return e;
  }
  m_entries.push_back(Entry{part, "", "", 0, 0});
  return m_entries.back();
}
