#include "platform/os/Random.h"

#include <atomic>
#include <cstdint>

namespace plat {

namespace {

std::atomic<std::uint32_t> g_state{1};

constexpr std::uint32_t Next(std::uint32_t x) { return x * 214013u + 2531011u; }

}  // namespace

int Rand() {
  std::uint32_t old = g_state.load(std::memory_order_relaxed);
  while (!g_state.compare_exchange_weak(old, Next(old), std::memory_order_relaxed)) {
  }
  return static_cast<int>((Next(old) >> 16) & 0x7FFF);
}

void SRand(unsigned int seed) { g_state.store(seed, std::memory_order_relaxed); }

}  // namespace plat
