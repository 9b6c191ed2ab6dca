#pragma once
// The game's random source. Never seeded from the clock: every visit draws the
// same sequence. Tests may put a scripted source in its place.

#include <cstdint>

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double next() = 0;  // uniform in [0, 1)
};

// A fixed-seed generator (splitmix64).
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed = kSeed) : state_(seed) {}
  double next() override;
  static constexpr std::uint64_t kSeed = 0x5707'4d48'a110'0002ULL;

 private:
  std::uint64_t state_;
};

extern RandomSource* RNG;

double Random();    // uniform real in [0, 1)
int Random(int n);  // uniform integer 0 to n - 1
