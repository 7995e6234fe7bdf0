#pragma once
// One stream of a media file decoded with FFmpeg: the video stream as BGRA
// frames (A8R8G8B8 in memory), or the audio stream as interleaved 16-bit
// stereo at 44100 Hz. Only AVI and WAV files are read. Files whose streams
// cannot be decoded, whose picture is larger than kMaxVideoDimension, whose
// sound is sampled faster than kMaxSampleRate (a corrupt header; the
// resampler would spend seconds building filters for it) or slower than
// kMinSampleRate (a frame would resample to hundreds of megabytes) or that
// are corrupt end the reading cleanly; nothing here throws or crashes on bad
// bytes.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

constexpr int kMaxVideoDimension = 4096;
constexpr int kMusicSampleRate = 44100;
constexpr int kMinSampleRate = 4000;
constexpr int kMaxSampleRate = 384000;
constexpr int kMusicChannels = 2;

struct VideoFrame {
  int width = 0, height = 0;
  std::vector<std::uint8_t> bgra;  // width * 4 bytes per row, top row first
  double seconds = 0;              // presentation time from the start of the stream
};

class MediaDecoder {
 public:
  enum class Kind { Video, Audio };

  // path goes through ResolvePath. Null with a reason when the file cannot
  // be opened or holds no decodable stream of the kind.
  static std::unique_ptr<MediaDecoder> OpenFile(std::string_view path, Kind kind,
                                                std::string* error = nullptr);
  // The bytes must outlive the decoder.
  static std::unique_ptr<MediaDecoder> OpenMemory(std::span<const std::uint8_t> bytes, Kind kind,
                                                  std::string* error = nullptr);
  ~MediaDecoder();
  MediaDecoder(const MediaDecoder&) = delete;
  MediaDecoder& operator=(const MediaDecoder&) = delete;

  // The picture size a video stream opened with (0 for audio); every frame
  // read has it.
  int Width() const;
  int Height() const;
  // The nominal duration of one frame, 1/25 s when the file does not say.
  double FrameSeconds() const;

  // The next frame; false at the end of the stream or on a decoding error.
  bool ReadVideoFrame(VideoFrame& out);
  // Appends the next decoded samples (at most a second of them per call,
  // the resampler's delayed ones at the end); false at the end or on an
  // error.
  bool ReadAudio(std::vector<std::int16_t>& out);
  // Back to the start of the stream.
  bool Rewind();

  struct State;

 private:
  explicit MediaDecoder(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace plat
