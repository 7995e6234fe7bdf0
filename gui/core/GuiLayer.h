#pragma once
// One top-level element tree of the GUI manager.
#include <cstdint>
#include <memory>

#include "gui/core/CGuiElement.h"

struct GuiLayer {
  int32_t id = 0;  // the id of the root element
  std::unique_ptr<CGuiElement> root;
  // An inactive layer is neither drawn, updated nor offered input.
  uint8_t active = 0;
  // A sticky layer keeps its active flag when layers are deactivated
  // without force.
  uint8_t sticky = 0;
};
