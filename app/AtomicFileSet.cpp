#include "app/AtomicFileSet.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/os/Path.h"

namespace {

// Makes the file's data durable before it is renamed into place.
bool SyncToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

// Makes the renames in the folder durable.
void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

AtomicFileSet::~AtomicFileSet() {
  CloseAll();
  RemoveTemporaries();
}

SceneStream& AtomicFileSet::Open(const EngineString& gamePath) {
  Entry entry;
  entry.finalPath = plat::ResolvePath(gamePath.Std());
  entry.temporaryPath = entry.finalPath + kTemporarySuffix;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(entry.finalPath).parent_path(), ignored);
  entry.file = std::fopen(entry.temporaryPath.c_str(), "wb");
  entry.stream = std::make_unique<SceneStream>(entry.file);
  if (!entry.file && m_failedPath.empty()) m_failedPath = entry.finalPath;
  m_entries.push_back(std::move(entry));
  return *m_entries.back().stream;
}

bool AtomicFileSet::CloseAll() {
  bool good = true;
  for (Entry& entry : m_entries) {
    if (!entry.stream) continue;
    const bool written = entry.stream->Good() && SyncToDisk(entry.file);
    const bool closed = entry.stream->Close();
    entry.stream.reset();
    if (!(written && closed)) {
      good = false;
      if (m_failedPath.empty()) m_failedPath = entry.finalPath;
    }
  }
  return good;
}

bool AtomicFileSet::RenameAll() {
  if (m_entries.empty()) return true;
  // The first file names the set: it goes into place after all others.
  std::vector<Entry*> order;
  for (std::size_t i = 1; i < m_entries.size(); ++i) order.push_back(&m_entries[i]);
  order.push_back(&m_entries.front());
  // A set written over an older one: the older first file goes before any
  // companion is replaced, so that no moment shows it beside new companions.
  const std::filesystem::path firstPath(m_entries.front().finalPath);
  std::error_code missing;
  if (m_entries.size() > 1 && std::filesystem::remove(firstPath, missing)) SyncFolder(firstPath.parent_path());
  for (Entry* entry : order) {
    std::error_code error;
    std::filesystem::rename(entry->temporaryPath, entry->finalPath, error);
    if (error) {
      m_failedPath = entry->finalPath;
      return false;
    }
    entry->temporaryPath.clear();
  }
  SyncFolder(std::filesystem::path(m_entries.front().finalPath).parent_path());
  return true;
}

bool AtomicFileSet::Commit() {
  const bool committed = CloseAll() && RenameAll();
  RemoveTemporaries();
  return committed;
}

void AtomicFileSet::RemoveTemporaries() {
  for (Entry& entry : m_entries) {
    if (entry.temporaryPath.empty()) continue;
    std::error_code ignored;
    std::filesystem::remove(entry.temporaryPath, ignored);
    entry.temporaryPath.clear();
  }
}
