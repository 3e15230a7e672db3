// A modal message box centred on the screen, whatever its owner's place.
#pragma once

#include <windows.h>

#include <string>

int CenteredMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);
