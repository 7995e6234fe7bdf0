#include "engine/core/SceneStream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// Writes with the stream into a temporary file and returns the bytes.
template <typename Write>
Bytes Written(Write write) {
  std::FILE* file = std::tmpfile();
  SceneStream out(file);
  write(out);
  std::fflush(file);
  std::rewind(file);
  Bytes bytes;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes.push_back(static_cast<unsigned char>(c));
  return bytes;
}

// A read stream over the given bytes.
std::FILE* FileOf(const Bytes& bytes) {
  std::FILE* file = std::tmpfile();
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

Bytes Int32Bytes(int32_t v) {
  auto u = static_cast<uint32_t>(v);
  return {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8), static_cast<unsigned char>(u >> 16),
          static_cast<unsigned char>(u >> 24)};
}

}  // namespace

TEST(SceneStream, ValuesAreWrittenLittleEndianWithoutPadding) {
  Bytes bytes = Written([](SceneStream& s) {
    s.WriteInt32(0x01020304);
    s.WriteBool(true);
    s.WriteBool(false);
    s.WriteString("abc");
    s.WriteString("");
    s.WriteFloat(1.0f);
  });
  Bytes expected = {0x04, 0x03, 0x02, 0x01, 1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c', 0, 0, 0, 0,
                    0x00, 0x00, 0x80, 0x3f};
  EXPECT_EQ(bytes, expected);
}

TEST(SceneStream, EveryKindReadsBackWhatWasWritten) {
  std::string longest(SceneStream::kMaxStringBytes, 'x');
  Bytes bytes = Written([&](SceneStream& s) {
    s.WriteInt32(-7);
    s.WriteFloat(-2.5f);
    s.WriteVec3({1.0f, 2.0f, 3.0f});
    s.WriteBool(true);
    s.WriteString(longest.c_str());
  });
  SceneStream in(FileOf(bytes));
  EXPECT_EQ(in.ReadInt32(), -7);
  EXPECT_EQ(in.ReadFloat(), -2.5f);
  plat::Vec3 v = in.ReadVec3();
  EXPECT_EQ(v.x, 1.0f);
  EXPECT_EQ(v.y, 2.0f);
  EXPECT_EQ(v.z, 3.0f);
  EXPECT_TRUE(in.ReadBool());
  EXPECT_EQ(in.ReadString().Std(), longest);
  EXPECT_TRUE(in.Good());
}

TEST(SceneStream, OnlyTheIntegerOneReadsAsTrue) {
  for (int32_t stored : {1, 0, 2, -1, 256}) {
    SceneStream in(FileOf(Int32Bytes(stored)));
    EXPECT_EQ(in.ReadBool(), stored == 1) << stored;
    EXPECT_TRUE(in.Good());
  }
}

TEST(SceneStream, AStringEndsAtItsFirstZeroByte) {
  Bytes bytes = Int32Bytes(4);
  bytes.insert(bytes.end(), {'a', 0, 'b', 'c'});
  bytes.push_back(9);
  SceneStream in(FileOf(bytes));
  EXPECT_EQ(in.ReadString().Std(), "a");
  EXPECT_TRUE(in.Good());
}

// Each bad stream sets the error state, and every later read yields nothing,
// even where bytes remain.
TEST(SceneStream, BadCountsAndShortStreamsSetTheErrorStateAndStopLaterReads) {
  struct Case {
    const char* what;
    Bytes bytes;
  };
  auto followed = [](Bytes bytes) {
    Bytes more = Int32Bytes(42);
    bytes.insert(bytes.end(), more.begin(), more.end());
    return bytes;
  };
  Bytes shortText = Int32Bytes(5);
  shortText.insert(shortText.end(), {'a', 'b'});
  std::vector<Case> cases = {
      {"negative count", followed(Int32Bytes(-1))},
      {"count past the reader's buffer", followed(Int32Bytes(SceneStream::kMaxStringBytes + 1))},
      {"huge count", followed(Int32Bytes(1000000))},
      {"text shorter than its count", shortText},
      {"count cut short", {3, 0}},
      {"empty stream", {}},
  };
  for (const Case& c : cases) {
    SceneStream in(FileOf(c.bytes));
    EXPECT_EQ(in.ReadString().Std(), "") << c.what;
    EXPECT_FALSE(in.Good()) << c.what;
    EXPECT_EQ(in.ReadInt32(), 0) << c.what;
    EXPECT_FALSE(in.ReadBool()) << c.what;
    EXPECT_EQ(in.ReadFloat(), 0.0f) << c.what;
  }
}

TEST(SceneStream, ReadCountRefusesValuesOutsideItsRange) {
  Bytes bytes = Int32Bytes(3);
  Bytes big = Int32Bytes(17);
  bytes.insert(bytes.end(), big.begin(), big.end());
  SceneStream in(FileOf(bytes));
  EXPECT_EQ(in.ReadCount(16), 3);
  EXPECT_TRUE(in.Good());
  EXPECT_EQ(in.ReadCount(16), 0);
  EXPECT_FALSE(in.Good());
}

TEST(SceneStream, AMissingFileIsAClosedStreamInTheErrorState) {
  SceneStream in("\\no such folder\\no such file.pys", "rb");
  EXPECT_FALSE(in.IsOpen());
  EXPECT_FALSE(in.Good());
  EXPECT_EQ(in.ReadInt32(), 0);
  EXPECT_FALSE(in.Close());
}
