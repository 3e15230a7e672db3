// Looking at the windows of another process: what they are, what they say,
// where they are and which one has the keyboard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// Direct children in their order (the order Tab follows).
std::vector<HWND> ChildrenOf(HWND parent);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// The window's place inside its parent's client area.
RECT PlaceInParent(HWND window);
// The window with the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// The first direct child of that class whose text is `text`.
HWND ChildWith(HWND parent, const std::wstring& className, const std::wstring& text);
// The centre of the window on the screen.
POINT CentreOf(HWND window);

// What a message box holds.
struct BoxContent {
  std::wstring caption;
  std::wstring text;
  bool hasIcon = false;
  std::vector<std::wstring> buttons;
};
BoxContent ReadMessageBox(HWND box);
