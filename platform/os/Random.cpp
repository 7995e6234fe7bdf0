#include "platform/os/Random.h"

#include <cstdint>

namespace plat {

namespace {

// Each thread draws its own sequence, as the C runtime's generator does: a
// loading thread starts from seed 1 whatever the window thread has drawn
// meanwhile, so that the park a game starts with does not hang on how the
// threads happened to take turns.
thread_local std::uint32_t g_state = 1;

constexpr std::uint32_t Next(std::uint32_t x) { return x * 214013u + 2531011u; }

}  // namespace

int Rand() {
  g_state = Next(g_state);
  return static_cast<int>((g_state >> 16) & 0x7FFF);
}

void SRand(unsigned int seed) { g_state = seed; }

}  // namespace plat
