#pragma once
// The records the GUI description loader keeps while it builds the GUI.
#include <cstdint>
#include <vector>

#include "engine/core/EngineString.h"

class CGuiElement;

// One "#define NAME value" of the defines file.
struct NameIntPair {
  EngineString name;
  int32_t value = 0;
};

// One property (name, value) of an element, in document order.
struct StringPair {
  EngineString name;
  EngineString value;
};

using GuiPropertyList = std::vector<StringPair>;

// One "GuiElement" read from the description, in reading order.
struct GuiXmlElementDesc {
  EngineString name;        // the "id" attribute
  int32_t id = -1;          // the define of the name, or -1
  EngineString parentName;  // the "parentid" attribute
  CGuiElement* element = nullptr;  // not owned; null when nothing was created
  EngineString actions;     // "TARGET,Action,..." of the button types
};
