#pragma once
// What a program that opens a real window links so that the leak checker of
// sanitized builds reports only our own blocks: the display stack (the
// desktop bus connection SDL opens, the software renderer's caches) keeps a
// few for the life of the process, and they are not ours to free. Linked as
// its own object (display_leak_support), since it defines the checker's
// suppression list for the whole program.

namespace plat {

// Keeps every library loaded so far (the GL driver's and the window
// system's among them) loaded until the process ends, so that the leak
// checker can tell their blocks from ours. Call it once a live window or
// device exists.
void KeepRendererLoaded();

}  // namespace plat
