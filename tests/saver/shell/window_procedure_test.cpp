// The saver window with its real window procedure, on the test's desktop.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "display/display.h"
#include "fake_display.h"
#include "scene/snow.h"
#include "scratch_registry.h"
#include "shell/shell.h"

namespace {

HWND SaverWindow() { return FindWindowA(SaverClassName, SaverClassName); }

// Removes what a destroyed saver window leaves in the thread's queue.
void DrainQueue() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

class SaverWindowTest : public ScratchRegistry {
 protected:
  void SetUp() override {
    ScratchRegistry::SetUp();
    ASSERT_EQ(CreateSaverWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL), 1);
    window = SaverWindow();
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    DrainQueue();
    ScratchRegistry::TearDown();
  }
  HWND window = nullptr;
};

TEST_F(SaverWindowTest, IsAPopupOfTheScreensSizeWithSceneAndNoFrameYet) {
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), static_cast<LONG>(WS_POPUP));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(SaverScene, nullptr);
  EXPECT_EQ(FrameBusy, 0);
}

TEST_F(SaverWindowTest, FramesRunFromTheMessageLoopOnly) {
  FakeDisplay display;
  display.Install();
  EXPECT_FALSE(display.AnyFrame());  // the timer runs, but nothing dispatched it

  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < 300) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  }
  EXPECT_GE(display.primary.Calls("Flip").size(), 2u);
  DestroyWindow(window);
}

TEST_F(SaverWindowTest, DestroyingDeletesTheSceneReleasesTheDisplayAndQuits) {
  FakeDisplay display;
  display.Install();
  DrainQueue();

  DestroyWindow(window);

  EXPECT_EQ(SaverScene, nullptr);
  EXPECT_EQ(DirectDrawObject, nullptr);
  EXPECT_EQ(PrimarySurface, nullptr);
  EXPECT_EQ(display.primary.ReleaseCount(), 1);
  EXPECT_EQ(display.dd.ReleaseCount(), 1);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 0u);
  // The timer went with the window: nothing more to dispatch.
  Sleep(60);
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

struct InputCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool closes;
};

std::ostream& operator<<(std::ostream& out, const InputCase& c) { return out << c.name; }

class SaverInputFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CreateSaverWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL), 1);
    window = SaverWindow();
    DrainQueue();
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    DrainQueue();
  }
  HWND window = nullptr;
};

class SaverInputTest : public SaverInputFixture, public ::testing::WithParamInterface<InputCase> {};

TEST_P(SaverInputTest, ClosesOnKeysAndButtonsOnly) {
  const InputCase& c = GetParam();
  const LRESULT result = SendMessageA(window, c.message, c.wParam, c.lParam);
  MSG message;
  const bool closePosted = PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE) != 0;
  EXPECT_EQ(closePosted, c.closes);
  EXPECT_TRUE(IsWindow(window));  // closing waits for the message loop
  if (c.message == WM_MOUSEMOVE) {
    EXPECT_EQ(result, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, SaverInputTest,
    ::testing::Values(InputCase{"KeyDown", WM_KEYDOWN, VK_SPACE, 1, true},
                      InputCase{"LeftButton", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10), true},
                      InputCase{"RightButton", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10), true},
                      InputCase{"MiddleButton", WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10), true},
                      InputCase{"MouseMove", WM_MOUSEMOVE, 0, MAKELPARAM(300, 200), false},
                      InputCase{"ButtonUp", WM_LBUTTONUP, 0, MAKELPARAM(10, 10), false},
                      InputCase{"SystemKey", WM_SYSKEYDOWN, 'X', 1 | (1 << 29), false},
                      InputCase{"Character", WM_CHAR, 'x', 1, false}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST_F(SaverInputFixture, HidesTheCursorOverTheWindow) {
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), nullptr);
}

// The wind store's failures must not keep the screensaver from running.
struct WindCase {
  const char* name;
  DWORD type;  // REG_NONE: nothing stored
  std::vector<BYTE> bytes;
  int32_t expectedWind;
};

std::ostream& operator<<(std::ostream& out, const WindCase& c) { return out << c.name; }

class SceneWindTest : public ScratchRegistry, public ::testing::WithParamInterface<WindCase> {
 protected:
  void TearDown() override {
    if (HWND window = SaverWindow()) DestroyWindow(window);
    DrainQueue();
    ScratchRegistry::TearDown();
  }
};

TEST_P(SceneWindTest, SceneRunsWithTheStoredWindOrNone) {
  const WindCase& c = GetParam();
  if (c.type != REG_NONE) SetRaw(c.type, c.bytes);

  ASSERT_EQ(CreateSaverWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL), 1);

  ASSERT_NE(SaverScene, nullptr);
  EXPECT_EQ(SaverScene->Wind, c.expectedWind);
  EXPECT_EQ(SaverScene->WalkerX, 200);  // a whole scene, not a half-made one
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, SceneWindTest,
    ::testing::Values(WindCase{"Nothing", REG_NONE, {}, 0},
                      WindCase{"Dword", REG_DWORD, {0xF4, 0xFF, 0xFF, 0xFF}, -12},
                      // Unreadable values: the store throws, the snow falls without wind.
                      WindCase{"Text", REG_SZ, {'7', 0}, 0},
                      WindCase{"EightBytes", REG_QWORD, {7, 0, 0, 0, 0, 0, 0, 0}, 0}),
    [](const ::testing::TestParamInfo<WindCase>& info) { return std::string(info.param.name); });

}  // namespace
