// A picture held as a resource (a JPEG, for instance) decoded by Windows' own
// imaging through OLE, and drawn into a bitmap of the size the form needs.
#pragma once

#include <windows.h>
#include <olectl.h>

class TPicture {
public:
  // Loads the RCDATA resource `name` of `module`; Empty() when it cannot.
  TPicture(HMODULE module, const wchar_t* name);
  ~TPicture();
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  bool Empty() const { return picture_ == nullptr; }
  // Size in the picture's own pixels, its size at 96 DPI.
  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new 24-bit bitmap of the picture scaled to width x height; the caller
  // owns it. Null when the picture is empty.
  HBITMAP CreateBitmap(int width, int height) const;

private:
  IPicture* picture_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  OLE_XSIZE_HIMETRIC himetricWidth_ = 0;
  OLE_YSIZE_HIMETRIC himetricHeight_ = 0;
};
