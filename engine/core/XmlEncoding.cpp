#include "engine/core/XmlEncoding.h"

#include <strings.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/os/TextCodec.h"

namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead == 0x00) return 0;
  if (lead < 0xC2) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 1;
}

bool IsLineSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* SkipLineSpace(const char* p) {
  while (IsLineSpace(*p)) ++p;
  return p;
}

// Every multibyte lead byte must be followed by continuation bytes. A
// sequence cut off by the end of the sample cannot be judged and passes.
bool HasWellFormedSequences(const unsigned char* bytes, std::size_t length) {
  std::size_t i = 0;
  while (i < length && bytes[i] != 0) {
    const std::size_t n = Utf8SequenceLength(bytes[i]);
    for (std::size_t k = 1; k < n && i + k < length; ++k) {
      if ((bytes[i + k] & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

// Looks at the encoding attribute of the first 200 bytes; anything missing
// on the way counts as UTF-8.
bool EncodingAttributeAllowsUtf8(const char* bytes, std::size_t length) {
  constexpr std::size_t kSample = 200;
  const std::string sample(bytes, length < kSample ? length : kSample);
  const char* p = std::strstr(sample.c_str(), "encoding");
  if (!p) return true;
  p = SkipLineSpace(p + std::strlen("encoding"));
  if (*p != '=') return true;
  p = SkipLineSpace(p + 1);
  if (*p != '"' && *p != '\'') return true;
  p = SkipLineSpace(p + 1);
  return strncasecmp(p, "utf-8", 5) == 0 || strncasecmp(p, "utf8", 4) == 0;
}

}  // namespace

bool XmlGuessEncoding(const void* bytes, std::size_t length, bool useEncodingAttribute) {
  constexpr std::size_t kMinimumLength = 25;
  if (!bytes || length < kMinimumLength) return false;
  if (plat::DetectUtf16(bytes, length) != plat::Utf16Kind::NotUtf16) return false;
  const auto* b = static_cast<const unsigned char*>(bytes);
  if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return true;
  if (!HasWellFormedSequences(b, length)) return false;
  if (!useEncodingAttribute) return true;
  return EncodingAttributeAllowsUtf8(static_cast<const char*>(bytes), length);
}

std::size_t XmlCharLength(const char* p, XmlCharset charset) {
  if (*p == '\0') return 0;
  if (charset == XmlCharset::SingleByte) return 1;
  const std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(*p));
  for (std::size_t k = 1; k < n; ++k) {
    if (p[k] == '\0') return k;
  }
  return n;
}

std::string XmlDecodeFileText(const std::string& bytes) {
  const plat::Utf16Kind kind = plat::DetectUtf16(bytes.data(), bytes.size());
  if (kind == plat::Utf16Kind::NotUtf16) {
    const bool bom = bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    return bom ? bytes.substr(3) : bytes;
  }
  const bool bigEndian = kind == plat::Utf16Kind::BigEndian;
  std::vector<char16_t> units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first)));
  }
  const std::size_t skip = !units.empty() && units[0] == 0xFEFF ? 1 : 0;
  return plat::Utf16ToCp1252(units.data() + skip, units.size() - skip);
}
