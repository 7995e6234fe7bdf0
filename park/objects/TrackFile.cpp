#include "park/objects/TrackFile.h"

#include <cmath>
#include <string>

#include "park/objects/WordReader.h"
#include "platform/math/Math.h"

namespace trackfile {
namespace {

constexpr int kHeaderPairs = 4;
constexpr int kMatrixValues = 16;
constexpr size_t kMatrixClosingLength = 3;  // the characters after the last number
constexpr int kSectionOpeningWords = 4;
constexpr const char* kSectionEnd = "}";
constexpr int kRotationValues = 4;
constexpr int kScaleValues = 3;
constexpr int kPositionValues = 3;
constexpr int kMsPerSecond = 1000;

enum class Section { kRotation, kScale, kPosition };

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The numbers of a ","-separated list, or nothing unless there are exactly
// `count` of them and each reads.
std::optional<std::vector<float>> ParseValues(std::string_view text, int count) {
  const std::vector<std::string> parts = Split(text, ',');
  if (static_cast<int>(parts.size()) != count) return std::nullopt;
  std::vector<float> values;
  for (const std::string& part : parts) {
    const std::optional<float> value = ParseFloat(part);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  return values;
}

std::optional<TrackHeader> ReadHeader(WordReader& words) {
  long values[kHeaderPairs] = {};
  for (long& value : values) {
    if (!words.Next()) return std::nullopt;
    const std::optional<long> number = words.NextInteger();
    if (!number || *number < INT32_MIN || *number > INT32_MAX) return std::nullopt;
    value = *number;
  }
  return TrackHeader{static_cast<int32_t>(values[0]), static_cast<int32_t>(values[1]), static_cast<int32_t>(values[2]),
                     static_cast<int32_t>(values[3])};
}

// Three words, the third holding the matrix row by row, then one more word.
std::optional<plat::Matrix> ParseTrackMatrix(WordReader& words) {
  std::optional<std::string> word;
  for (int i = 0; i < 3; ++i) {
    word = words.Next();
    if (!word) return std::nullopt;
  }
  if (word->size() < kMatrixClosingLength) return std::nullopt;
  const std::optional<std::vector<float>> values =
      ParseValues(std::string_view(*word).substr(0, word->size() - kMatrixClosingLength), kMatrixValues);
  if (!values || !words.Next()) return std::nullopt;
  plat::Matrix matrix;
  for (int i = 0; i < kMatrixValues; ++i) matrix.m[i / 4][i % 4] = (*values)[static_cast<size_t>(i)];
  return matrix;
}

int ValueCount(Section section) {
  switch (section) {
    case Section::kRotation:
      return kRotationValues;
    case Section::kScale:
      return kScaleValues;
    case Section::kPosition:
      break;
  }
  return kPositionValues;
}

// One entry "k;n;v1,...;;" into its slot; false when it does not read or
// its slot lies outside the array.
bool ApplyEntry(const std::string& entry, Section section, std::vector<TrackKeyframe>& keyframes) {
  const size_t first = entry.find(';');
  const size_t second = first == std::string::npos ? first : entry.find(';', first + 1);
  if (second == std::string::npos) return false;
  const size_t end = entry.find(";;", second + 1);
  if (end == std::string::npos) return false;
  const std::optional<long> slot = ParseInteger(entry.substr(0, first));
  if (!slot || *slot < 0 || *slot >= static_cast<long>(keyframes.size())) return false;
  const std::optional<std::vector<float>> values =
      ParseValues(std::string_view(entry).substr(second + 1, end - second - 1), ValueCount(section));
  if (!values) return false;
  TrackKeyframe& keyframe = keyframes[static_cast<size_t>(*slot)];
  keyframe.key = static_cast<int32_t>(*slot);
  const std::vector<float>& v = *values;
  if (section == Section::kRotation) {
    keyframe.axis = {v[1], v[2], v[3]};
    keyframe.rotationQuat = {v[1], v[2], v[3], -v[0]};
    keyframe.w = v[0];
  } else if (section == Section::kPosition) {
    keyframe.position = {v[0], v[1], v[2]};
  }
  return true;
}

// False when the text ends before the section does.
bool ReadSection(WordReader& words, Section section, std::vector<TrackKeyframe>& keyframes) {
  for (int i = 0; i < kSectionOpeningWords; ++i) {
    if (!words.Next()) return false;
  }
  for (std::optional<std::string> word = words.Next(); word; word = words.Next()) {
    if (*word == kSectionEnd) return true;
    ApplyEntry(*word, section, keyframes);
  }
  return false;
}

plat::Vec3 Lerp(const plat::Vec3& a, const plat::Vec3& b, float t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

}  // namespace

std::optional<TrackData> TrackFromHeader(const TrackHeader& header) {
  if (header.lastFrame < header.firstFrame || header.speed <= 0 || header.keysPerFrame <= 0) return std::nullopt;
  const int64_t count = (static_cast<int64_t>(header.lastFrame) - header.firstFrame) * header.keysPerFrame;
  if (count > kMaxKeyframeCount) return std::nullopt;
  TrackData track;
  track.header = header;
  track.keyframeCount = static_cast<int32_t>(count);
  const double keysPerSecond = static_cast<double>(header.keysPerFrame) * header.speed;
  track.runLengthMs = static_cast<int32_t>(static_cast<double>(count) / keysPerSecond) * kMsPerSecond;
  track.keyframes.resize(static_cast<size_t>(count) + 1);
  return track;
}

void FillGaps(std::vector<TrackKeyframe>& keyframes) {
  const size_t count = keyframes.empty() ? 0 : keyframes.size() - 1;
  size_t slot = 1;
  while (slot + 1 <= count) {
    if (keyframes[slot].key != 0) {
      ++slot;
      continue;
    }
    const size_t before = slot - 1;
    size_t next = slot;
    while (next < count && keyframes[next].key == 0) ++next;
    const TrackKeyframe& from = keyframes[before];
    const TrackKeyframe& to = keyframes[next];
    const float span = static_cast<float>(next - before);
    for (size_t s = slot; s < next; ++s) {
      const float t = static_cast<float>(s - before) / span;
      TrackKeyframe& filled = keyframes[s];
      filled.key = static_cast<int32_t>(s);
      filled.position = Lerp(from.position, to.position, t);
      plat::QuaternionSlerp(&filled.rotationQuat, from.rotationQuat, to.rotationQuat, t);
      filled.axis = from.axis;
      filled.w = from.w;
    }
    slot = next + 1;
  }
}

std::optional<TrackData> ParseTrackFile(std::string_view text) {
  WordReader words(text, kMaxWordLength);
  const std::optional<TrackHeader> header = ReadHeader(words);
  if (!header) return std::nullopt;
  std::optional<TrackData> track = TrackFromHeader(*header);
  if (!track) return std::nullopt;
  const std::optional<plat::Matrix> matrix = ParseTrackMatrix(words);
  if (!matrix) return std::nullopt;
  track->frameMatrix = *matrix;
  for (Section section : {Section::kRotation, Section::kScale, Section::kPosition}) {
    if (!ReadSection(words, section, track->keyframes)) break;
  }
  FillGaps(track->keyframes);
  return track;
}

}  // namespace trackfile
