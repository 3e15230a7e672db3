// Moving pictures and colours between GDI and DirectDraw surfaces. Stateless:
// everything they work on is passed in.
#pragma once

#include <windows.h>
#include <ddraw.h>

// Stretches the source rectangle of the bitmap over the whole surface (width
// or height 0: the bitmap's own). The bitmap stays the caller's. Answers the
// surface's GetDC result, or E_FAIL for a null surface or bitmap.
HRESULT CopyBitmapToSurface(IDirectDrawSurface* surface, HBITMAP bitmap, int x, int y, int width, int height);

// A 256-entry palette: the 3-3-2 ramp, overlaid with the colour table of the
// bitmap resource or file called `name` (may be null). The caller owns it;
// null when DirectDraw will not create it.
IDirectDrawPalette* LoadPalette8(IDirectDraw* directDraw, const char* name);

// The raw pixel value the surface stores for `color`, found by writing it to
// pixel (0, 0) and reading it back; 0xFFFFFFFF when the surface cannot be
// locked. CLR_INVALID reads pixel (0, 0) as it is.
DWORD MatchSurfaceColor(IDirectDrawSurface* surface, COLORREF color);

// Makes `color` the surface's source colour key.
HRESULT SetSurfaceColorKey(IDirectDrawSurface* surface, COLORREF color);
