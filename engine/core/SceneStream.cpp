#include "engine/core/SceneStream.h"

#include <bit>
#include <cstring>

#include "platform/os/Path.h"

namespace {

static_assert(std::endian::native == std::endian::little, "the value stream is written as the machine holds it");

}  // namespace

SceneStream::SceneStream(std::string_view gamePath, const char* mode) : m_file(plat::OpenFile(gamePath, mode)) {}

SceneStream::SceneStream(std::FILE* file) : m_file(file) {}

SceneStream::~SceneStream() { Close(); }

bool SceneStream::Close() {
  if (!m_file) {
    return false;
  }
  bool flushed = std::fclose(m_file) == 0;
  m_file = nullptr;
  return flushed && !m_failed;
}

void SceneStream::WriteBytes(const void* data, size_t size) {
  if (!m_file || size == 0) {
    return;
  }
  if (std::fwrite(data, 1, size, m_file) != size) {
    m_failed = true;
  }
}

bool SceneStream::ReadBytes(void* data, size_t size) {
  if (!Good() || std::fread(data, 1, size, m_file) != size) {
    m_failed = true;
    std::memset(data, 0, size);
    return false;
  }
  return true;
}

void SceneStream::WriteInt32(int32_t value) { WriteBytes(&value, sizeof value); }

void SceneStream::WriteFloat(float value) { WriteBytes(&value, sizeof value); }

void SceneStream::WriteVec3(const plat::Vec3& value) {
  WriteFloat(value.x);
  WriteFloat(value.y);
  WriteFloat(value.z);
}

void SceneStream::WriteBool(bool value) { WriteInt32(value ? 1 : 0); }

void SceneStream::WriteString(const EngineString& value) {
  WriteInt32(value.Length());
  WriteBytes(value.CStr(), static_cast<size_t>(value.Length()));
}

int32_t SceneStream::ReadInt32() {
  int32_t value = 0;
  ReadBytes(&value, sizeof value);
  return value;
}

float SceneStream::ReadFloat() {
  float value = 0.0f;
  ReadBytes(&value, sizeof value);
  return value;
}

plat::Vec3 SceneStream::ReadVec3() {
  plat::Vec3 value{};
  value.x = ReadFloat();
  value.y = ReadFloat();
  value.z = ReadFloat();
  return value;
}

bool SceneStream::ReadBool() { return ReadInt32() == 1; }

EngineString SceneStream::ReadString() {
  int32_t count = ReadCount(kMaxStringBytes);
  char text[kMaxStringBytes + 1] = {};
  if (count > 0 && !ReadBytes(text, static_cast<size_t>(count))) {
    return EngineString();
  }
  // The text ends at its first zero byte, as a C string built from it would.
  return EngineString(text);
}

int32_t SceneStream::ReadCount(int32_t limit) {
  int32_t count = ReadInt32();
  if (count < 0 || count > limit) {
    m_failed = true;
    return 0;
  }
  return count;
}
