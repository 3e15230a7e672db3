// A million frames (about seven hours of screensaver) at several winds, on
// page surfaces that refuse, as DirectDraw does, any blit leaving a surface.
#include <gtest/gtest.h>

#include <climits>

#include "page_surface.h"
#include "scene/snow.h"
#include "scene_test_support.h"

namespace {

constexpr int64_t Ticks = 1000000;

// Checks every invariant of the scene after one tick; the first one broken
// is described in `fault`.
bool Holds(const Snow& snow, std::string& fault) {
  const int32_t screenX = snow.WalkerX - snow.ScrollX;
  if (snow.WalkerX % 4 != 0 || snow.WalkerX < 76 || snow.WalkerX > 1244)
    fault = "WalkerX " + std::to_string(snow.WalkerX);
  else if (snow.ScrollX < 0 || snow.ScrollX > 639)
    fault = "ScrollX " + std::to_string(snow.ScrollX);
  else if (screenX < 76 || screenX > 605)
    fault = "walker at screen x " + std::to_string(screenX);
  else if (snow.WalkerY < 284 || snow.WalkerY > 397)
    fault = "WalkerY " + std::to_string(snow.WalkerY);
  if (!fault.empty()) return false;
  for (int32_t i = 0; i < FlakeCount; ++i) {
    const Flake& flake = *snow.Flakes[i];
    const int32_t kind = i < 30 ? 1 : i < 80 ? 2 : 3;
    const bool inBand = snow.Wind >= 0 ? flake.X >= 0 && flake.X < 632 : flake.X > -632 && flake.X < 632;
    if (!inBand || flake.Y < 0 || flake.Y >= FlakeFloor(kind) || flake.Kind != kind || flake.Speed < 1) {
      fault = "flake " + std::to_string(i) + " at " + std::to_string(flake.X) + "," + std::to_string(flake.Y);
      return false;
    }
  }
  return true;
}

class LongRun : public testing::TestWithParam<int32_t> {};

}  // namespace

TEST_P(LongRun, EveryFrameIsShownAndTheSceneStaysInBounds) {
  PageDisplay display;
  FixedClock clock(FixedClock::At(2024, 12, 24, 18, 0, 0));
  RandomSeed(1);
  Snow snow(GetParam());

  int32_t rightmostScreenX = 0, leftmostScreenX = 640;
  std::string fault;
  for (int64_t tick = 1; tick <= Ticks; ++tick) {
    snow.Tick();
    if (!Holds(snow, fault)) FAIL() << "tick " << tick << ": " << fault;
    if (display.Primary.Flips != tick) FAIL() << "tick " << tick << " was not shown";
    rightmostScreenX = std::max(rightmostScreenX, snow.WalkerX - snow.ScrollX);
    leftmostScreenX = std::min(leftmostScreenX, snow.WalkerX - snow.ScrollX);
  }
  EXPECT_EQ(0, display.Back.RefusedBlits);
  EXPECT_EQ(Ticks * 183, display.Back.Blits);
  EXPECT_EQ(0, display.Primary.Restores);
  // The run went where the frame leaves the page.
  EXPECT_GT(rightmostScreenX + 44, 640);
  RecordProperty("RightmostScreenX", rightmostScreenX);
  RecordProperty("LeftmostScreenX", leftmostScreenX);
}

INSTANTIATE_TEST_SUITE_P(Winds, LongRun, testing::Values(0, 3, -12, 12, 631, -632, INT_MIN, INT_MAX),
                         [](const testing::TestParamInfo<int32_t>& info) {
                           const int32_t wind = info.param;
                           return wind == INT_MIN   ? std::string("Min")
                                  : wind == INT_MAX ? std::string("Max")
                                  : wind < 0        ? "Minus" + std::to_string(-wind)
                                                    : std::to_string(wind);
                         });
