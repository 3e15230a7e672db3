#include "scene/walker_scripts.h"

#include "scene/sprite_frame.h"

namespace {

constexpr WalkerStep S(int32_t entry, int32_t lift = 0) { return {entry, false, lift}; }
constexpr WalkerStep Held(int32_t entry) { return {entry, true, 0}; }

constexpr WalkerStep TurnToSmallerX[] = {S(59), S(58)};
constexpr WalkerStep TurnToLargerX[] = {S(58), S(59)};

// The animations towards larger x (states 3 to 12). Those towards smaller x
// (13 to 22) are their mirror images and are derived, not written again.
constexpr WalkerStep Walk[] = {S(29), S(30), S(29), S(30), S(29), S(30), S(29), S(30), S(29), S(30)};
constexpr WalkerStep RunThenWalk[] = {S(31), S(32), S(31), S(32), S(31), S(32), S(31), S(32), S(31),
                                      S(32), S(31), S(32), S(31), S(32), S(29), S(30), S(29), S(30)};
constexpr WalkerStep RunJumpRun[] = {S(31), S(32), S(31), S(32), S(46, 7), S(46, 14), S(47, 28), S(47, 28),
                                     S(48, 28), S(48, 14), S(48, 0), S(31), S(32), S(31), S(32)};
constexpr WalkerStep InPlace6[] = {Held(29), S(33), S(34), S(35), S(35), S(35),
                                   S(35), S(35), S(34), S(33), Held(29)};
constexpr WalkerStep InPlace7[] = {Held(29), S(36), S(37), S(38), S(37), S(38), S(37), S(38), S(36)};
constexpr WalkerStep InPlace8[] = {S(42), S(43), S(42), S(43), S(42), S(43), S(42), S(43), S(42), S(43)};
constexpr WalkerStep InPlace9[] = {S(44), S(45), S(44), S(45), S(44), S(45), S(44),
                                   S(45), S(44), S(45), S(44), S(45), S(44), S(45)};
constexpr WalkerStep InPlace10[] = {S(49), S(50), S(49), S(50), S(49), S(50), S(49), S(50), S(49), S(50)};
constexpr WalkerStep InPlace11[] = {S(51), S(52), S(53), S(52), S(53), S(52), S(51), Held(29)};
constexpr WalkerStep InPlace12[] = {Held(29), S(54), S(55), S(56), S(57), S(56), S(57), S(56), S(57), S(56),
                                    S(57), S(56), S(57), S(56), S(57), S(56), S(57), S(55), S(54)};

struct Script {
  const WalkerStep* Steps;
  int32_t Length;
};

template <int32_t N>
constexpr Script Of(const WalkerStep (&steps)[N]) { return {steps, N}; }

// Index: WalkerState 1 to 12.
constexpr Script Scripts[] = {
    Of(TurnToSmallerX), Of(TurnToLargerX), Of(Walk),     Of(RunThenWalk), Of(RunJumpRun), Of(InPlace6),
    Of(InPlace7),       Of(InPlace8),      Of(InPlace9), Of(InPlace10),   Of(InPlace11),  Of(InPlace12),
};
constexpr int32_t LastWrittenState = 12;
constexpr int32_t MirrorOffset = 10;  // state s + 10 mirrors state s, for s = 3 to 12
constexpr int32_t LastState = LastWrittenState + MirrorOffset;

// The written state that `state` plays, or 0 for no such state.
int32_t WrittenState(int32_t state) {
  if (state < 1 || state > LastState) return 0;
  return state > LastWrittenState ? state - MirrorOffset : state;
}

}  // namespace

int32_t ScriptLength(int32_t state) {
  const int32_t written = WrittenState(state);
  return written ? Scripts[written - 1].Length : 0;
}

WalkerStep ScriptStep(int32_t state, int32_t step) {
  const int32_t written = WrittenState(state);
  if (!written || step < 0 || step >= Scripts[written - 1].Length) return {};
  WalkerStep result = Scripts[written - 1].Steps[step];
  // The twin frame faces the other way, with the opposite Advance.
  if (state > LastWrittenState) result.Entry -= TwinDistance;
  return result;
}

int32_t DirectionAfter(int32_t state) {
  if (state == 1) return 2;
  if (state == 2) return 1;
  return 0;
}
