#pragma once
// Game paths are Windows-style: backslashes, mixed case, at times a trailing
// blank ("\GuiFiles\langFile.gui.nl", "ground_shadow.fx "). Every file the game
// opens goes through ResolvePath, which finds the existing file on a
// case-sensitive file system.
#include <cstdio>
#include <string>
#include <string_view>

namespace plat {

// Turns a game path into a host path of an existing file or folder.
// - '\' and '/' both separate components; a leading '\' means the current
//   working directory, a leading '/' is an absolute host path, anything else
//   is relative to the current working directory.
// - trailing blanks of every component are dropped;
// - each component is matched without regard to case when the exact name is
//   missing (the exact name wins when both exist).
// On a miss the mapped path (separators converted, blanks dropped, the part
// that exists resolved) is returned, so that opening it fails in the ordinary
// way. Hits are cached; thread-safe.
std::string ResolvePath(std::string_view gamePath);

// fopen through ResolvePath. For writing, missing files are created under the
// resolved folder with the name as given.
std::FILE* OpenFile(std::string_view gamePath, const char* mode);

// True when the resolved path names an existing file or folder.
bool FileExists(std::string_view gamePath);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(std::string_view gamePath, std::string& out);

// The process's current working directory, without a trailing separator.
std::string CurrentDirectory();

// Forgets cached look-ups (tests that build and remove trees use it).
void ClearPathCache();

}  // namespace plat
