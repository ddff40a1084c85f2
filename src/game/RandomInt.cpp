#include "game/RandomInt.h"

#include <cstdlib>
#include <ctime>

namespace {
bool rngSeeded = false;
}

int RandomInt(int lo, int hi) {
  // An empty or one-value range has only lo to give; the modulus below would divide by zero.
  if (hi <= lo) return lo;
  if (!rngSeeded) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    rngSeeded = true;
  }
  // Widened: hi - lo overflows an int for the widest ranges.
  const long long span = static_cast<long long>(hi) - lo + 1;
  return static_cast<int>(lo + std::rand() % span);
}

void ResetRandomSeed() {
  rngSeeded = false;
}
