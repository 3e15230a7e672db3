// Builds a RECT from its corner and size, the form all the scene's source
// rectangles are written in.
#pragma once

#include <windows.h>

#include <cstdint>

inline void MakeRect(RECT& rect, int32_t left, int32_t top, int32_t width, int32_t height) {
  rect.left = left;
  rect.top = top;
  rect.right = left + width;
  rect.bottom = top + height;
}
