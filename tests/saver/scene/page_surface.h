// A minimal DirectDraw surface for long runs and timing: it copies no pixels
// and logs nothing, but refuses a BltFast whose source or destination leaves
// a surface with DDERR_INVALIDRECT, as DirectDraw under Wine does.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <cstdint>

class PageSurface : public IDirectDrawSurface {
public:
  PageSurface(int32_t width, int32_t height) : Width(width), Height(height) {}
  virtual ~PageSurface() = default;

  const int32_t Width, Height;
  int64_t Blits = 0;
  int64_t RefusedBlits = 0;
  int64_t Flips = 0;
  int64_t Restores = 0;

  HRESULT STDMETHODCALLTYPE BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect,
                                    DWORD trans) override;
  HRESULT STDMETHODCALLTYPE Flip(LPDIRECTDRAWSURFACE, DWORD) override;
  HRESULT STDMETHODCALLTYPE Restore() override;
  HRESULT STDMETHODCALLTYPE IsLost() override { return DD_OK; }

  // Nothing else is expected of a page in a running frame.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE AddAttachedSurface(LPDIRECTDRAWSURFACE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AddOverlayDirtyRect(LPRECT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Blt(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDBLTFX) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BltBatch(LPDDBLTBATCH, DWORD, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeleteAttachedSurface(DWORD, LPDIRECTDRAWSURFACE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumAttachedSurfaces(LPVOID, LPDDENUMSURFACESCALLBACK) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumOverlayZOrders(DWORD, LPVOID, LPDDENUMSURFACESCALLBACK) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAttachedSurface(LPDDSCAPS, LPDIRECTDRAWSURFACE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBltStatus(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCaps(LPDDSCAPS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipper(LPDIRECTDRAWCLIPPER*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetColorKey(DWORD, LPDDCOLORKEY) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDC(HDC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetFlipStatus(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetOverlayPosition(LPLONG, LPLONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPalette(LPDIRECTDRAWPALETTE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPixelFormat(LPDDPIXELFORMAT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSurfaceDesc(LPDDSURFACEDESC) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTDRAW, LPDDSURFACEDESC) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Lock(LPRECT, LPDDSURFACEDESC, DWORD, HANDLE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ReleaseDC(HDC) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetClipper(LPDIRECTDRAWCLIPPER) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetColorKey(DWORD, LPDDCOLORKEY) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetOverlayPosition(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetPalette(LPDIRECTDRAWPALETTE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unlock(LPVOID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE UpdateOverlay(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UpdateOverlayDisplay(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE UpdateOverlayZOrder(DWORD, LPDIRECTDRAWSURFACE) override { return E_NOTIMPL; }
};

// The display layer's pointers on a set of page surfaces of the real sizes,
// for as long as this object lives.
class PageDisplay {
public:
  PageDisplay();
  ~PageDisplay();
  PageDisplay(const PageDisplay&) = delete;
  PageDisplay& operator=(const PageDisplay&) = delete;

  PageSurface Primary{640, 480};
  PageSurface Back{640, 480};
  PageSurface Scene{1280, 480};
  PageSurface Sprite{1280, 132};
};
