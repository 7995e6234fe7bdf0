#pragma once
// Track files: a ride's animation exported as text. Four header pairs (a word
// and an integer: first frame, last frame, speed, keys per frame), a frame
// block of four words whose third holds the sixteen numbers of a matrix
// followed by three closing characters, then three key sections (rotation,
// scale, position). Each section opens with four words, then entries
// "k;n;v1,v2,...;;" follow until a word "}".
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "park/objects/RideTrack.h"
#include "platform/math/Types.h"

namespace trackfile {

constexpr size_t kMaxWordLength = 1024;
// More keyframes than any ride's lap needs; larger headers are refused.
constexpr int64_t kMaxKeyframeCount = 200000;

struct TrackHeader {
  int32_t firstFrame = 0;
  int32_t lastFrame = 0;
  int32_t speed = 0;
  int32_t keysPerFrame = 0;
};

struct TrackData {
  TrackHeader header;
  int32_t keyframeCount = 0;
  int32_t runLengthMs = 0;  // one lap at speed factor 1, in whole seconds
  plat::Matrix frameMatrix;
  std::vector<TrackKeyframe> keyframes;  // keyframeCount + 1 slots
};

// The lap's keyframe count and length, or nothing when the header does not
// describe a track: a last frame before the first, a zero or negative speed
// or key rate, or more than kMaxKeyframeCount keyframes.
std::optional<TrackData> TrackFromHeader(const TrackHeader& header);

// The whole file, or nothing when its header or frame block is unreadable.
// A key entry that does not read, has the wrong number of values or names a
// slot outside the array is skipped; the end of the text ends the sections.
// Slots no key filled are filled from their neighbours.
std::optional<TrackData> ParseTrackFile(std::string_view text);

// Fills every slot 1 .. keyframeCount - 1 whose key is 0 on the straight line
// (positions) and the arc (rotations) between the slot before the gap and the
// next filled slot, in equal steps.
void FillGaps(std::vector<TrackKeyframe>& keyframes);

}  // namespace trackfile
