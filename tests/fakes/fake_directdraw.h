// A fake IDirectDraw that hands out fake surfaces and a fake palette which
// the test queued beforehand.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <deque>
#include <initializer_list>

#include "fake_object.h"
#include "fake_palette.h"
#include "fake_surface.h"

namespace fakes {

class FakeDirectDraw : public IDirectDraw, public FakeObject {
 public:
  explicit FakeDirectDraw(std::string name = "dd");

  // Successful CreateSurface calls hand these out in order. A surface not yet
  // configured gets the size of its description (the display mode's size for
  // the primary) and the depth of the last accepted display mode.
  void QueueSurfaces(std::initializer_list<FakeSurface*> surfaces);
  // A successful CreatePalette hands this out, filled with the entries given.
  void QueuePalette(FakePalette* palette) { palette_ = palette; }
  // The last accepted display mode; 640x480x32 before any.
  DWORD ModeBitsPerPixel() const { return modeBpp_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // The methods the screensaver uses
  HRESULT STDMETHODCALLTYPE CreatePalette(DWORD flags, LPPALETTEENTRY colorTable, LPDIRECTDRAWPALETTE* palette, IUnknown* outer) override;
  HRESULT STDMETHODCALLTYPE CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, IUnknown* outer) override;
  HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE SetDisplayMode(DWORD width, DWORD height, DWORD bpp) override;
  // The rest fail the test.
  HRESULT STDMETHODCALLTYPE Compact() override;
  HRESULT STDMETHODCALLTYPE CreateClipper(DWORD, LPDIRECTDRAWCLIPPER*, IUnknown*) override;
  HRESULT STDMETHODCALLTYPE DuplicateSurface(LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE*) override;
  HRESULT STDMETHODCALLTYPE EnumDisplayModes(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK) override;
  HRESULT STDMETHODCALLTYPE EnumSurfaces(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK) override;
  HRESULT STDMETHODCALLTYPE FlipToGDISurface() override;
  HRESULT STDMETHODCALLTYPE GetCaps(LPDDCAPS, LPDDCAPS) override;
  HRESULT STDMETHODCALLTYPE GetDisplayMode(LPDDSURFACEDESC) override;
  HRESULT STDMETHODCALLTYPE GetFourCCCodes(LPDWORD, LPDWORD) override;
  HRESULT STDMETHODCALLTYPE GetGDISurface(LPDIRECTDRAWSURFACE*) override;
  HRESULT STDMETHODCALLTYPE GetMonitorFrequency(LPDWORD) override;
  HRESULT STDMETHODCALLTYPE GetScanLine(LPDWORD) override;
  HRESULT STDMETHODCALLTYPE GetVerticalBlankStatus(WINBOOL*) override;
  HRESULT STDMETHODCALLTYPE Initialize(GUID*) override;
  HRESULT STDMETHODCALLTYPE RestoreDisplayMode() override;
  HRESULT STDMETHODCALLTYPE WaitForVerticalBlank(DWORD, HANDLE) override;

 private:
  std::deque<FakeSurface*> surfaces_;
  FakePalette* palette_ = nullptr;
  DWORD modeWidth_ = 640, modeHeight_ = 480, modeBpp_ = 32;
};

}  // namespace fakes
