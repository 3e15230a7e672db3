#include "display/display.h"

HRESULT FlipPages() {
  for (;;) {
    HRESULT result = PrimarySurface->Flip(nullptr, 0);
    if (result == DD_OK) return DD_OK;
    // The frame is lost; the next tick draws a new one on the restored pages.
    if (result == DDERR_SURFACELOST) return RestoreSurfaces();
    if (result != DDERR_WASSTILLDRAWING) return result;
  }
}

HRESULT RestoreSurfaces() {
  // The back buffer comes back with the primary surface it belongs to.
  PrimarySurface->Restore();
  SceneSurface->Restore();
  HRESULT result = SpriteSurface->Restore();
  LoadSceneBitmaps();
  return result;
}
