// A fake IDirectDrawSurface whose pixels live in a GDI DIB section, so that
// GetDC hands out a real device context (GetPixel, SetPixel, StretchBlt work)
// and Lock shows the same bytes with the matching pixel format.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include "fake_object.h"

namespace fakes {

class FakeSurface : public IDirectDrawSurface, public FakeObject {
 public:
  explicit FakeSurface(std::string name = "surface");
  ~FakeSurface() override;

  // Gives the surface pixels: 8 (3-3-2 colour table), 24 or 32 bits.
  // CreateSurface of FakeDirectDraw does this for a surface not yet sized.
  void Configure(int width, int height, int bitsPerPixel);
  bool Configured() const { return bits_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bpp_; }
  // The raw value of one pixel in the surface's own format.
  DWORD RawPixel(int x, int y) const;
  void SetRawPixel(int x, int y, DWORD value);
  // Sets every byte of the pixel memory.
  void FillBytes(BYTE value);

  // What GetAttachedSurface hands out (with a reference, as DirectDraw does).
  void Attach(FakeSurface* backBuffer) { attached_ = backBuffer; }
  FakeSurface* Attached() const { return attached_; }

  bool DcOutstanding() const { return dc_ != nullptr; }
  bool Locked() const { return locked_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDirectDrawSurface: the methods the screensaver uses
  HRESULT STDMETHODCALLTYPE BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD trans) override;
  HRESULT STDMETHODCALLTYPE Flip(LPDIRECTDRAWSURFACE targetOverride, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE GetAttachedSurface(LPDDSCAPS caps, LPDIRECTDRAWSURFACE* attached) override;
  HRESULT STDMETHODCALLTYPE GetDC(HDC* dc) override;
  HRESULT STDMETHODCALLTYPE ReleaseDC(HDC dc) override;
  HRESULT STDMETHODCALLTYPE GetSurfaceDesc(LPDDSURFACEDESC desc) override;
  HRESULT STDMETHODCALLTYPE Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event) override;
  HRESULT STDMETHODCALLTYPE Unlock(LPVOID surfaceData) override;
  HRESULT STDMETHODCALLTYPE Restore() override;
  HRESULT STDMETHODCALLTYPE SetColorKey(DWORD flags, LPDDCOLORKEY key) override;
  HRESULT STDMETHODCALLTYPE SetPalette(LPDIRECTDRAWPALETTE palette) override;
  // The rest fail the test.
  HRESULT STDMETHODCALLTYPE AddAttachedSurface(LPDIRECTDRAWSURFACE) override;
  HRESULT STDMETHODCALLTYPE AddOverlayDirtyRect(LPRECT) override;
  HRESULT STDMETHODCALLTYPE Blt(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDBLTFX) override;
  HRESULT STDMETHODCALLTYPE BltBatch(LPDDBLTBATCH, DWORD, DWORD) override;
  HRESULT STDMETHODCALLTYPE DeleteAttachedSurface(DWORD, LPDIRECTDRAWSURFACE) override;
  HRESULT STDMETHODCALLTYPE EnumAttachedSurfaces(LPVOID, LPDDENUMSURFACESCALLBACK) override;
  HRESULT STDMETHODCALLTYPE EnumOverlayZOrders(DWORD, LPVOID, LPDDENUMSURFACESCALLBACK) override;
  HRESULT STDMETHODCALLTYPE GetBltStatus(DWORD) override;
  HRESULT STDMETHODCALLTYPE GetCaps(LPDDSCAPS) override;
  HRESULT STDMETHODCALLTYPE GetClipper(LPDIRECTDRAWCLIPPER*) override;
  HRESULT STDMETHODCALLTYPE GetColorKey(DWORD, LPDDCOLORKEY) override;
  HRESULT STDMETHODCALLTYPE GetFlipStatus(DWORD) override;
  HRESULT STDMETHODCALLTYPE GetOverlayPosition(LPLONG, LPLONG) override;
  HRESULT STDMETHODCALLTYPE GetPalette(LPDIRECTDRAWPALETTE*) override;
  HRESULT STDMETHODCALLTYPE GetPixelFormat(LPDDPIXELFORMAT) override;
  HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTDRAW, LPDDSURFACEDESC) override;
  HRESULT STDMETHODCALLTYPE IsLost() override;
  HRESULT STDMETHODCALLTYPE SetClipper(LPDIRECTDRAWCLIPPER) override;
  HRESULT STDMETHODCALLTYPE SetOverlayPosition(LONG, LONG) override;
  HRESULT STDMETHODCALLTYPE UpdateOverlay(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX) override;
  HRESULT STDMETHODCALLTYPE UpdateOverlayDisplay(DWORD) override;
  HRESULT STDMETHODCALLTYPE UpdateOverlayZOrder(DWORD, LPDIRECTDRAWSURFACE) override;

 private:
  void FreePixels();
  void DescribeInto(DDSURFACEDESC& desc) const;
  BYTE* PixelAddress(int x, int y) const;

  FakeSurface* attached_ = nullptr;
  HBITMAP dib_ = nullptr;
  BYTE* bits_ = nullptr;
  int width_ = 0, height_ = 0, bpp_ = 0, pitch_ = 0;
  HDC dc_ = nullptr;
  HGDIOBJ dcOldBitmap_ = nullptr;
  bool locked_ = false;
};

}  // namespace fakes
