// Any bytes given to the XML reader as a file would be: encoding guess and
// decoding, then parses with and without a tag in both character sets.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/core/XmlEncoding.h"
#include "engine/core/XmlNode.h"

namespace {

// Touches what a loader would read, so the tree itself is walked too.
void Walk(const XmlNode& node) {
  for (int i = 0; i < 8; ++i) {
    const XmlNode child = node.GetChildNodeByIndex(i);
    if (child.IsEmpty()) break;
    (void)child.GetName();
    (void)child.GetAttribute("id");
    (void)child.GetText();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const bool utf8 = XmlGuessEncoding(bytes.data(), bytes.size(), true);
  XmlGuessEncoding(bytes.data(), bytes.size(), false);
  const std::string text = XmlDecodeFileText(bytes);  // NUL-terminated
  const XmlCharset charset = utf8 ? XmlCharset::Utf8 : XmlCharset::SingleByte;
  XmlParseResult result;
  Walk(XmlNode::ParseString(text.c_str(), nullptr, &result, charset));
  Walk(XmlNode::ParseString(text.c_str(), "GUI", &result, charset));
  Walk(XmlNode::ParseString(text.c_str(), nullptr, &result,
                            utf8 ? XmlCharset::SingleByte : XmlCharset::Utf8));
  return 0;
}
