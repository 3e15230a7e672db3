// Small Windows bitmap files made in memory, for the picture and palette
// readers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testfiles {

using Bytes = std::vector<BYTE>;

// The 54 header bytes of a bitmap file; the pixel offset is left at 54 plus
// the table of `tableEntries` colours.
Bytes BitmapHeaders(int width, int height, WORD bitCount, DWORD clrUsed, DWORD infoSize = 40, int tableEntries = 0);

// A complete, loadable bitmap file. At 8 bits or less `pixel` gives colour
// indices into `table`; at 24 bits it gives a COLORREF.
Bytes BitmapFile(int width, int height, WORD bitCount, const std::vector<RGBQUAD>& table,
                 const std::function<DWORD(int x, int y)>& pixel);

// A 24-bit file whose every pixel is `color`.
Bytes PlainBitmapFile(int width, int height, COLORREF color);

void WriteBytes(const std::string& path, const Bytes& bytes);

}  // namespace testfiles
