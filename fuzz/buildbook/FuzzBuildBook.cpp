// Any bytes as the build book's file: the reader keeps what it can, and
// every entry it keeps has yes-or-no flags, no picture and no description
// of its own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/XmlEncoding.h"
#include "engine/core/XmlNode.h"
#include "screens/REraduzizBuildBookFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = XmlDecodeFileText(std::string(reinterpret_cast<const char*>(data), size));
  buildbook::RealmLists realms;
  buildbook::ReadBook(XmlNode::ParseString(text.c_str(), buildbook::kRootTag), realms);
  for (const auto& realm : realms) {
    for (const BookItem& item : realm) {
      if (item.animated > 1 || item.enabled > 1 || item.built != 0) std::abort();
      if (item.picture != nullptr || item.description.Length() != 0) std::abort();
    }
  }
  return 0;
}
