#include <gtest/gtest.h>

#include "display/display.h"
#include "fake_display.h"
#include "scene/snow.h"
#include "scene_test_support.h"

namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A scene that takes a walker step on its next UpdateWalker, playing an
// animation in place (state 8 shows entries 42 and 43, advance 0).
std::unique_ptr<Snow> StandingAt(int32_t walkerX, int32_t scrollX) {
  auto snow = std::make_unique<Snow>(0);
  snow->WalkerX = walkerX;
  snow->ScrollX = scrollX;
  snow->WalkerState = 8;
  snow->FrameCounter = 0;
  snow->TickCounter = 3;
  return snow;
}

}  // namespace

TEST(UpdateWalker, StepsOnEveryFourthCall) {
  auto snow = std::make_unique<Snow>(0);
  snow->TickCounter = 0;
  for (int call = 1; call <= 12; ++call) {
    const int32_t counterBefore = snow->FrameCounter;
    snow->UpdateWalker();
    EXPECT_EQ(call % 4 == 0 ? counterBefore + 1 : counterBefore, snow->FrameCounter) << "call " << call;
  }
}

TEST(UpdateWalker, OpensWithNineStepsOfTheWalkThenChooses) {
  FakeDisplay display;
  display.Install();
  auto snow = std::make_unique<Snow>(0);

  // The first tick is the first walker step: step 1 of the walk, entry 30.
  ASSERT_TRUE(snow->DrawWalker());
  auto blits = display.back.Calls("BltFast");
  ASSERT_EQ(1u, blits.size());
  EXPECT_EQ(204u, blits[0].x);
  EXPECT_EQ(364u, blits[0].y);
  EXPECT_TRUE(SameRect(snow->FrameTable[30].Source, *blits[0].rect));
  EXPECT_EQ(SpriteSurface, blits[0].source);
  EXPECT_EQ(static_cast<DWORD>(DDBLTFAST_SRCCOLORKEY), blits[0].flags);
  EXPECT_EQ(1, snow->FrameCounter);

  for (int step = 2; step <= 9; ++step)
    for (int call = 0; call < 4; ++call) snow->UpdateWalker();
  EXPECT_EQ(236, snow->WalkerX);
  EXPECT_EQ(AnimationEnded, snow->FrameCounter);
  EXPECT_EQ(0, snow->ScrollX) << "the camera target stays below 0";

  // The tenth step is the first choice: it draws one number.
  RandomSeed(5);
  for (int call = 0; call < 4; ++call) snow->UpdateWalker();
  EXPECT_EQ(DrawAfter(5, 1), RandomNext());
}

TEST(UpdateWalker, StandsOnTheGroundLine) {
  const struct {
    int32_t WalkerX, WalkerY;
  } cases[] = {
      {0, 351},    {133, 351},  {134, 350},  {136, 351},  {200, 364},  {232, 370},  {364, 396},
      {366, 397},  {512, 397},  {516, 396},  {600, 386},  {800, 361},  {1000, 336}, {1116, 322},
      {1120, 321}, {1244, 306},
  };
  for (const auto& c : cases) {
    auto snow = StandingAt(c.WalkerX, 0);
    snow->UpdateWalker();
    EXPECT_EQ(c.WalkerY, snow->WalkerY) << "x " << c.WalkerX;
  }
}

TEST(UpdateWalker, CameraMovesOnePixelTowardsTheWalkerWithinItsClamps) {
  const struct {
    int32_t WalkerX, ScrollX, EndScrollX;
  } cases[] = {
      {200, 0, 0},      // target -120
      {76, 0, 0},
      {320, 0, 0},      // target reached
      {600, 100, 101},
      {600, 300, 299},
      {1244, 639, 639}, // target 924: moved to 640 and clamped back
      {1244, 638, 639},
      {300, 639, 638},
  };
  for (const auto& c : cases) {
    auto snow = StandingAt(c.WalkerX, c.ScrollX);
    snow->TickCounter = 0;  // no walker step in this call
    snow->UpdateWalker();
    EXPECT_EQ(c.EndScrollX, snow->ScrollX) << "walker " << c.WalkerX << " scroll " << c.ScrollX;
  }
}

TEST(DrawWalker, ClipsTheFrameToThePage) {
  const struct {
    int32_t WalkerX, ScrollX;
    DWORD ScreenX;
    LONG CutLeft, CutRight;  // pixels of the 44-pixel cell left out on each side
  } cases[] = {
      {1244, 639, 605, 0, 9},  // the right end of the walk
      {1240, 639, 601, 0, 5},
      {1236, 639, 597, 0, 1},
      {1232, 639, 593, 0, 0},
      {76, 0, 76, 0, 0},
      {20, 0, 20, 0, 0},
  };
  for (const auto& c : cases) {
    FakeDisplay display;
    display.Install();
    auto snow = StandingAt(c.WalkerX, c.ScrollX);
    snow->TickCounter = 0;  // keep the walker where it is
    snow->WalkerFrame = snow->FrameTable[42].Source;
    ASSERT_TRUE(snow->DrawWalker());
    const auto blits = display.back.Calls("BltFast");
    ASSERT_EQ(1u, blits.size());
    const RECT& cell = snow->FrameTable[42].Source;
    const RECT expected{cell.left + c.CutLeft, cell.top, cell.right - c.CutRight, cell.bottom};
    EXPECT_EQ(c.ScreenX, blits[0].x) << "walker " << c.WalkerX;
    EXPECT_TRUE(SameRect(expected, *blits[0].rect)) << "walker " << c.WalkerX << " right " << blits[0].rect->right;
  }
}

TEST(DrawWalker, ClipsALeftOverhangAndSkipsAFrameWhollyOffThePage) {
  FakeDisplay display;
  display.Install();
  auto snow = StandingAt(0, 10);  // screen x -10: never happens in a run
  snow->TickCounter = 0;
  snow->WalkerFrame = snow->FrameTable[42].Source;
  // The camera moves first (target -320 -> ScrollX 9), so the screen x is -9.
  ASSERT_TRUE(snow->DrawWalker());
  auto blits = display.back.Calls("BltFast");
  ASSERT_EQ(1u, blits.size());
  EXPECT_EQ(0u, blits[0].x);
  const RECT& cell = snow->FrameTable[42].Source;
  EXPECT_TRUE(SameRect(RECT{cell.left + 9, cell.top, cell.right, cell.bottom}, *blits[0].rect));

  snow->WalkerX = 2000;
  snow->ScrollX = 639;
  ASSERT_TRUE(snow->DrawWalker()) << "nothing to draw is no failure";
  EXPECT_EQ(1u, display.back.Calls("BltFast").size());
}

TEST(DrawWalker, ReportsTheBlitsFailureAfterTheWalkerMoved) {
  FakeDisplay display;
  display.Install();
  auto snow = StandingAt(600, 100);
  display.back.Script("BltFast", {DDERR_INVALIDRECT});
  EXPECT_FALSE(snow->DrawWalker());
  EXPECT_EQ(1, snow->FrameCounter);
  EXPECT_EQ(101, snow->ScrollX);
}
