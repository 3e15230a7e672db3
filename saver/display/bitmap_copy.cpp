#include "display/surface_utils.h"

HRESULT CopyBitmapToSurface(IDirectDrawSurface* surface, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap || !surface) return E_FAIL;

  // A surface that was lost must be back before it can be drawn into.
  surface->Restore();

  HDC memory = CreateCompatibleDC(nullptr);
  if (!memory) OutputDebugStringA("createcompatible dc failed\n");
  HGDIOBJ previous = memory ? SelectObject(memory, bitmap) : nullptr;

  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  if (width == 0) width = info.bmWidth;
  if (height == 0) height = info.bmHeight;

  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
  surface->GetSurfaceDesc(&desc);

  HDC target = nullptr;
  HRESULT result = surface->GetDC(&target);
  if (result == DD_OK) {
    if (memory)
      StretchBlt(target, 0, 0, static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight), memory, x, y, width,
                 height, SRCCOPY);
    surface->ReleaseDC(target);
  }

  if (memory) {
    // Deselect so that the caller may delete its bitmap.
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  return result;
}
