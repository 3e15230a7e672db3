#include "picture.h"

#include <cstring>

namespace {

// HIMETRIC (0.01 mm) to the picture's own pixels: OLE measured them at the
// screen's DPI.
int ToPixels(long himetric) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return MulDiv(himetric, dpi, 2540);
}

IStream* StreamOfResource(HMODULE module, const wchar_t* name, DWORD* size) {
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  *size = SizeofResource(module, found);
  if (!bytes || *size == 0) return nullptr;
  // The stream needs movable memory of its own.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, *size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, *size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  return stream;
}

}  // namespace

TPicture::TPicture(HMODULE module, const wchar_t* name) {
  DWORD size = 0;
  IStream* stream = StreamOfResource(module, name, &size);
  if (!stream) return;
  void* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, &picture);
  stream->Release();
  if (FAILED(hr) || !picture) return;
  picture_ = static_cast<IPicture*>(picture);
  picture_->get_Width(&himetricWidth_);
  picture_->get_Height(&himetricHeight_);
  width_ = ToPixels(himetricWidth_);
  height_ = ToPixels(himetricHeight_);
}

TPicture::~TPicture() {
  if (picture_) picture_->Release();
}

HBITMAP TPicture::CreateBitmap(int width, int height) const {
  if (!picture_ || width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  // IPicture's y axis runs upwards: start at the top, go down.
  HRESULT hr = picture_->Render(dc, 0, 0, width, height, 0, himetricHeight_, himetricWidth_, -himetricHeight_, nullptr);
  SelectObject(dc, old);
  DeleteDC(dc);
  if (FAILED(hr)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}
