#include "platform/media/MediaWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswscale/swscale.h>
}

#include <cstring>
#include <memory>

namespace plat {

namespace {

// Everything one output file needs, freed in one place.
struct Output {
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVStream* stream = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  bool headerWritten = false;

  ~Output() {
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    if (format) {
      if (format->pb) avio_closep(&format->pb);
      avformat_free_context(format);
    }
  }

  bool Open(const std::string& path, AVCodecID id, const std::function<void(AVCodecContext&)>& setUp,
            std::string* error);
  // Sends a frame (null flushes) and writes every packet that comes out.
  bool Send(AVFrame* input);
  bool Finish();
};

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

bool Output::Open(const std::string& path, AVCodecID id,
                  const std::function<void(AVCodecContext&)>& setUp, std::string* error) {
  if (avformat_alloc_output_context2(&format, nullptr, nullptr, path.c_str()) < 0 || !format) {
    return Fail(error, "no container for " + path);
  }
  const AVCodec* encoder = avcodec_find_encoder(id);
  if (!encoder) return Fail(error, "no encoder");
  stream = avformat_new_stream(format, nullptr);
  codec = avcodec_alloc_context3(encoder);
  frame = av_frame_alloc();
  packet = av_packet_alloc();
  if (!stream || !codec || !frame || !packet) return Fail(error, "out of memory");
  setUp(*codec);
  if (format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(codec, encoder, nullptr) < 0) return Fail(error, "the encoder does not open");
  if (avcodec_parameters_from_context(stream->codecpar, codec) < 0) return Fail(error, "parameters");
  stream->time_base = codec->time_base;
  if (avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return Fail(error, "cannot write " + path);
  if (avformat_write_header(format, nullptr) < 0) return Fail(error, "header");
  headerWritten = true;
  return true;
}

bool Output::Send(AVFrame* input) {
  if (avcodec_send_frame(codec, input) < 0) return false;
  for (;;) {
    const int got = avcodec_receive_packet(codec, packet);
    if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return true;
    if (got < 0) return false;
    av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
    packet->stream_index = stream->index;
    if (av_interleaved_write_frame(format, packet) < 0) return false;
  }
}

bool Output::Finish() { return Send(nullptr) && av_write_trailer(format) == 0; }

}  // namespace

bool WriteVideoFile(const std::string& hostPath, int width, int height, int frameCount, int fps,
                    const FramePainter& paint, std::string* error) {
  if (width <= 0 || height <= 0 || width % 2 || height % 2 || frameCount <= 0 || fps <= 0) {
    return Fail(error, "bad video size");
  }
  Output out;
  const bool opened = out.Open(hostPath, AV_CODEC_ID_MPEG4, [&](AVCodecContext& c) {
    c.width = width;
    c.height = height;
    c.time_base = AVRational{1, fps};
    c.framerate = AVRational{fps, 1};
    c.pix_fmt = AV_PIX_FMT_YUV420P;
    c.gop_size = 12;
    c.bit_rate = 800000;
  }, error);
  if (!opened) return false;
  out.frame->format = AV_PIX_FMT_YUV420P;
  out.frame->width = width;
  out.frame->height = height;
  if (av_frame_get_buffer(out.frame, 0) < 0) return Fail(error, "out of memory");
  SwsContext* scaler = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height,
                                      AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!scaler) return Fail(error, "no converter");
  std::unique_ptr<SwsContext, void (*)(SwsContext*)> scalerOwner(scaler, sws_freeContext);
  std::vector<std::uint8_t> bgra(std::size_t(width) * std::size_t(height) * 4);
  for (int i = 0; i < frameCount; ++i) {
    paint(i, bgra);
    if (av_frame_make_writable(out.frame) < 0) return Fail(error, "frame");
    const std::uint8_t* source[1] = {bgra.data()};
    const int pitch[1] = {width * 4};
    sws_scale(scaler, source, pitch, 0, height, out.frame->data, out.frame->linesize);
    out.frame->pts = i;
    if (!out.Send(out.frame)) return Fail(error, "encoding failed");
  }
  return out.Finish() || Fail(error, "trailer");
}

bool WriteMusicFile(const std::string& hostPath, const std::vector<std::int16_t>& samples,
                    int channels, int sampleRate, std::string* error) {
  if (channels < 1 || channels > 2 || sampleRate <= 0) return Fail(error, "bad audio format");
  Output out;
  const bool opened = out.Open(hostPath, AV_CODEC_ID_PCM_S16LE, [&](AVCodecContext& c) {
    c.sample_fmt = AV_SAMPLE_FMT_S16;
    c.sample_rate = sampleRate;
    c.time_base = AVRational{1, sampleRate};
    av_channel_layout_default(&c.ch_layout, channels);
  }, error);
  if (!opened) return false;
  const int chunk = 1024;
  const int total = int(samples.size() / std::size_t(channels));
  for (int start = 0; start < total; start += chunk) {
    const int count = std::min(chunk, total - start);
    av_frame_unref(out.frame);
    out.frame->format = AV_SAMPLE_FMT_S16;
    out.frame->nb_samples = count;
    out.frame->sample_rate = sampleRate;
    if (av_channel_layout_copy(&out.frame->ch_layout, &out.codec->ch_layout) < 0 ||
        av_frame_get_buffer(out.frame, 0) < 0) {
      return Fail(error, "out of memory");
    }
    std::memcpy(out.frame->data[0], samples.data() + std::size_t(start) * std::size_t(channels),
                std::size_t(count) * std::size_t(channels) * sizeof(std::int16_t));
    out.frame->pts = start;
    if (!out.Send(out.frame)) return Fail(error, "encoding failed");
  }
  return out.Finish() || Fail(error, "trailer");
}

}  // namespace plat
