#include "display/display.h"
#include "display/picture_files.h"
#include "display/surface_utils.h"

IDirectDraw* DirectDrawObject = nullptr;
IDirectDrawSurface* PrimarySurface = nullptr;
IDirectDrawSurface* BackBuffer = nullptr;
IDirectDrawSurface* SceneSurface = nullptr;
IDirectDrawSurface* SpriteSurface = nullptr;
IDirectDrawPalette* DisplayPalette = nullptr;

DirectDrawCreateProc DirectDrawCreateFunction = DirectDrawCreate;

namespace {

constexpr DWORD kWidth = 640;
constexpr DWORD kHeight = 480;
constexpr COLORREF kPureBlue = 0x00FF0000;

// The first of 32, 24 and 8 bits per pixel that the display accepts at
// 640x480; 0 when it refuses all three. 16 is never asked for.
DWORD SetFirstAcceptedMode() {
  for (DWORD bits : {32u, 24u, 8u})
    if (DirectDrawObject->SetDisplayMode(kWidth, kHeight, bits) == DD_OK) return bits;
  return 0;
}

// The variable is set only when DirectDraw created the surface, so that a
// failed call never leaves a stray pointer for ReleaseDisplay.
HRESULT CreateSurfaceInto(DDSURFACEDESC& desc, IDirectDrawSurface*& target) {
  IDirectDrawSurface* surface = nullptr;
  HRESULT result = DirectDrawObject->CreateSurface(&desc, &surface, nullptr);
  if (result == DD_OK) target = surface;
  return result;
}

bool LoadPicture(const char* name, IDirectDrawSurface* surface, int width, int height) {
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), LocatePictureFile(name).c_str(),
                                                   IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!bitmap) return false;
  CopyBitmapToSurface(surface, bitmap, 0, 0, width, height);
  DeleteObject(bitmap);
  return true;
}

}  // namespace

int InitDisplay() {
  IDirectDraw* directDraw = nullptr;
  if (DirectDrawCreateFunction(nullptr, &directDraw, nullptr) != DD_OK) return 0;
  DirectDrawObject = directDraw;

  if (DirectDrawObject->SetCooperativeLevel(GetActiveWindow(), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK) return 0;

  DWORD depth = SetFirstAcceptedMode();
  if (depth == 0) return 0;

  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  desc.dwBackBufferCount = 1;
  if (CreateSurfaceInto(desc, PrimarySurface) != DD_OK) return 0;

  DDSCAPS backCaps{};
  backCaps.dwCaps = DDSCAPS_BACKBUFFER;
  IDirectDrawSurface* back = nullptr;
  if (PrimarySurface->GetAttachedSurface(&backCaps, &back) != DD_OK) return 0;
  BackBuffer = back;

  desc = DDSURFACEDESC{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
  desc.dwWidth = 1280;
  desc.dwHeight = 480;
  if (CreateSurfaceInto(desc, SceneSurface) != DD_OK) return 0;
  desc.dwHeight = 132;
  if (CreateSurfaceInto(desc, SpriteSurface) != DD_OK) return 0;

  if (depth == 8) {
    DisplayPalette = LoadPalette8(DirectDrawObject, "data1.bin");
    if (!DisplayPalette) return 0;
    PrimarySurface->SetPalette(DisplayPalette);
  }

  // Matches blue on the still empty sprite surface, before its picture.
  SetSurfaceColorKey(SpriteSurface, kPureBlue);

  return LoadSceneBitmaps();
}

int LoadSceneBitmaps() {
  if (!LoadPicture("Data1.Bin", SceneSurface, 1280, 480)) return 0;
  if (!LoadPicture("Data2.Bin", SpriteSurface, 1280, 132)) return 0;
  // Out of sight: just past the bottom-right pixel of the display.
  SetCursorPos(640, 480);
  return 1;
}

int ReleaseDisplay() {
  if (DirectDrawObject) {
    // The back buffer and the palette go with the primary surface.
    if (PrimarySurface) {
      PrimarySurface->Release();
      PrimarySurface = nullptr;
    }
    if (SceneSurface) {
      SceneSurface->Release();
      SceneSurface = nullptr;
    }
    if (SpriteSurface) {
      SpriteSurface->Release();
      SpriteSurface = nullptr;
    }
    DirectDrawObject->Release();
    DirectDrawObject = nullptr;
  }
  // Left set, they would point at released objects.
  BackBuffer = nullptr;
  DisplayPalette = nullptr;
  return 1;
}
