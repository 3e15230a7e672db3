// Keys and mouse clicks as the hardware gives them: through the input queue
// of the desktop to whichever window is in front.
#pragma once

#include <windows.h>

#include <string>

void PressKey(WORD virtualKey);
// A key with Alt, Shift or Ctrl held down.
void PressKeyWith(WORD modifier, WORD virtualKey);
// Letters and digits as typed.
void Type(const std::wstring& text);
// False when the pointer could not be placed there.
bool ClickAt(POINT screenPoint);
// Brings the window to the front so that keys reach it; true when it is.
bool BringToFront(HWND window);
