// Places a window in the middle of the primary screen, keeping its size.
#pragma once

#include <windows.h>

void CentreOnScreen(HWND window);
