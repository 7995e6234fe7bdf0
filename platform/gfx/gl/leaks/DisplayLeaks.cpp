#include "platform/gfx/gl/leaks/DisplayLeaks.h"

#include <dlfcn.h>
#include <link.h>

#include <cstddef>

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n"
         "leak:libLLVM\n"
         "leak:_dri.so\n"
         "leak:libgallium\n"
         "leak:libGLX_mesa.so\n"
         "leak:libX11.so\n";
}

namespace plat {

void KeepRendererLoaded() {
  // Every library loaded so far: the driver's and the window system's are
  // loaded on demand (GLX or EGL, X or Wayland, whichever SDL picked), and
  // any of them unloaded before the check turns its blocks into anonymous ones.
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void*) {
        const char* name = info->dlpi_name;
        if (name != nullptr && *name != '\0') {
          // A second reference that is never dropped (and may not be).
          dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        }
        return 0;
      },
      nullptr);
}

}  // namespace plat
