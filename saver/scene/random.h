// The scene's one random generator, shared by the snowfall and the walker.
// Its exact sequence is behaviour: the opening flake pattern comes from it.
#pragma once

#include <cstdint>

// 0 to 32767: the state becomes state * 22695477 + 1 (mod 2^32) and bits 16
// to 30 of the new state are returned.
int32_t RandomNext();
// The state becomes the seed and one draw is thrown away. The process starts
// in the state that RandomSeed(1) leaves.
void RandomSeed(uint32_t seed);
