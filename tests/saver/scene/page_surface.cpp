#include "page_surface.h"

#include "display/display.h"

namespace {
bool Inside(LONG left, LONG top, LONG right, LONG bottom, int32_t width, int32_t height) {
  return left >= 0 && top >= 0 && left < right && top < bottom && right <= width && bottom <= height;
}
}  // namespace

HRESULT PageSurface::BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD) {
  ++Blits;
  const auto* from = static_cast<PageSurface*>(source);
  if (!from || !sourceRect) return DDERR_INVALIDPARAMS;
  const RECT& r = *sourceRect;
  // A negative destination arrives as a huge unsigned value, as it does in DirectDraw.
  const int64_t left = x, top = y;
  const int64_t right = left + (r.right - r.left), bottom = top + (r.bottom - r.top);
  const bool sourceInside = Inside(r.left, r.top, r.right, r.bottom, from->Width, from->Height);
  const bool destinationInside = right <= Width && bottom <= Height && left < right && top < bottom;
  if (!sourceInside || !destinationInside) {
    ++RefusedBlits;
    return DDERR_INVALIDRECT;
  }
  return DD_OK;
}

HRESULT PageSurface::Flip(LPDIRECTDRAWSURFACE, DWORD) {
  ++Flips;
  return DD_OK;
}

HRESULT PageSurface::Restore() {
  ++Restores;
  return DD_OK;
}

PageDisplay::PageDisplay() {
  PrimarySurface = &Primary;
  BackBuffer = &Back;
  SceneSurface = &Scene;
  SpriteSurface = &Sprite;
}

PageDisplay::~PageDisplay() {
  PrimarySurface = nullptr;
  BackBuffer = nullptr;
  SceneSurface = nullptr;
  SpriteSurface = nullptr;
}
