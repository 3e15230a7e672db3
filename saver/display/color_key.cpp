#include <cstring>

#include "display/surface_utils.h"

DWORD MatchSurfaceColor(IDirectDrawSurface* surface, COLORREF color) {
  DWORD value = CLR_INVALID;
  COLORREF saved = CLR_INVALID;
  HDC dc = nullptr;
  // Let GDI store the colour in the surface's own format at pixel (0, 0).
  if (color != CLR_INVALID && surface->GetDC(&dc) == DD_OK) {
    saved = GetPixel(dc, 0, 0);
    SetPixel(dc, 0, 0, color);
    surface->ReleaseDC(dc);
  }

  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  HRESULT result;
  while ((result = surface->Lock(nullptr, &desc, 0, nullptr)) == DDERR_WASSTILLDRAWING) {
  }
  if (result == DD_OK) {
    std::memcpy(&value, desc.lpSurface, sizeof value);
    DWORD bits = desc.ddpfPixelFormat.dwRGBBitCount;
    if (bits < 32) value &= (DWORD{1} << bits) - 1;
    surface->Unlock(nullptr);
  }

  if (color != CLR_INVALID && surface->GetDC(&dc) == DD_OK) {
    SetPixel(dc, 0, 0, saved);
    surface->ReleaseDC(dc);
  }
  return value;
}

HRESULT SetSurfaceColorKey(IDirectDrawSurface* surface, COLORREF color) {
  DDCOLORKEY key;
  key.dwColorSpaceLowValue = key.dwColorSpaceHighValue = MatchSurfaceColor(surface, color);
  return surface->SetColorKey(DDCKEY_SRCBLT, &key);
}
