#pragma once
// The live window's event pump hands every event to FeedSdlEvent; keyboard,
// mouse and focus events update the input source, the rest are ignored.
#include "platform/input/InputSource.h"

union SDL_Event;

namespace plat {

// True when the event was keyboard or mouse input, or a focus loss (which
// lets go of every key and button so that none stays stuck down).
bool FeedSdlEvent(const SDL_Event& event, InputSource& source = InputSource::Shared());

// Has the live window's event pump hand every event to FeedSdlEvent on the
// shared source. Harmless without a live window; calling it again changes
// nothing.
void ConnectWindowInput();

// The pieces of FeedSdlEvent, in the window library's numbers: a key by its
// scan code, a button by its number (1 left, 2 middle, 3 right, 4 first extra).
void FeedSdlKey(int sdlScancode, bool down, InputSource& source = InputSource::Shared());
void FeedSdlMouseButton(int sdlButton, bool down, InputSource& source = InputSource::Shared());

}  // namespace plat
