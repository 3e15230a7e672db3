#include "scene/random.h"

namespace {
// The state RandomSeed(1) leaves: 1, advanced once.
uint32_t RandomState = 1u * 22695477u + 1u;
}  // namespace

int32_t RandomNext() {
  RandomState = RandomState * 22695477u + 1u;
  return static_cast<int32_t>((RandomState >> 16) & 0x7FFFu);
}

void RandomSeed(uint32_t seed) {
  RandomState = seed;
  RandomNext();
}
