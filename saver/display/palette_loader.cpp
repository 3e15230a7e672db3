#include <algorithm>
#include <cstring>

#include "display/picture_files.h"
#include "display/surface_utils.h"

namespace {

constexpr int kEntries = 256;
constexpr UINT kFileHeaderBytes = 14;
constexpr UINT kInfoHeaderBytes = 40;
constexpr UINT kTableBytes = kEntries * sizeof(PALETTEENTRY);

void FillRamp(PALETTEENTRY* entries) {
  for (int i = 0; i < kEntries; ++i) {
    entries[i].peRed = static_cast<BYTE>(((i >> 5) & 7) * 255 / 7);
    entries[i].peGreen = static_cast<BYTE>(((i >> 2) & 7) * 255 / 7);
    entries[i].peBlue = static_cast<BYTE>((i & 3) * 255 / 3);
    entries[i].peFlags = 0;
  }
}

// 0 for a bitmap without a colour table; biClrUsed 0 means all 2^bits.
DWORD ColourCount(const BITMAPINFOHEADER& header) {
  if (header.biBitCount > 8) return 0;
  return header.biClrUsed ? header.biClrUsed : (DWORD{1} << header.biBitCount);
}

// Colours of a bitmap resource of our own module. false when there is none.
bool ReadResourceColours(const char* name, PALETTEENTRY* entries) {
  HRSRC found = FindResourceA(nullptr, name, RT_BITMAP);
  if (!found) return false;
  HGLOBAL loaded = LoadResource(nullptr, found);
  const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!data) {
    OutputDebugStringA("lock resource failed\n");
    return true;
  }
  DWORD size = SizeofResource(nullptr, found);
  if (size < sizeof(BITMAPINFOHEADER)) return true;
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof header);
  if (header.biSize < sizeof header || header.biSize > size) return true;
  // Never past the 256 entries, nor past the end of the resource.
  DWORD count = std::min<DWORD>({ColourCount(header), kEntries, static_cast<DWORD>((size - header.biSize) / sizeof(RGBQUAD))});
  const BYTE* table = data + header.biSize;
  for (DWORD i = 0; i < count; ++i) {
    RGBQUAD colour;
    std::memcpy(&colour, table + i * sizeof colour, sizeof colour);
    entries[i] = {colour.rgbRed, colour.rgbGreen, colour.rgbBlue, 0};
  }
  return true;
}

// Colours of a bitmap file: its 1024 bytes behind the 54 header bytes go
// straight into the entries; the first colour-count entries are swapped from
// blue-green-red into red-green-blue. Only whole entries the file supplied
// are taken; a file shorter than its headers leaves the ramp as it is.
void ReadFileColours(const char* name, PALETTEENTRY* entries) {
  HFILE file = _lopen(LocatePictureFile(name).c_str(), OF_READ);
  if (file == HFILE_ERROR) return;
  BYTE fileHeader[kFileHeaderBytes];
  BITMAPINFOHEADER header{};
  BYTE table[kTableBytes];
  UINT headerBytes = _lread(file, fileHeader, kFileHeaderBytes);
  UINT infoBytes = _lread(file, &header, kInfoHeaderBytes);
  UINT tableBytes = _lread(file, table, kTableBytes);
  _lclose(file);
  // _lread answers HFILE_ERROR, all bits set, when it fails.
  if (headerBytes != kFileHeaderBytes || infoBytes != kInfoHeaderBytes || tableBytes > kTableBytes) return;

  DWORD supplied = tableBytes / sizeof(PALETTEENTRY);
  DWORD count = header.biSize == kInfoHeaderBytes ? std::min(ColourCount(header), supplied) : 0;
  std::memcpy(entries, table, supplied * sizeof(PALETTEENTRY));
  for (DWORD i = 0; i < count; ++i) std::swap(entries[i].peRed, entries[i].peBlue);
}

}  // namespace

IDirectDrawPalette* LoadPalette8(IDirectDraw* directDraw, const char* name) {
  PALETTEENTRY entries[kEntries];
  FillRamp(entries);
  if (name && !ReadResourceColours(name, entries)) ReadFileColours(name, entries);

  IDirectDrawPalette* palette = nullptr;
  if (directDraw->CreatePalette(DDPCAPS_8BIT, entries, &palette, nullptr) != DD_OK) return nullptr;
  return palette;
}
