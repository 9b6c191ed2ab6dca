#include "kit/random.h"

namespace {
SeededRandom production;
}

RandomSource* RNG = &production;

double SeededRandom::next() {
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double Random() {
  return RNG->next();
}

int Random(int n) {
  int k = static_cast<int>(RNG->next() * n);
  return k < n ? k : n - 1;
}
