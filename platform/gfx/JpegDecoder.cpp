#include "platform/gfx/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h expects size_t and FILE to be declared before it.
#include <jpeglib.h>

namespace plat {

namespace {

// Progressive files can hold any number of scans, each a pass over the whole
// picture; a few hundred bytes could then keep the decoder busy for minutes.
// Encoders write about ten.
constexpr long kMaxScans = 100;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecoding(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings (a damaged stream the decoder works around) are not printed.
void IgnoreMessage(j_common_ptr, int) {}

void LimitScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->is_decompressor && decompress->input_scan_number > kMaxScans) {
    std::snprintf(reinterpret_cast<ErrorManager*>(info->err)->message, JMSG_LENGTH_MAX, "too many scans");
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
  }
}

// The largest component of a well-formed file codes at least one bit per 8x8
// block, so one byte stands for at most 512 pixels. The decoder pads missing
// data, so a file far too short is refused before any pixel is made.
constexpr std::int64_t kMaxPixelsPerByte = 512;

// The decoding steps, which a libjpeg failure leaves by a jump. Kept out of
// line so that none of its objects lives in the frame that the jump returns
// to.
[[gnu::noinline]] bool ReadImage(jpeg_decompress_struct& info, jpeg_progress_mgr& progress, const std::uint8_t* data,
                                 std::size_t size, ImageLevel& level, std::string& error) {
  jpeg_create_decompress(&info);
  progress.progress_monitor = LimitScans;
  info.progress = &progress;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (!CheckImageSize(info.image_width, info.image_height, size, kMaxPixelsPerByte, error)) return false;
  info.out_color_space = JCS_EXT_BGRA;  // A8R8G8B8 in memory, alpha filled with 255
  jpeg_start_decompress(&info);
  level.width = int(info.output_width);
  level.height = int(info.output_height);
  level.pitch = level.width * 4;
  level.bytes.resize(std::size_t(level.pitch) * std::size_t(level.height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = level.bytes.data() + std::size_t(level.pitch) * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

// ReadImage with the jump target set: false when it failed, and `jumped`
// when libjpeg failed (its message is in `errors`). Holds only what the
// caller owns.
bool ReadWithJump(jpeg_decompress_struct& info, ErrorManager& errors, jpeg_progress_mgr& progress,
                  const std::uint8_t* data, std::size_t size, ImageLevel& level, std::string& error, bool& jumped) {
  if (setjmp(errors.jump)) {
    jumped = true;
    return false;
  }
  return ReadImage(info, progress, data, size, level, error);
}

bool DecodeInto(const std::uint8_t* data, std::size_t size, ImageLevel& level, std::string& error) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  jpeg_progress_mgr progress{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = FailDecoding;
  errors.base.emit_message = IgnoreMessage;
  bool jumped = false;
  const bool read = ReadWithJump(info, errors, progress, data, size, level, error, jumped);
  // Also after a failed creation: a structure libjpeg never set up holds no memory.
  jpeg_destroy_decompress(&info);
  if (jumped) error = std::string("JPEG decode failed: ") + errors.message;
  return read;
}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, Image& out, std::string& error) {
  ImageLevel level;
  if (!DecodeInto(data, size, level, error)) return false;
  out = Image{};
  out.format = Format::A8R8G8B8;
  out.width = level.width;
  out.height = level.height;
  out.levels.push_back(std::move(level));
  return true;
}

}  // namespace plat
