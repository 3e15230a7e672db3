// Which animation the walker plays next, and playing one step of it.
#include "scene/random.h"
#include "scene/snow.h"
#include "scene/walker_scripts.h"

namespace {

// A free choice from r = 0..26, for the direction whose walk is `walk`
// (3 or 13) and whose turn is `turn` (1 or 2): the walk 11 times in 27, the
// run 6, the jump and each animation in place once, the turn twice.
int32_t StateFor(int32_t r, int32_t walk, int32_t turn) {
  if (r <= 9) return walk + r;
  if (r <= 14) return walk + 1;
  if (r <= 24) return walk;
  return turn;
}

}  // namespace

void Snow::ChooseWalkerState() {
  if (WalkerDirection == 1) {
    // Turn before the longest move (a run of 128) could leave the panorama
    // or the walker runs too far ahead of the view.
    if (WalkerX >= 1120 || WalkerX - ScrollX >= 480) {
      WalkerState = 1;
      return;
    }
    WalkerState = StateFor(RandomNext() % 27, 3, 1);
  } else {
    if (WalkerX <= 200 || WalkerX - ScrollX <= 140) {
      WalkerState = 2;
      return;
    }
    WalkerState = StateFor(RandomNext() % 27, 13, 2);
  }
}

void Snow::RunWalkerScript(int32_t step) {
  const int32_t length = ScriptLength(WalkerState);
  if (step < 0 || step >= length) return;
  const WalkerStep played = ScriptStep(WalkerState, step);
  const SpriteFrame& frame = FrameTable[played.Entry];
  WalkerFrame = frame.Source;
  if (!played.Held) WalkerX += frame.Advance;
  // WalkerY was just taken from the ground line, so a lift lasts one step.
  WalkerY -= played.Lift;
  if (step == length - 1) {
    FrameCounter = AnimationEnded;
    if (const int32_t direction = DirectionAfter(WalkerState)) WalkerDirection = direction;
  }
}
