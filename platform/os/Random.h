#pragma once
// The game's formulas assume this C-runtime generator: results
// 0..32767 from x = x * 214013 + 2531011, (x >> 16) & 0x7FFF, seed 1 until
// SRand, with a sequence of its own in every thread (SRand seeds the
// calling thread's). Nothing in the game calls the C library's rand directly.
namespace plat {

constexpr int kRandMax = 32767;

int Rand();
void SRand(unsigned int seed);

}  // namespace plat
