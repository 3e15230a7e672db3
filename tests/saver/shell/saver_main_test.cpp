// The entry point's error path, with a DirectDraw double whose set-up gets as
// far as the pictures: there are none beside this test.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "display/display.h"
#include "fake_display.h"
#include "scene/snow.h"
#include "shell/shell.h"

namespace {

// Answers the box from another thread, as a user would, after leaving it up
// long enough for many timer periods.
class ErrorBoxAnswerer {
 public:
  // `staleBackBuffer` is put back into BackBuffer while the box is up: a
  // release may leave that pointer behind, and any frame would then show
  // as a call on the double.
  explicit ErrorBoxAnswerer(IDirectDrawSurface* staleBackBuffer)
      : thread_([this, staleBackBuffer] {
          // Once the display is released, leave a stale back buffer behind.
          bool created = false;
          for (int i = 0; i < 10000; ++i) {
            if (DirectDrawObject != nullptr) created = true;
            if (created && DirectDrawObject == nullptr) {
              BackBuffer = staleBackBuffer;
              break;
            }
            Sleep(1);
          }
          for (int i = 0; i < 200 && box_ == nullptr; ++i) {
            box_ = FindWindowW(L"#32770", DisplayErrorCaption);
            if (box_ == nullptr) Sleep(50);
          }
          if (box_ == nullptr) return;
          wchar_t text[256] = {};
          GetDlgItemTextW(box_, 0xFFFF, text, 256);
          text_ = text;
          owner_ = GetWindow(box_, GW_OWNER);
          saverWindow_ = FindWindowA(SaverClassName, SaverClassName);
          Sleep(300);
          SendMessageW(GetDlgItem(box_, IDOK), BM_CLICK, 0, 0);
        }) {}
  ~ErrorBoxAnswerer() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  std::atomic<HWND> box_{nullptr};
  std::wstring text_;
  HWND owner_ = nullptr;
  HWND saverWindow_ = nullptr;

 private:
  std::thread thread_;
};

TEST(SaverMainDisplayError, ShowsTheMessageAfterTheReleaseAndRunsNoFrame) {
  FakeDisplay display;

  ErrorBoxAnswerer answerer(&display.back);
  // The test's own arguments (--gtest_...) count as "any other switch".
  const int result = SaverMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
  answerer.Join();

  EXPECT_EQ(result, 0);
  ASSERT_NE(answerer.box_.load(), nullptr) << "no message box";
  EXPECT_EQ(answerer.text_, std::wstring(L"\u521d\u59cb\u5316DirectDraw\u8fc7\u7a0b\u4e2d\u51fa\u9519\uff01"));
  EXPECT_NE(answerer.saverWindow_, nullptr);
  EXPECT_EQ(answerer.owner_, answerer.saverWindow_);
  // Released before the box: every object went, once.
  EXPECT_EQ(display.dd.ReleaseCount(), 1);
  EXPECT_EQ(display.primary.ReleaseCount(), 1);
  EXPECT_EQ(display.scene.ReleaseCount(), 1);
  EXPECT_EQ(display.sprite.ReleaseCount(), 1);
  // The box's own message loop ran for 300 ms: still not one frame. (A
  // frame on released surfaces may crash silently inside the timer
  // dispatch, hence the stale pointer to a double.)
  EXPECT_FALSE(display.AnyFrame());
  // A frame that faulted there would be swallowed by the timer dispatch but
  // would leave its busy flag set.
  EXPECT_EQ(FrameBusy, 0);
  // The window and its scene are gone.
  EXPECT_EQ(FindWindowA(SaverClassName, SaverClassName), nullptr);
  EXPECT_EQ(SaverScene, nullptr);

  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace
