#include <gtest/gtest.h>

#include <vector>

#include "display/display.h"
#include "fake_display.h"
#include "scene/snow.h"
#include "scene_test_support.h"

namespace {

// What a tick may have changed, to tell done from undone.
struct SceneState {
  int32_t TickCounter, FrameCounter, WalkerX, ScrollX;
  std::vector<int32_t> FlakeYs;

  static SceneState Of(const Snow& snow) {
    SceneState state{snow.TickCounter, snow.FrameCounter, snow.WalkerX, snow.ScrollX, {}};
    for (const auto& flake : snow.Flakes) state.FlakeYs.push_back(flake->Y);
    return state;
  }
};

// Mid-walk, a walker step due and the camera behind: a tick that reaches
// the walker changes TickCounter, FrameCounter, WalkerX and ScrollX, and a
// move changes every flake's Y.
std::unique_ptr<Snow> SceneInMotion() {
  auto snow = std::make_unique<Snow>(3);
  snow->WalkerX = 600;
  snow->ScrollX = 100;
  snow->WalkerState = 3;
  snow->WalkerDirection = 1;
  snow->FrameCounter = 2;
  snow->TickCounter = 3;
  return snow;
}

constexpr size_t FullFrameBlits = 183;

}  // namespace

struct FailureCase {
  const char* Step;
  size_t FailingBlit;  // 1-based number of the BltFast that fails
  HRESULT Error;
  bool WalkerMoved, FlakesMoved;
  size_t Restores;
};

TEST(Tick, AFailureGivesTheRestOfTheFrameUp) {
  const FailureCase cases[] = {
      {"panorama", 1, DDERR_SURFACELOST, false, false, 1},
      {"panorama", 1, DDERR_INVALIDRECT, false, false, 0},
      {"walker", 2, DDERR_SURFACELOST, true, false, 1},
      {"walker", 2, DDERR_GENERIC, true, false, 0},
      {"first flake (179)", 3, DDERR_SURFACELOST, true, true, 1},
      {"flake 100", 2 + 80, DDERR_SURFACELOST, true, true, 1},
      {"flake 0", 2 + 180, DDERR_INVALIDRECT, true, true, 0},
      {"logo", FullFrameBlits, DDERR_SURFACELOST, true, true, 1},
      {"logo", FullFrameBlits, DDERR_INVALIDRECT, true, true, 0},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Step << " fails with " << std::hex << c.Error);
    FakeDisplay display;
    display.Install();
    auto snow = SceneInMotion();
    const SceneState before = SceneState::Of(*snow);
    for (size_t i = 1; i < c.FailingBlit; ++i) display.back.Script("BltFast", {DD_OK});
    display.back.Script("BltFast", {c.Error});

    snow->Tick();

    const SceneState after = SceneState::Of(*snow);
    EXPECT_EQ(c.FailingBlit, display.back.Calls("BltFast").size()) << "blits made";
    EXPECT_TRUE(display.primary.Calls("Flip").empty()) << "a given-up frame is not shown";
    EXPECT_EQ(c.Restores, display.Restores());
    EXPECT_EQ(c.WalkerMoved, after.TickCounter != before.TickCounter);
    EXPECT_EQ(c.WalkerMoved, after.WalkerX != before.WalkerX);
    EXPECT_EQ(c.WalkerMoved, after.ScrollX != before.ScrollX);
    for (size_t i = 0; i < after.FlakeYs.size(); ++i)
      ASSERT_EQ(c.FlakesMoved, after.FlakeYs[i] != before.FlakeYs[i]) << "flake " << i;
  }
}

TEST(Tick, AFailedFlakeBlitStopsAtItsIndex) {
  FakeDisplay display;
  display.Install();
  auto snow = SceneInMotion();
  // Panorama, walker, flakes 179 to 101, then flake 100 fails.
  for (int i = 0; i < 2 + 79; ++i) display.back.Script("BltFast", {DD_OK});
  display.back.Script("BltFast", {DDERR_INVALIDRECT});
  snow->Tick();

  const auto blits = display.back.Calls("BltFast");
  ASSERT_EQ(82u, blits.size());
  const Flake& flake100 = *snow->Flakes[100];
  EXPECT_EQ(static_cast<DWORD>((flake100.X + 1280 - snow->ScrollX) % 632), blits.back().x);
  EXPECT_EQ(static_cast<DWORD>(flake100.Y), blits.back().y);
  for (const auto& blit : blits) EXPECT_NE(466, blit.rect->left) << "no logo";
}

TEST(Tick, AFullFrameBlitsInOrderThenFlips) {
  FakeDisplay display;
  display.Install();
  auto snow = SceneInMotion();
  const int32_t scrollBefore = snow->ScrollX;
  snow->Tick();

  const auto blits = display.back.Calls("BltFast");
  ASSERT_EQ(FullFrameBlits, blits.size());
  // The panorama is cut at the scroll that the previous tick left.
  EXPECT_EQ(0u, blits[0].x);
  EXPECT_EQ(0u, blits[0].y);
  EXPECT_EQ(SceneSurface, blits[0].source);
  EXPECT_EQ(scrollBefore, blits[0].rect->left);
  EXPECT_EQ(scrollBefore + 640, blits[0].rect->right);
  EXPECT_EQ(480, blits[0].rect->bottom);
  EXPECT_EQ(static_cast<DWORD>(DDBLTFAST_NOCOLORKEY), blits[0].flags);
  // The walker with the scroll just moved.
  EXPECT_EQ(static_cast<DWORD>(snow->WalkerX - snow->ScrollX), blits[1].x);
  EXPECT_EQ(static_cast<DWORD>(snow->WalkerY), blits[1].y);
  // The logo last.
  const auto& logo = blits.back();
  EXPECT_EQ(410u, logo.x);
  EXPECT_EQ(18u, logo.y);
  EXPECT_EQ(SpriteSurface, logo.source);
  EXPECT_TRUE(logo.rect->left == 466 && logo.rect->top == 92 && logo.rect->right == 659 && logo.rect->bottom == 130);
  EXPECT_EQ(static_cast<DWORD>(DDBLTFAST_SRCCOLORKEY), logo.flags);

  EXPECT_EQ(1u, display.primary.Calls("Flip").size());
  // The flip comes after every blit.
  const auto& calls = fakes::CallLog().Calls();
  size_t lastBlit = 0, flip = 0;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].method == "BltFast") lastBlit = i;
    if (calls[i].method == "Flip") flip = i;
  }
  EXPECT_LT(lastBlit, flip);
}

TEST(BlitToBack, AsksAgainAtOnceWhileStillDrawing) {
  FakeDisplay display;
  display.Install();
  auto snow = SceneInMotion();
  display.back.Script("BltFast", {DDERR_WASSTILLDRAWING, DDERR_WASSTILLDRAWING, DDERR_WASSTILLDRAWING, DD_OK});
  snow->Tick();

  const auto blits = display.back.Calls("BltFast");
  ASSERT_EQ(FullFrameBlits + 3, blits.size());
  for (int i = 1; i < 4; ++i) EXPECT_EQ(blits[0].args, blits[i].args) << "the same blit again";
  EXPECT_EQ(0u, display.Restores());
  EXPECT_EQ(1u, display.primary.Calls("Flip").size()) << "the frame goes on";
}

TEST(DrawScenery, CutsThePanoramaAtTheScroll) {
  for (int32_t scroll : {0, 639}) {
    FakeDisplay display;
    display.Install();
    Snow snow(0);
    snow.ScrollX = scroll;
    ASSERT_TRUE(snow.DrawScenery());
    const auto blits = display.back.Calls("BltFast");
    ASSERT_EQ(1u, blits.size());
    const RECT& r = *blits[0].rect;
    EXPECT_TRUE(r.left == scroll && r.top == 0 && r.right == scroll + 640 && r.bottom == 480) << "scroll " << scroll;
  }
}
