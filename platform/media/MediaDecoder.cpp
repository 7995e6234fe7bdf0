#include "platform/media/MediaDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/os/Path.h"

namespace plat {

namespace {

constexpr int kIoBufferSize = 4096;
// Packets read without a frame coming out before the stream counts as broken,
// so that a file of undecodable packets cannot keep a reader busy for ever.
constexpr int kMaxPacketsWithoutOutput = 4096;
// What one call converts at most: a second of music. A frame of a slowly
// sampled sound resamples to many times its length; the rest comes with
// the following calls.
constexpr int kMaxConvertedSamplesPerCall = kMusicSampleRate;
constexpr int kRowAlignment = 64;

struct MemoryInput {
  std::span<const std::uint8_t> bytes;
  std::int64_t position = 0;
};

int ReadMemory(void* opaque, std::uint8_t* buffer, int size) {
  auto* input = static_cast<MemoryInput*>(opaque);
  const std::int64_t left = std::int64_t(input->bytes.size()) - input->position;
  if (left <= 0) return AVERROR_EOF;
  const int count = int(std::min<std::int64_t>(left, size));
  std::memcpy(buffer, input->bytes.data() + input->position, std::size_t(count));
  input->position += count;
  return count;
}

std::int64_t SeekMemory(void* opaque, std::int64_t offset, int whence) {
  auto* input = static_cast<MemoryInput*>(opaque);
  const std::int64_t size = std::int64_t(input->bytes.size());
  if (whence & AVSEEK_SIZE) return size;
  std::int64_t target = -1;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = input->position + offset;
      break;
    case SEEK_END:
      target = size + offset;
      break;
    default:
      return -1;
  }
  if (target < 0 || target > size) return -1;
  input->position = target;
  return target;
}

// The largest single block FFmpeg may take. The demuxers size some buffers
// from lengths in the file (a RIFF chunk can claim 4 GB in eight bytes);
// the largest real need, a frame of the largest picture, is far below this.
constexpr std::size_t kMaxAllocation = std::size_t(256) << 20;

// Bad files are reported through the results here, not on stderr.
void ConfigureLibrary() {
  static std::once_flag once;
  std::call_once(once, [] {
    av_log_set_level(AV_LOG_QUIET);
    av_max_alloc(kMaxAllocation);
  });
}

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

// The game's media are AVI videos and WAV music. Keeping every other demuxer
// (and, for files, every protocol but plain files) out means a file that
// only claims to be media never reaches code the game has no use for.
bool RestrictInputs(AVFormatContext* format, bool fromFile) {
  return av_opt_set(format, "format_whitelist", "avi,wav", 0) >= 0 &&
         (!fromFile || av_opt_set(format, "protocol_whitelist", "file", 0) >= 0);
}

}  // namespace

struct MediaDecoder::State {
  MemoryInput memory;
  AVIOContext* io = nullptr;
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  SwsContext* scaler = nullptr;
  SwrContext* resampler = nullptr;
  int stream = -1;
  int width = 0, height = 0;  // the picture size the stream opened with
  AVPixelFormat scalerInput = AV_PIX_FMT_NONE;
  // The scaler's output. Its rows are 64-byte aligned with slack after the
  // last one: swscale's vector code writes whole blocks past the end of a
  // row, which in a tightly packed buffer lands outside it.
  std::vector<std::uint8_t> converted;
  int convertedPitch = 0;
  bool flushed = false;  // the end of the input was sent to the decoder
  bool resamplerFlushed = false;  // and the resampler was told to give its last samples
  bool outputPending = false;     // the last conversion filled its bound: the resampler may hold more
  Kind kind = Kind::Video;

  ~State() {
    sws_freeContext(scaler);
    swr_free(&resampler);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    if (io) {
      av_freep(&io->buffer);
      avio_context_free(&io);
    }
  }

  bool OpenStream(Kind wanted, std::string* error);
  bool SetUpResampler();
  // A scaler from `format` at the opened size to BGRA; false when there is none.
  bool PrepareScaler(AVPixelFormat format);
  // The next decoded frame into `frame`; false at the end or on an error.
  bool DecodeNext();
  // Appends what the resampler makes of count input samples (none to take
  // what it holds; a null input to flush it), at most
  // kMaxConvertedSamplesPerCall; false on a conversion error.
  bool Resample(std::vector<std::int16_t>& out, const std::uint8_t* const* in, int count);
};

bool MediaDecoder::State::OpenStream(Kind wanted, std::string* error) {
  kind = wanted;
  if (avformat_find_stream_info(format, nullptr) < 0) {
    SetError(error, "no stream information");
    return false;
  }
  const AVMediaType type = wanted == Kind::Video ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO;
  const AVCodec* decoder = nullptr;
  stream = av_find_best_stream(format, type, -1, -1, &decoder, 0);
  if (stream < 0 || !decoder) {
    SetError(error, wanted == Kind::Video ? "no decodable video stream" : "no decodable audio stream");
    return false;
  }
  codec = avcodec_alloc_context3(decoder);
  if (!codec || avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) < 0) {
    SetError(error, "the decoder does not open");
    return false;
  }
  // A stream may announce a new, larger picture at any packet; the decoder
  // refuses those itself instead of allocating for them.
  codec->max_pixels = std::int64_t(kMaxVideoDimension) * kMaxVideoDimension;
  if (avcodec_open2(codec, decoder, nullptr) < 0) {
    SetError(error, "the decoder does not open");
    return false;
  }
  if (wanted == Kind::Video && (codec->width <= 0 || codec->height <= 0 || codec->width > kMaxVideoDimension ||
                                codec->height > kMaxVideoDimension)) {
    SetError(error, "unsupported picture size");
    return false;
  }
  width = codec->width;
  height = codec->height;
  packet = av_packet_alloc();
  frame = av_frame_alloc();
  if (!packet || !frame) {
    SetError(error, "out of memory");
    return false;
  }
  if (wanted == Kind::Audio && (codec->sample_rate < kMinSampleRate || codec->sample_rate > kMaxSampleRate)) {
    SetError(error, "unsupported sample rate");
    return false;
  }
  if (wanted == Kind::Audio && !SetUpResampler()) {
    SetError(error, "unsupported audio layout");
    return false;
  }
  return true;
}

bool MediaDecoder::State::SetUpResampler() {
  AVChannelLayout out = AV_CHANNEL_LAYOUT_STEREO;
  AVChannelLayout in{};
  if (codec->ch_layout.nb_channels > 0) {
    if (av_channel_layout_copy(&in, &codec->ch_layout) < 0) return false;
  } else {
    av_channel_layout_default(&in, 1);
  }
  if (in.order == AV_CHANNEL_ORDER_UNSPEC) av_channel_layout_default(&in, in.nb_channels);
  const int rate = codec->sample_rate;
  bool ok = swr_alloc_set_opts2(&resampler, &out, AV_SAMPLE_FMT_S16, kMusicSampleRate, &in, codec->sample_fmt, rate, 0,
                                nullptr) >= 0 &&
            swr_init(resampler) >= 0;
  av_channel_layout_uninit(&in);
  return ok;
}

bool MediaDecoder::State::PrepareScaler(AVPixelFormat input) {
  if (scaler && input == scalerInput) return true;
  sws_freeContext(scaler);
  scaler = nullptr;
  scalerInput = AV_PIX_FMT_NONE;
  if (input < 0 || input >= AV_PIX_FMT_NB || !sws_isSupportedInput(input)) return false;
  scaler = sws_getContext(width, height, input, width, height, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!scaler) return false;
  scalerInput = input;
  convertedPitch = (width * 4 + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
  converted.assign(std::size_t(convertedPitch) * std::size_t(height) + kRowAlignment, 0);
  return true;
}

bool MediaDecoder::State::DecodeNext() {
  for (int idle = 0; idle < kMaxPacketsWithoutOutput; ++idle) {
    const int received = avcodec_receive_frame(codec, frame);
    if (received == 0) return true;
    if (received != AVERROR(EAGAIN)) return false;  // end of stream or a decoding error
    if (flushed) return false;
    const int read = av_read_frame(format, packet);
    if (read < 0) {
      flushed = true;
      if (avcodec_send_packet(codec, nullptr) < 0) return false;
      continue;
    }
    int sent = 0;
    if (packet->stream_index == stream) sent = avcodec_send_packet(codec, packet);
    av_packet_unref(packet);
    // A packet the decoder refuses as broken is skipped; other failures end the
    // stream.
    if (sent < 0 && sent != AVERROR_INVALIDDATA) return false;
  }
  return false;
}

MediaDecoder::MediaDecoder(std::unique_ptr<State> state) : state_(std::move(state)) {}
MediaDecoder::~MediaDecoder() = default;

std::unique_ptr<MediaDecoder> MediaDecoder::OpenFile(std::string_view path, Kind kind, std::string* error) {
  ConfigureLibrary();
  const std::string host = ResolvePath(path);
  auto state = std::make_unique<State>();
  state->format = avformat_alloc_context();
  if (!state->format || !RestrictInputs(state->format, true)) {
    SetError(error, "out of memory");
    return nullptr;
  }
  // On failure avformat_open_input frees the context itself.
  if (avformat_open_input(&state->format, host.c_str(), nullptr, nullptr) < 0) {
    SetError(error, "cannot open " + host);
    return nullptr;
  }
  if (!state->OpenStream(kind, error)) return nullptr;
  return std::unique_ptr<MediaDecoder>(new MediaDecoder(std::move(state)));
}

std::unique_ptr<MediaDecoder> MediaDecoder::OpenMemory(std::span<const std::uint8_t> bytes, Kind kind,
                                                       std::string* error) {
  ConfigureLibrary();
  auto state = std::make_unique<State>();
  state->memory.bytes = bytes;
  auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBufferSize));
  if (!buffer) return nullptr;
  state->io = avio_alloc_context(buffer, kIoBufferSize, 0, &state->memory, ReadMemory, nullptr, SeekMemory);
  state->format = avformat_alloc_context();
  if (!state->io || !state->format || !RestrictInputs(state->format, false)) {
    if (!state->io) av_free(buffer);
    SetError(error, "out of memory");
    return nullptr;
  }
  state->format->pb = state->io;
  // On failure avformat_open_input frees the context itself.
  if (avformat_open_input(&state->format, nullptr, nullptr, nullptr) < 0) {
    SetError(error, "unknown container");
    return nullptr;
  }
  if (!state->OpenStream(kind, error)) return nullptr;
  return std::unique_ptr<MediaDecoder>(new MediaDecoder(std::move(state)));
}

int MediaDecoder::Width() const { return state_->width; }
int MediaDecoder::Height() const { return state_->height; }

double MediaDecoder::FrameSeconds() const {
  const AVRational rate = state_->format->streams[state_->stream]->avg_frame_rate;
  if (rate.num > 0 && rate.den > 0) {
    const double seconds = av_q2d(av_inv_q(rate));
    if (seconds > 0.001 && seconds < 10.0) return seconds;
  }
  return 1.0 / 25.0;
}

bool MediaDecoder::ReadVideoFrame(VideoFrame& out) {
  State& s = *state_;
  if (s.kind != Kind::Video || !s.DecodeNext()) return false;
  const int w = s.width, h = s.height;
  // A picture of another size than the stream opened with ends the stream:
  // callers size their textures from Width() and Height().
  if (s.frame->width != w || s.frame->height != h || !s.PrepareScaler(AVPixelFormat(s.frame->format))) {
    av_frame_unref(s.frame);
    return false;
  }
  std::uint8_t* planes[4] = {s.converted.data(), nullptr, nullptr, nullptr};
  int pitches[4] = {s.convertedPitch, 0, 0, 0};
  sws_scale(s.scaler, s.frame->data, s.frame->linesize, 0, h, planes, pitches);
  out.width = w;
  out.height = h;
  const std::size_t row = std::size_t(w) * 4;
  out.bgra.resize(row * std::size_t(h));
  for (int y = 0; y < h; ++y) {
    std::memcpy(out.bgra.data() + row * std::size_t(y), s.converted.data() + std::size_t(s.convertedPitch) * std::size_t(y),
                row);
  }
  const AVStream* stream = s.format->streams[s.stream];
  const std::int64_t pts = s.frame->best_effort_timestamp;
  out.seconds = pts == AV_NOPTS_VALUE ? 0.0 : double(pts) * av_q2d(stream->time_base);
  if (stream->start_time != AV_NOPTS_VALUE) out.seconds -= double(stream->start_time) * av_q2d(stream->time_base);
  av_frame_unref(s.frame);
  return true;
}

bool MediaDecoder::State::Resample(std::vector<std::int16_t>& out, const std::uint8_t* const* in, int count) {
  const int capacity = std::min(swr_get_out_samples(resampler, count), kMaxConvertedSamplesPerCall);
  outputPending = false;
  if (capacity <= 0) return true;
  const std::size_t start = out.size();
  out.resize(start + std::size_t(capacity) * kMusicChannels);
  std::uint8_t* planes[1] = {reinterpret_cast<std::uint8_t*>(out.data() + start)};
  const int made = swr_convert(resampler, planes, capacity, const_cast<const std::uint8_t**>(in), count);
  out.resize(start + std::size_t(std::max(made, 0)) * kMusicChannels);
  outputPending = made == capacity;
  return made >= 0;
}

bool MediaDecoder::ReadAudio(std::vector<std::int16_t>& out) {
  State& s = *state_;
  if (s.kind != Kind::Audio) return false;
  // What the resampler still holds comes before the next frame.
  const std::uint8_t* const kNoInput[1] = {nullptr};
  if (s.outputPending) return s.Resample(out, s.resamplerFlushed ? nullptr : kNoInput, 0);
  if (s.DecodeNext()) {
    const bool ok = s.Resample(out, s.frame->extended_data, s.frame->nb_samples);
    av_frame_unref(s.frame);
    return ok;
  }
  // At the end of the stream the resampler gives the samples it delayed.
  if (!s.flushed || s.resamplerFlushed) return false;
  s.resamplerFlushed = true;
  return s.Resample(out, nullptr, 0);
}

bool MediaDecoder::Rewind() {
  State& s = *state_;
  if (av_seek_frame(s.format, s.stream, 0, AVSEEK_FLAG_BACKWARD) < 0 &&
      avformat_seek_file(s.format, -1, INT64_MIN, 0, INT64_MAX, 0) < 0) {
    return false;
  }
  avcodec_flush_buffers(s.codec);
  s.flushed = false;
  // A flushed resampler takes no more input until it is set up again.
  if (s.resampler && s.resamplerFlushed && swr_init(s.resampler) < 0) return false;
  s.resamplerFlushed = false;
  s.outputPending = false;
  return true;
}

}  // namespace plat
