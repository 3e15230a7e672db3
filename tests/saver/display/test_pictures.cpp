#include "test_pictures.h"

#include <algorithm>
#include <vector>

#include "bitmap_files.h"

namespace pictures {

void WritePictures(const std::string& folder) {
  std::vector<RGBQUAD> table(256);
  for (int i = 0; i < 256; ++i)
    table[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), 0};
  testfiles::WriteBytes(folder + "Data1.Bin",
                        testfiles::BitmapFile(1280, 480, 8, table, [](int x, int) { return x < 640 ? 1 : 2; }));
  testfiles::WriteBytes(folder + "Data2.Bin", testfiles::BitmapFile(1280, 132, 24, {}, [](int x, int) {
                          return x < 640 ? kSpriteLeft : kSpriteRight;
                        }));
}

void WritePlainScene(const std::string& folder, COLORREF color) {
  testfiles::WriteBytes(folder + "Data1.Bin", testfiles::PlainBitmapFile(1280, 480, color));
}

}  // namespace pictures

DWORD Raw32(COLORREF color) { return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color); }

POINT ParkedCursor() {
  return {std::min(640, GetSystemMetrics(SM_CXSCREEN) - 1), std::min(480, GetSystemMetrics(SM_CYSCREEN) - 1)};
}
