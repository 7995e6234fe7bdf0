#include "platform/os/TextCodec.h"

#include <cstdint>

namespace plat {

namespace {

// Unicode of the bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the control characters of the same number, so that they
// survive a round trip.
constexpr char32_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char kUnmappable = '?';

char32_t Cp1252ToCodePoint(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kHighBlock[byte - 0x80] : byte;
}

char CodePointToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (unsigned i = 0; i < 32; ++i) {
    if (kHighBlock[i] == cp) return static_cast<char>(0x80 + i);
  }
  return kUnmappable;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    // Every character of the code page lies in the basic plane.
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// byte there does not start a well-formed sequence (overlong forms, surrogates
// and values past U+10FFFF included).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length;
  char32_t min;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    min = 0x80;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    min = 0x800;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    min = 0x10000;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - i < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// How much of the text the zero-byte test looks at.
constexpr std::size_t kSampleBytes = 512;

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(text, i, cp);
    out += length ? CodePointToCp1252(cp) : kUnmappable;
    i += length ? length : 1;
  }
  return out;
}

std::string Utf16ToCp1252(const char16_t* units, std::size_t count) {
  std::string out;
  if (!units) return out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (IsHighSurrogate(units[i]) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
      ++i;  // outside the basic plane, so outside the code page
      out += kUnmappable;
    } else if (IsHighSurrogate(units[i]) || IsLowSurrogate(units[i])) {
      out += kUnmappable;
    } else {
      out += CodePointToCp1252(units[i]);
    }
  }
  return out;
}

Utf16Kind DetectUtf16(const void* bytes, std::size_t size) {
  if (!bytes || size < 2) return Utf16Kind::NotUtf16;
  const auto* data = static_cast<const unsigned char*>(bytes);
  if (data[0] == 0xFF && data[1] == 0xFE) return Utf16Kind::LittleEndian;
  if (data[0] == 0xFE && data[1] == 0xFF) return Utf16Kind::BigEndian;

  const std::size_t units = (size < kSampleBytes ? size : kSampleBytes) / 2;
  if (units < 2) return Utf16Kind::NotUtf16;
  std::size_t zeroEven = 0, zeroOdd = 0;
  for (std::size_t u = 0; u < units; ++u) {
    zeroEven += data[2 * u] == 0;
    zeroOdd += data[2 * u + 1] == 0;
  }
  // Mostly-ASCII UTF-16 has zero high bytes, while its low bytes are text;
  // data zero in both halves (padding, binary) is not text at all.
  const bool oddMostlyZero = zeroOdd * 2 > units;
  const bool evenMostlyZero = zeroEven * 2 > units;
  if (oddMostlyZero && !evenMostlyZero) return Utf16Kind::LittleEndian;
  if (evenMostlyZero && !oddMostlyZero) return Utf16Kind::BigEndian;
  return Utf16Kind::NotUtf16;
}

}  // namespace plat
