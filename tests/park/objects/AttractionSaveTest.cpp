// A placed object's record of the scene file: the height of an object an
// event has sunk, the stored byte, and what a read record leaves running.
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/core/SceneStream.h"
#include "park/objects/CAttraction.h"

namespace {

// Writes the object's record and reads it back into a fresh object.
void RoundTrip(CAttraction& written, CAttraction& read) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  SceneStream stream(file);
  written.WriteState(stream);
  std::rewind(file);
  ASSERT_TRUE(read.ReadState(stream));
}

TEST(AttractionSaveTest, TheHeightWrittenForAnObjectDependsOnTheEventThatSankIt) {
  struct Case {
    const char* name;
    uint8_t eventRunning;
    float height;
    float savedHeight;
    float writtenHeight;
    float heightAfter;
  };
  const Case cases[] = {
      {"sunk by a running event", 1, -100.5f, 3.0f, 3.0f, -100.0f},
      {"event running, no height kept", 1, -100.5f, CAttraction::kNoSavedHeight, -100.5f, -100.5f},
      {"kept height but standing", 1, 2.0f, 3.0f, 2.0f, 2.0f},
      {"no event", 0, -120.0f, 3.0f, -120.0f, -120.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CAttraction written;
    written.id = "Attr_Skarloop";
    written.position = {1, c.height, 2};
    written.eventRunning = c.eventRunning;
    written.savedHeight = c.savedHeight;
    written.savedByte = 2;
    CAttraction read;
    RoundTrip(written, read);
    EXPECT_FLOAT_EQ(read.position.y, c.writtenHeight);
    EXPECT_FLOAT_EQ(written.position.y, c.heightAfter);
    EXPECT_EQ(read.eventRunning, 0);
    EXPECT_EQ(read.savedHeight, CAttraction::kNoSavedHeight);
    EXPECT_EQ(read.grownIn, 1);
    EXPECT_EQ(read.savedByte, 0) << "a stored byte other than 1 reads as 0";
    EXPECT_EQ(read.id.Std(), "Attr_Skarloop");
  }
}

}  // namespace
