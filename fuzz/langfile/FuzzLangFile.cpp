// Any bytes given to the GUI text table as the language file, then looked
// up the way the widgets do.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gui/core/GuiTextTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GuiTextTable table;
  table.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  for (int32_t id : {0, 1, -1, 100146}) (void)table.Get(id).Length();
  return 0;
}
