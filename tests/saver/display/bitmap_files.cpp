#include "bitmap_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace testfiles {

namespace {

void Put(Bytes& bytes, size_t at, const void* value, size_t size) {
  std::memcpy(bytes.data() + at, value, size);
}

}  // namespace

Bytes BitmapHeaders(int width, int height, WORD bitCount, DWORD clrUsed, DWORD infoSize, int tableEntries) {
  Bytes bytes(54, 0);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = 54 + tableEntries * 4;
  Put(bytes, 0, &file, sizeof file);
  BITMAPINFOHEADER info{};
  info.biSize = infoSize;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = bitCount;
  info.biCompression = BI_RGB;
  info.biClrUsed = clrUsed;
  Put(bytes, 14, &info, sizeof info);
  return bytes;
}

Bytes BitmapFile(int width, int height, WORD bitCount, const std::vector<RGBQUAD>& table,
                 const std::function<DWORD(int x, int y)>& pixel) {
  Bytes bytes = BitmapHeaders(width, height, bitCount, static_cast<DWORD>(table.size()), 40,
                              static_cast<int>(table.size()));
  for (const RGBQUAD& colour : table) {
    const BYTE* raw = reinterpret_cast<const BYTE*>(&colour);
    bytes.insert(bytes.end(), raw, raw + 4);
  }
  const size_t stride = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
  for (int row = height - 1; row >= 0; --row) {  // bottom-up
    Bytes line(stride, 0);
    for (int x = 0; x < width; ++x) {
      DWORD value = pixel(x, row);
      if (bitCount == 24) {
        line[x * 3] = GetBValue(value);
        line[x * 3 + 1] = GetGValue(value);
        line[x * 3 + 2] = GetRValue(value);
      } else if (bitCount == 8) {
        line[x] = static_cast<BYTE>(value);
      } else {
        ADD_FAILURE() << "BitmapFile makes 8- and 24-bit files only";
      }
    }
    bytes.insert(bytes.end(), line.begin(), line.end());
  }
  BITMAPFILEHEADER file;
  std::memcpy(&file, bytes.data(), sizeof file);
  file.bfSize = static_cast<DWORD>(bytes.size());
  Put(bytes, 0, &file, sizeof file);
  return bytes;
}

Bytes PlainBitmapFile(int width, int height, COLORREF color) {
  return BitmapFile(width, height, 24, {}, [color](int, int) { return color; });
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

}  // namespace testfiles
