#include <gtest/gtest.h>

#include <ostream>

#include "display/display.h"
#include "fake_display.h"
#include "scene/snow.h"
#include "shell/shell.h"

namespace {

struct TimerCase {
  const char* name;
  bool withScene;
  bool displayUp;
  bool releasedBeforeTimer;  // ReleaseDisplay ran, as on the set-up error path
  UINT_PTR timerId;
  int busy;
  bool expectFrame;
};

std::ostream& operator<<(std::ostream& out, const TimerCase& c) { return out << c.name; }

class FrameTimerTest : public ::testing::TestWithParam<TimerCase> {
 protected:
  void TearDown() override {
    delete SaverScene;
    SaverScene = nullptr;
    FrameBusy = 0;
  }
  FakeDisplay display;
};

TEST_P(FrameTimerTest, RunsAFrameOnlyWhenEverythingIsThere) {
  const TimerCase& c = GetParam();
  if (c.displayUp) display.Install();
  if (c.releasedBeforeTimer) ReleaseDisplay();
  if (c.withScene) SaverScene = new Snow(0);
  FrameBusy = c.busy;

  FrameTimerProc(nullptr, WM_TIMER, c.timerId, 0);

  EXPECT_EQ(display.AnyFrame(), c.expectFrame);
  if (c.expectFrame) {
    // A whole frame: panorama, walker, 180 flakes, logo, then one flip.
    EXPECT_EQ(display.back.Calls("BltFast").size(), 183u);
    EXPECT_EQ(display.primary.Calls("Flip").size(), 1u);
  }
  // The flag belongs to the frame that set it; a refused event leaves it.
  EXPECT_EQ(FrameBusy, c.busy);
}

INSTANTIATE_TEST_SUITE_P(
    Events, FrameTimerTest,
    ::testing::Values(
        TimerCase{"FrameTimer", true, true, false, 1, 0, true},
        TimerCase{"OtherTimerId", true, true, false, 2, 0, false},
        TimerCase{"FrameAlreadyRunning", true, true, false, 1, 1, false},
        TimerCase{"NoScene", false, true, false, 1, 0, false},
        TimerCase{"DisplayNeverSetUp", true, false, false, 1, 0, false},
        TimerCase{"DisplayReleased", true, true, true, 1, 0, false}),
    [](const ::testing::TestParamInfo<TimerCase>& info) { return std::string(info.param.name); });

}  // namespace
