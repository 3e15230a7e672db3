#include "screen_centre.h"

void CentreOnScreen(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
