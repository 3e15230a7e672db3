#include "message_box.h"

#include "screen_centre.h"
#include "user_api.h"

namespace {

thread_local HHOOK centringHook = nullptr;

LRESULT CALLBACK CentreOnActivation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    CentreOnScreen(reinterpret_cast<HWND>(wParam));
    HHOOK hook = centringHook;
    UnhookWindowsHookEx(hook);
    centringHook = nullptr;
    return CallNextHookEx(hook, code, wParam, lParam);
  }
  return CallNextHookEx(centringHook, code, wParam, lParam);
}

}  // namespace

int CenteredMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  centringHook = SetWindowsHookExW(WH_CBT, CentreOnActivation, nullptr, GetCurrentThreadId());
  int answer = CurrentUserApi().MessageBoxW(owner, text.c_str(), caption.c_str(), type);
  if (centringHook) {
    UnhookWindowsHookEx(centringHook);
    centringHook = nullptr;
  }
  return answer;
}
