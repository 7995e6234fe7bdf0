#pragma once
// Writes a set of files so that a crash or a failed write never leaves a
// half-written one in place: each file is written under a temporary name
// beside its place, and only when every file of the set was written whole
// and flushed to the disk are they renamed into place, the first file
// opened last (so that its presence tells that the others are complete).
// A set written over an older one of the same names loses the older first
// file before its companions are replaced: a stop half-way leaves no first
// file, never an older one beside newer companions.
// Files not committed are removed when the set goes.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/core/SceneStream.h"

class AtomicFileSet {
 public:
  static constexpr const char* kTemporarySuffix = ".tmp";

  AtomicFileSet() = default;
  ~AtomicFileSet();
  AtomicFileSet(const AtomicFileSet&) = delete;
  AtomicFileSet& operator=(const AtomicFileSet&) = delete;

  // A stream on the temporary file of the game path (its folder is made
  // when missing). A temporary that cannot be made gives a stream in the
  // error state, and the set then does not commit.
  SceneStream& Open(const EngineString& gamePath);
  // Flushes and closes every file, then renames them into place; false
  // (nothing renamed, the temporaries removed) when any file failed.
  bool Commit();
  // The host path of the first file that failed, for the message.
  const std::string& FailedPath() const { return m_failedPath; }

 private:
  struct Entry {
    std::string finalPath;
    std::string temporaryPath;
    std::FILE* file = nullptr;  // owned by the stream
    std::unique_ptr<SceneStream> stream;
  };
  bool CloseAll();
  bool RenameAll();
  void RemoveTemporaries();

  std::vector<Entry> m_entries;
  std::string m_failedPath;
};
