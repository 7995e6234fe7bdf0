#pragma once
// Character handling of the XML reader: which bytes form one character.
#include <cstddef>
#include <cstdint>
#include <string>

enum class XmlCharset { Utf8, SingleByte };

// True when the bytes look like UTF-8 text: not UTF-16, and either a UTF-8
// byte-order mark or well-formed multibyte sequences, and (when asked) no
// encoding attribute that names something else. Fewer than 25 bytes: false.
bool XmlGuessEncoding(const void* bytes, std::size_t length, bool useEncodingAttribute);

// Bytes of the character at p by the charset's length table; 0 at the NUL.
// Never counts past a NUL, so a truncated sequence ends at the terminator.
std::size_t XmlCharLength(const char* p, XmlCharset charset);

// A whole file's bytes as single-byte or UTF-8 text: UTF-16 (either byte
// order, with or without a byte-order mark) becomes Windows-1252, a UTF-8
// byte-order mark is dropped. A trailing odd byte of UTF-16 is ignored.
std::string XmlDecodeFileText(const std::string& bytes);
