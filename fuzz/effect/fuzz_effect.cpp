// Effect parser on arbitrary text; what it accepts must hold together: every
// pass names existing shaders of the right stage, every initial value fits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/EffectDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plat::EffectDescription effect;
  std::string error;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!plat::ParseEffect(text, effect, error)) {
    if (error.rfind("line ", 0) != 0) __builtin_trap();
    return 0;
  }
  for (const plat::EffectParameter& p : effect.parameters) {
    std::size_t elements = p.arraySize ? p.arraySize : 1;
    if (p.initial.floats.size() != plat::EffectFloatCount(p.type) * elements) __builtin_trap();
  }
  for (const plat::EffectTechnique& t : effect.techniques) {
    if (t.passes.empty()) __builtin_trap();
    for (const plat::EffectPass& pass : t.passes) {
      for (const std::string* name : {&pass.vertexShader, &pass.fragmentShader}) {
        if (!name->empty() && !effect.FindShader(*name)) __builtin_trap();
      }
    }
  }
  return 0;
}
