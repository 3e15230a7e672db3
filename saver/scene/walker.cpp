// The walker's timing, its height on the ground line, the camera that
// follows it, and its blit.
#include "display/display.h"
#include "scene/ground_line.h"
#include "scene/snow.h"

namespace {

constexpr int32_t PageWidth = 640;
constexpr int32_t FrameHeight = 44;
constexpr int32_t LastScrollX = 639;  // world x 1279 is never shown
constexpr int32_t CameraOffset = 320;

}  // namespace

void Snow::UpdateWalker() {
  // Only the remainder modulo 4 matters; wrapping at 2^32 keeps the
  // four-tick cycle intact and avoids signed overflow after 600 days.
  TickCounter = static_cast<int32_t>(static_cast<uint32_t>(TickCounter) + 1u);
  if (TickCounter % 4 == 0) {
    if (FrameCounter == AnimationEnded) {
      FrameCounter = 0;
      ChooseWalkerState();
    } else {
      ++FrameCounter;
    }
    // From the position the previous step left; the script moves it next.
    WalkerY = static_cast<int32_t>(GroundY(static_cast<float>(WalkerX)) - FrameHeight);
    RunWalkerScript(FrameCounter);
  }

  const int32_t target = WalkerX - CameraOffset;
  if (target < ScrollX) {
    --ScrollX;
  } else if (target > ScrollX) {
    ++ScrollX;
  }
  if (ScrollX < 0) {
    ScrollX = 0;
  } else if (ScrollX > LastScrollX) {
    ScrollX = LastScrollX;
  }
}

bool Snow::DrawWalker() {
  UpdateWalker();

  // At the right end of its walk the frame reaches past the page, and
  // DirectDraw refuses a blit that leaves the surface: draw the part on it.
  int32_t x = WalkerX - ScrollX;
  RECT source = WalkerFrame;
  if (x < 0) {
    source.left -= x;
    x = 0;
  }
  const int32_t overhang = x + (source.right - source.left) - PageWidth;
  if (overhang > 0) source.right -= overhang;
  if (source.right <= source.left) return true;  // nothing of it is on the page

  return BlitToBack(x, WalkerY, SpriteSurface, source, true);
}
