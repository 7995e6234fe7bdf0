// The display stack keeps a few blocks for the life of the process (the
// desktop bus connection SDL opens, the software renderer's compiler
// caches); they are not ours to free, so the leak checker skips them. It
// can only tell where a block came from while that library is loaded, so
// the renderer's libraries are kept loaded to the end.
#include <dlfcn.h>
#include <link.h>

#include <cstring>

#include "tests/support/DisplayLeaks.h"

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n"
         "leak:libLLVM\n"
         "leak:_dri.so\n"
         "leak:libgallium\n"
         "leak:libGLX_mesa.so\n"
         "leak:libX11.so\n";
}

namespace test_support {

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

}  // namespace test_support
