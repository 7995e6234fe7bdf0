// Any bytes as the events file: every event the reader hands over is whole,
// carries its position in the file, and its operator is never the spelled
// form of "<".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/XmlEncoding.h"
#include "engine/core/XmlNode.h"
#include "park/REraduzizEventClass.h"
#include "park/events/ParkEvent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = XmlDecodeFileText(std::string(reinterpret_cast<const char*>(data), size));
  REraduzizEventClass manager;
  int32_t offered = 0;
  manager.LoadFromNode(XmlNode::ParseString(text.c_str(), "EventDescriptor"),
                       [&](const EngineString& scope, ParkEvent& event) {
                         if (event.index != offered++ || scope != event.scope) std::abort();
                         if (event.reasonOperator == "less") std::abort();
                         return scope.Length() % 2 == 0;
                       });
  for (const auto& event : manager.GetEvents()) {
    if (event->scope.Length() % 2 != 0 || event->callbackContext != &manager) std::abort();
  }
  return 0;
}
