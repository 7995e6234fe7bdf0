#include "platform/gfx/Format.h"

namespace plat {

int BytesPerPixel(Format format) {
  switch (format) {
    case Format::A8:
    case Format::L8:
      return 1;
    case Format::R5G6B5:
    case Format::X1R5G5B5:
    case Format::A1R5G5B5:
    case Format::A4R4G4B4:
    case Format::D16:
      return 2;
    case Format::R8G8B8:
      return 3;
    case Format::A8R8G8B8:
    case Format::X8R8G8B8:
    case Format::D24S8:
    case Format::R32F:
      return 4;
    default:
      return 0;
  }
}

bool IsBlockCompressed(Format format) {
  return format == Format::Dxt1 || format == Format::Dxt3 || format == Format::Dxt5;
}

}  // namespace plat
