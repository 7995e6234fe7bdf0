#pragma once
// The saved game's value stream: a headerless sequence of little-endian values
// written and read one at a time (32-bit integer, 32-bit float, three floats,
// boolean as a 32-bit integer that is true only when it is 1, and a string as
// a 32-bit byte count followed by its bytes). Every game subsystem writes its
// block of a saved game through it, so it sits below them all.
//
// A stream has an error state: a short read, a negative count or a string
// longer than the reader holds sets it, and from then on every read yields 0,
// false or the empty string. Readers of saved blocks stop at the first error,
// so a truncated or corrupt file never reaches an unchecked size.
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class SceneStream {
 public:
  // The longest string text a reader holds, in bytes.
  static constexpr int32_t kMaxStringBytes = 999;

  // Opens a game path with the resolver; mode "wb" or "rb". A stream that
  // failed to open is in the error state.
  SceneStream(std::string_view gamePath, const char* mode);
  // Takes ownership of an open file (tests use tmpfile and fmemopen).
  explicit SceneStream(std::FILE* file);
  ~SceneStream();
  SceneStream(const SceneStream&) = delete;
  SceneStream& operator=(const SceneStream&) = delete;

  bool IsOpen() const { return m_file != nullptr; }
  // True while every value so far was read or written whole.
  bool Good() const { return m_file != nullptr && !m_failed; }
  // Marks the stream bad: a reader that meets a value it cannot use (a count
  // out of its range, say) stops every later read the same way.
  void Fail() { m_failed = true; }
  // Flushes and closes; false when a write failed or the flush did.
  bool Close();

  void WriteInt32(int32_t value);
  void WriteFloat(float value);
  void WriteVec3(const plat::Vec3& value);
  void WriteBool(bool value);
  void WriteString(const EngineString& value);
  void WriteBytes(const void* data, size_t size);

  int32_t ReadInt32();
  float ReadFloat();
  plat::Vec3 ReadVec3();
  bool ReadBool();
  EngineString ReadString();
  // Reads exactly size bytes into data; on a short read data is zero-filled.
  bool ReadBytes(void* data, size_t size);
  // A count read for a list: a value outside 0..limit sets the error state
  // and gives 0, so a loop over it reads nothing more.
  int32_t ReadCount(int32_t limit);

 private:
  std::FILE* m_file = nullptr;
  bool m_failed = false;
};
