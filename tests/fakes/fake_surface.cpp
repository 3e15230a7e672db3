#include "fake_surface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace fakes {

FakeSurface::FakeSurface(std::string name)
    : FakeObject(std::move(name), {"BltFast", "Flip", "GetAttachedSurface", "GetDC", "ReleaseDC",
                                   "GetSurfaceDesc", "Lock", "Unlock", "Restore", "SetColorKey",
                                   "SetPalette"}) {}

FakeSurface::~FakeSurface() {
  // A device context or lock left open is a leak in the code under test.
  if (dc_) ADD_FAILURE() << Name() << " destroyed with its GetDC not released";
  if (locked_) ADD_FAILURE() << Name() << " destroyed while locked";
  if (dc_) {
    SelectObject(dc_, dcOldBitmap_);
    DeleteDC(dc_);
  }
  FreePixels();
}

void FakeSurface::FreePixels() {
  if (dib_) DeleteObject(dib_);
  dib_ = nullptr;
  bits_ = nullptr;
  width_ = height_ = bpp_ = pitch_ = 0;
}

void FakeSurface::Configure(int width, int height, int bitsPerPixel) {
  if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) {
    ADD_FAILURE() << Name() << ": fake surfaces have 8, 24 or 32 bits per pixel, not " << bitsPerPixel;
    return;
  }
  FreePixels();
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height;  // top-down: the memory starts at pixel (0, 0)
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  if (bitsPerPixel == 8) {
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i) {
      info.colors[i].rgbRed = static_cast<BYTE>(((i >> 5) & 7) * 255 / 7);
      info.colors[i].rgbGreen = static_cast<BYTE>(((i >> 2) & 7) * 255 / 7);
      info.colors[i].rgbBlue = static_cast<BYTE>((i & 3) * 255 / 3);
    }
  }
  void* bits = nullptr;
  dib_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib_) {
    ADD_FAILURE() << Name() << ": CreateDIBSection failed";
    return;
  }
  bits_ = static_cast<BYTE*>(bits);
  width_ = width;
  height_ = height;
  bpp_ = bitsPerPixel;
  pitch_ = ((width * bitsPerPixel + 31) / 32) * 4;
  std::memset(bits_, 0, static_cast<size_t>(pitch_) * height);
}

BYTE* FakeSurface::PixelAddress(int x, int y) const {
  return bits_ + static_cast<size_t>(y) * pitch_ + static_cast<size_t>(x) * (bpp_ / 8);
}

DWORD FakeSurface::RawPixel(int x, int y) const {
  if (!bits_) {
    ADD_FAILURE() << Name() << " has no pixels";
    return 0;
  }
  GdiFlush();
  DWORD value = 0;
  std::memcpy(&value, PixelAddress(x, y), bpp_ / 8);
  return value;
}

void FakeSurface::SetRawPixel(int x, int y, DWORD value) {
  if (!bits_) {
    ADD_FAILURE() << Name() << " has no pixels";
    return;
  }
  GdiFlush();
  std::memcpy(PixelAddress(x, y), &value, bpp_ / 8);
}

void FakeSurface::FillBytes(BYTE value) {
  if (!bits_) {
    ADD_FAILURE() << Name() << " has no pixels";
    return;
  }
  GdiFlush();
  std::memset(bits_, value, static_cast<size_t>(pitch_) * height_);
}

void FakeSurface::DescribeInto(DDSURFACEDESC& desc) const {
  desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
  desc.dwWidth = width_;
  desc.dwHeight = height_;
  desc.lPitch = pitch_;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
  DDPIXELFORMAT& format = desc.ddpfPixelFormat;
  format = DDPIXELFORMAT{};
  format.dwSize = sizeof(DDPIXELFORMAT);
  format.dwRGBBitCount = bpp_;
  if (bpp_ == 8) {
    format.dwFlags = DDPF_RGB | DDPF_PALETTEINDEXED8;
  } else {
    format.dwFlags = DDPF_RGB;
    format.dwRBitMask = 0xFF0000;
    format.dwGBitMask = 0x00FF00;
    format.dwBBitMask = 0x0000FF;
  }
}

HRESULT FakeSurface::QueryInterface(REFIID, void** object) {
  if (object) *object = nullptr;
  return Unexpected("QueryInterface", E_NOINTERFACE);
}

ULONG FakeSurface::AddRef() { return CountAddRef(); }

ULONG FakeSurface::Release() { return CountRelease(); }

HRESULT FakeSurface::BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD trans) {
  FakeCall call = NewCall("BltFast", std::to_string(x) + "," + std::to_string(y) + "," + ObjectName(source) + "," +
                                         RectText(sourceRect) + "," + Hex(trans));
  call.x = x;
  call.y = y;
  call.source = source;
  if (sourceRect) call.rect = *sourceRect;
  call.flags = trans;
  return Finish(call, NextResult("BltFast"));
}

HRESULT FakeSurface::Flip(LPDIRECTDRAWSURFACE targetOverride, DWORD flags) {
  FakeCall call = NewCall("Flip", ObjectName(targetOverride) + "," + Hex(flags));
  call.source = targetOverride;
  call.flags = flags;
  return Finish(call, NextResult("Flip"));
}

HRESULT FakeSurface::GetAttachedSurface(LPDDSCAPS caps, LPDIRECTDRAWSURFACE* attached) {
  FakeCall call = NewCall("GetAttachedSurface", caps ? Hex(caps->dwCaps) : "null");
  if (caps) call.caps = *caps;
  HRESULT result = NextResult("GetAttachedSurface");
  if (attached) *attached = nullptr;
  if (result == DD_OK) {
    if (!attached_ || !attached) {
      ADD_FAILURE() << Name() << ".GetAttachedSurface: no surface attached to hand out";
      result = DDERR_NOTFOUND;
    } else {
      if (!attached_->Configured() && Configured()) attached_->Configure(width_, height_, bpp_);
      *attached = attached_;
    }
  }
  Finish(call, result);
  if (result == DD_OK) attached_->AddRef();  // logged after the call that caused it
  return result;
}

HRESULT FakeSurface::GetDC(HDC* dc) {
  FakeCall call = NewCall("GetDC", "");
  HRESULT result = NextResult("GetDC");
  if (dc) *dc = nullptr;
  if (result == DD_OK) {
    if (dc_ || locked_) {
      ADD_FAILURE() << Name() << ".GetDC while " << (dc_ ? "a device context is out" : "locked");
      result = DDERR_DCALREADYCREATED;
    } else if (!bits_) {
      ADD_FAILURE() << Name() << ".GetDC on a surface without pixels (Configure it)";
      result = DDERR_GENERIC;
    } else {
      dc_ = CreateCompatibleDC(nullptr);
      dcOldBitmap_ = SelectObject(dc_, dib_);
      if (dc) *dc = dc_;
      call.dc = dc_;
    }
  }
  return Finish(call, result);
}

HRESULT FakeSurface::ReleaseDC(HDC dc) {
  FakeCall call = NewCall("ReleaseDC", "");
  call.dc = dc;
  HRESULT result = NextResult("ReleaseDC");
  if (!dc_ || dc != dc_) {
    ADD_FAILURE() << Name() << ".ReleaseDC of a device context it did not hand out";
    return Finish(call, DDERR_NODC);
  }
  GdiFlush();
  SelectObject(dc_, dcOldBitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  return Finish(call, result);
}

HRESULT FakeSurface::GetSurfaceDesc(LPDDSURFACEDESC desc) {
  FakeCall call = NewCall("GetSurfaceDesc", desc ? Hex(desc->dwFlags) : "null");
  if (desc) call.desc = *desc;
  HRESULT result = NextResult("GetSurfaceDesc");
  if (!desc || desc->dwSize != sizeof(DDSURFACEDESC)) return Finish(call, DDERR_INVALIDPARAMS);
  if (result == DD_OK) DescribeInto(*desc);
  return Finish(call, result);
}

HRESULT FakeSurface::Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event) {
  FakeCall call = NewCall("Lock", RectText(rect) + "," + Hex(flags) + "," + (event ? "event" : "null"));
  if (rect) call.rect = *rect;
  if (desc) call.desc = *desc;
  call.flags = flags;
  call.pointer = event;
  HRESULT result = NextResult("Lock");
  if (!desc || desc->dwSize != sizeof(DDSURFACEDESC)) return Finish(call, DDERR_INVALIDPARAMS);
  if (result == DD_OK) {
    if (locked_ || dc_) {
      ADD_FAILURE() << Name() << ".Lock while " << (locked_ ? "locked" : "a device context is out");
      result = DDERR_SURFACEBUSY;
    } else if (!bits_) {
      ADD_FAILURE() << Name() << ".Lock on a surface without pixels (Configure it)";
      result = DDERR_GENERIC;
    } else {
      GdiFlush();
      DescribeInto(*desc);
      desc->dwFlags |= DDSD_LPSURFACE;
      desc->lpSurface = rect ? PixelAddress(rect->left, rect->top) : bits_;
      locked_ = true;
    }
  }
  return Finish(call, result);
}

HRESULT FakeSurface::Unlock(LPVOID surfaceData) {
  FakeCall call = NewCall("Unlock", surfaceData ? "pointer" : "null");
  call.pointer = surfaceData;
  HRESULT result = NextResult("Unlock");
  if (!locked_) {
    ADD_FAILURE() << Name() << ".Unlock without a lock";
    return Finish(call, DDERR_NOTLOCKED);
  }
  locked_ = false;
  return Finish(call, result);
}

HRESULT FakeSurface::Restore() {
  FakeCall call = NewCall("Restore", "");
  return Finish(call, NextResult("Restore"));
}

HRESULT FakeSurface::SetColorKey(DWORD flags, LPDDCOLORKEY key) {
  FakeCall call = NewCall("SetColorKey", Hex(flags) + "," +
                                             (key ? "{" + Hex(key->dwColorSpaceLowValue) + "," +
                                                        Hex(key->dwColorSpaceHighValue) + "}"
                                                  : std::string("null")));
  call.flags = flags;
  if (key) call.colorKey = *key;
  return Finish(call, NextResult("SetColorKey"));
}

HRESULT FakeSurface::SetPalette(LPDIRECTDRAWPALETTE palette) {
  FakeCall call = NewCall("SetPalette", ObjectName(palette));
  call.palette = palette;
  return Finish(call, NextResult("SetPalette"));
}

HRESULT FakeSurface::AddAttachedSurface(LPDIRECTDRAWSURFACE) { return Unexpected("AddAttachedSurface"); }
HRESULT FakeSurface::AddOverlayDirtyRect(LPRECT) { return Unexpected("AddOverlayDirtyRect"); }
HRESULT FakeSurface::Blt(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDBLTFX) { return Unexpected("Blt"); }
HRESULT FakeSurface::BltBatch(LPDDBLTBATCH, DWORD, DWORD) { return Unexpected("BltBatch"); }
HRESULT FakeSurface::DeleteAttachedSurface(DWORD, LPDIRECTDRAWSURFACE) { return Unexpected("DeleteAttachedSurface"); }
HRESULT FakeSurface::EnumAttachedSurfaces(LPVOID, LPDDENUMSURFACESCALLBACK) { return Unexpected("EnumAttachedSurfaces"); }
HRESULT FakeSurface::EnumOverlayZOrders(DWORD, LPVOID, LPDDENUMSURFACESCALLBACK) { return Unexpected("EnumOverlayZOrders"); }
HRESULT FakeSurface::GetBltStatus(DWORD) { return Unexpected("GetBltStatus"); }
HRESULT FakeSurface::GetCaps(LPDDSCAPS) { return Unexpected("GetCaps"); }
HRESULT FakeSurface::GetClipper(LPDIRECTDRAWCLIPPER*) { return Unexpected("GetClipper"); }
HRESULT FakeSurface::GetColorKey(DWORD, LPDDCOLORKEY) { return Unexpected("GetColorKey"); }
HRESULT FakeSurface::GetFlipStatus(DWORD) { return Unexpected("GetFlipStatus"); }
HRESULT FakeSurface::GetOverlayPosition(LPLONG, LPLONG) { return Unexpected("GetOverlayPosition"); }
HRESULT FakeSurface::GetPalette(LPDIRECTDRAWPALETTE*) { return Unexpected("GetPalette"); }
HRESULT FakeSurface::GetPixelFormat(LPDDPIXELFORMAT) { return Unexpected("GetPixelFormat"); }
HRESULT FakeSurface::Initialize(LPDIRECTDRAW, LPDDSURFACEDESC) { return Unexpected("Initialize"); }
HRESULT FakeSurface::IsLost() { return Unexpected("IsLost"); }
HRESULT FakeSurface::SetClipper(LPDIRECTDRAWCLIPPER) { return Unexpected("SetClipper"); }
HRESULT FakeSurface::SetOverlayPosition(LONG, LONG) { return Unexpected("SetOverlayPosition"); }
HRESULT FakeSurface::UpdateOverlay(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDOVERLAYFX) { return Unexpected("UpdateOverlay"); }
HRESULT FakeSurface::UpdateOverlayDisplay(DWORD) { return Unexpected("UpdateOverlayDisplay"); }
HRESULT FakeSurface::UpdateOverlayZOrder(DWORD, LPDIRECTDRAWSURFACE) { return Unexpected("UpdateOverlayZOrder"); }

}  // namespace fakes
