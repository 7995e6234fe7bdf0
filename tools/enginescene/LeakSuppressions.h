#pragma once
// The leak checker can only tell where a block came from while its library
// is loaded, so the renderer's libraries stay loaded to the end once the
// live device has opened them.
void KeepRendererLoaded();
