#include "desktop_input.h"

#include <cwctype>
#include <vector>

#include "rimesetup_process.h"

namespace {

bool IsExtended(WORD virtualKey) {
  switch (virtualKey) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(30);
}

}  // namespace

void PressKey(WORD virtualKey) { Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)}); }

void PressKeyWith(WORD modifier, WORD virtualKey) {
  Send({KeyInput(modifier, false), KeyInput(virtualKey, false), KeyInput(virtualKey, true),
        KeyInput(modifier, true)});
}

void Type(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c == L'-')
      PressKey(VK_OEM_MINUS);
    else if (c == L' ')
      PressKey(VK_SPACE);
    else
      PressKey(static_cast<WORD>(std::towupper(c)));
  }
}

bool ClickAt(POINT screenPoint) {
  // Wine takes the pointer's place from the X server, and a window that has
  // just appeared may still move it: place it until it stays.
  auto isThere = [&] {
    POINT now;
    return GetCursorPos(&now) && now.x == screenPoint.x && now.y == screenPoint.y;
  };
  bool placed = WaitUntil(
      [&] {
        SetCursorPos(screenPoint.x, screenPoint.y);
        Sleep(20);
        if (!isThere()) return false;
        Sleep(60);
        return isThere();
      },
      3000);
  INPUT down{};
  down.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  INPUT up = down;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  Send({down});
  Send({up});
  return placed;
}

bool BringToFront(HWND window) {
  if (GetForegroundWindow() == window) return true;
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}
