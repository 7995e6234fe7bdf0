// Feeds arbitrary bytes to the settings reader and writer as a settings file.
// Besides not crashing, a key just written must read back, and a key of
// another section must read the same before and after the write.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/os/Settings.h"

namespace {

// One scratch file per fuzzing process, removed when the process ends.
struct Scratch {
  std::string path = "/tmp/fuzz_settings_" + std::to_string(getpid()) + ".ini";
  ~Scratch() { std::remove(path.c_str()); }
};

const std::string& ScratchFile() {
  static const Scratch scratch;
  return scratch.path;
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
  if (!file) std::abort();
  if (size && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

std::string Read(const char* section, const char* key, std::size_t size) {
  std::string buf(size, '\0');
  const std::size_t count = plat::GetProfileString(section, key, "none", buf.data(), size, ScratchFile());
  if (size && count >= size) std::abort();
  buf.resize(count);
  return buf;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInput(data, size);
  const char* sections[] = {"VISUAL", "sound", "", "[x]"};
  const char* keys[] = {"Resolution", "enablemusic", "", "a=b"};
  for (const char* section : sections) {
    for (const char* key : keys) {
      Read(section, key, 1);
      Read(section, key, 5);
      Read(section, key, 4096);
      plat::GetProfileInt(section, key, 3, ScratchFile());
    }
  }

  const std::string otherBefore = Read("VISUAL", "Resolution", 4096);
  if (!plat::WriteProfileString("SOUND", "MusicVolume", "-1000", ScratchFile())) std::abort();
  if (Read("sound", "musicvolume", 4096) != "-1000") std::abort();
  if (Read("VISUAL", "Resolution", 4096) != otherBefore) std::abort();
  return 0;
}
