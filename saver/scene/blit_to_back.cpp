#include "display/display.h"
#include "scene/snow.h"

bool Snow::BlitToBack(int32_t x, int32_t y, IDirectDrawSurface* source, RECT sourceRect, bool keyed) {
  const DWORD flags = keyed ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY;
  for (;;) {
    // No DDBLTFAST_WAIT: a busy blitter is simply asked again.
    const HRESULT result = BackBuffer->BltFast(x, y, source, &sourceRect, flags);
    if (result == DD_OK) return true;
    if (result == DDERR_WASSTILLDRAWING) continue;
    // The frame is given up; the next tick draws a whole new one.
    if (result == DDERR_SURFACELOST) RestoreSurfaces();
    return false;
  }
}
