#pragma once
// What a widget needs of the GUI manager and the sound manager without
// depending on either: posting a command, the text of a text id and a
// named click sound. Each does nothing (or gives an empty text) while its
// manager does not exist.
#include <cstdint>

#include "engine/core/EngineString.h"

// The text of a text setter: id -1 means the literal, any other id is
// looked up in the GUI manager's table (empty without a manager).
EngineString GuiTextFor(int32_t id, const EngineString& literal);
// Posts through the GUI manager when there is one.
void GuiPost(int32_t sender, int32_t target, int32_t code, int32_t control, int32_t parameter);
// Plays a named sound through the sound manager when there is one.
void GuiPlaySound(const char* name);
