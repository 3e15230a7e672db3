// The walker's 22 animations as data: for each WalkerState, the frames shown
// step by step, which steps hold the walker in place, and the jump lifts.
#pragma once

#include <cstdint>

struct WalkerStep {
  int32_t Entry;  // FrameTable entry shown
  bool Held;      // only the frame changes; the entry's Advance is not applied
  int32_t Lift;   // pixels above the ground line for this one step
};

// Number of steps of the animation of `state`; 0 for no such state.
int32_t ScriptLength(int32_t state);
// Step `step` of the animation of `state`; an empty step outside it.
WalkerStep ScriptStep(int32_t state, int32_t step);
// The WalkerDirection that the animation leaves at its last step; 0 when it
// does not change it (everything but the two turns).
int32_t DirectionAfter(int32_t state);
