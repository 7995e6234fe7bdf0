#include "platform/gfx/gl/leaks/DisplayLeaks.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

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
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void*) {
        const char* name = info->dlpi_name;
        if (name != nullptr && (std::strstr(name, "libLLVM") || std::strstr(name, "_dri.so") ||
                                std::strstr(name, "libgallium"))) {
          // A second reference that is never dropped (and may not be).
          dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        }
        return 0;
      },
      nullptr);
}

}  // namespace plat
