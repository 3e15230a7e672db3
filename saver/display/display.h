// The display layer: every DirectDraw object of the screensaver, owned here
// from InitDisplay until ReleaseDisplay. Other code uses the pointers directly
// and never adds or drops references.
#pragma once

#include <windows.h>
#include <ddraw.h>

extern IDirectDraw* DirectDrawObject;
extern IDirectDrawSurface* PrimarySurface;
extern IDirectDrawSurface* BackBuffer;
extern IDirectDrawSurface* SceneSurface;   // 1280x480, "Data1.Bin"
extern IDirectDrawSurface* SpriteSurface;  // 1280x132, "Data2.Bin", blue colour key
extern IDirectDrawPalette* DisplayPalette; // 8-bit mode only

// How InitDisplay creates the DirectDraw object: DirectDrawCreate, unless a
// test hands in a double.
using DirectDrawCreateProc = HRESULT(WINAPI*)(GUID*, LPDIRECTDRAW*, IUnknown*);
extern DirectDrawCreateProc DirectDrawCreateFunction;

// 1 when the display is in 640x480 exclusive mode with both pictures loaded,
// 0 at the first failure (the caller then calls ReleaseDisplay).
int InitDisplay();
// Releases whatever exists and leaves all six pointers null; always 1; safe
// to call any number of times.
int ReleaseDisplay();
// Fills both picture surfaces from their files; 1 on success, 0 if a file
// cannot be loaded.
int LoadSceneBitmaps();

// Shows the composed back buffer. DD_OK, or after a lost surface the result of
// RestoreSurfaces, or any other error of Flip unchanged.
HRESULT FlipPages();
// Restores the three surfaces and reloads both pictures; the result is that
// of the sprite surface's Restore.
HRESULT RestoreSurfaces();
