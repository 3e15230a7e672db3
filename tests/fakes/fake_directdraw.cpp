#include "fake_directdraw.h"

#include <gtest/gtest.h>

namespace fakes {

FakeDirectDraw::FakeDirectDraw(std::string name)
    : FakeObject(std::move(name), {"CreatePalette", "CreateSurface", "SetCooperativeLevel", "SetDisplayMode"}) {}

void FakeDirectDraw::QueueSurfaces(std::initializer_list<FakeSurface*> surfaces) {
  surfaces_.insert(surfaces_.end(), surfaces.begin(), surfaces.end());
}

HRESULT FakeDirectDraw::QueryInterface(REFIID, void** object) {
  if (object) *object = nullptr;
  return Unexpected("QueryInterface", E_NOINTERFACE);
}

ULONG FakeDirectDraw::AddRef() { return CountAddRef(); }
ULONG FakeDirectDraw::Release() { return CountRelease(); }

HRESULT FakeDirectDraw::CreatePalette(DWORD flags, LPPALETTEENTRY colorTable, LPDIRECTDRAWPALETTE* palette,
                                      IUnknown* outer) {
  FakeCall call = NewCall("CreatePalette", Hex(flags) + "," + (colorTable ? "table" : "null") + "," +
                                               (outer ? "outer" : "null"));
  call.flags = flags;
  call.pointer = outer;
  HRESULT result = NextResult("CreatePalette");
  if (palette) *palette = nullptr;
  if (result == DD_OK) {
    if (!palette_ || !palette) {
      ADD_FAILURE() << Name() << ".CreatePalette: no palette queued to hand out";
      result = DDERR_GENERIC;
    } else {
      palette_->Fill(flags, colorTable);
      *palette = palette_;
      call.palette = palette_;
      palette_ = nullptr;
    }
  }
  return Finish(call, result);
}

HRESULT FakeDirectDraw::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, IUnknown* outer) {
  FakeCall call = NewCall("CreateSurface",
                          desc ? Hex(desc->dwFlags) + "," + Hex(desc->ddsCaps.dwCaps) + "," +
                                     std::to_string(desc->dwWidth) + "x" + std::to_string(desc->dwHeight)
                               : std::string("null"));
  if (desc) call.desc = *desc;
  call.flags = desc ? desc->dwFlags : 0;
  call.pointer = outer;
  HRESULT result = NextResult("CreateSurface");
  if (surface) *surface = nullptr;
  if (!desc || desc->dwSize != sizeof(DDSURFACEDESC)) return Finish(call, DDERR_INVALIDPARAMS);
  if (result == DD_OK) {
    if (surfaces_.empty() || !surface) {
      ADD_FAILURE() << Name() << ".CreateSurface: no surface queued to hand out";
      result = DDERR_GENERIC;
    } else {
      FakeSurface* next = surfaces_.front();
      surfaces_.pop_front();
      if (!next->Configured()) {
        if (desc->ddsCaps.dwCaps & DDSCAPS_PRIMARYSURFACE)
          next->Configure(modeWidth_, modeHeight_, modeBpp_);
        else if ((desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) == (DDSD_WIDTH | DDSD_HEIGHT))
          next->Configure(desc->dwWidth, desc->dwHeight, modeBpp_);
      }
      *surface = next;
    }
  }
  return Finish(call, result);
}

HRESULT FakeDirectDraw::SetCooperativeLevel(HWND window, DWORD flags) {
  FakeCall call = NewCall("SetCooperativeLevel", std::string(window ? "window" : "null") + "," + Hex(flags));
  call.window = window;
  call.flags = flags;
  return Finish(call, NextResult("SetCooperativeLevel"));
}

HRESULT FakeDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bpp) {
  FakeCall call = NewCall("SetDisplayMode",
                          std::to_string(width) + "," + std::to_string(height) + "," + std::to_string(bpp));
  call.width = width;
  call.height = height;
  call.bpp = bpp;
  HRESULT result = NextResult("SetDisplayMode");
  if (result == DD_OK) {
    modeWidth_ = width;
    modeHeight_ = height;
    modeBpp_ = bpp;
  }
  return Finish(call, result);
}

HRESULT FakeDirectDraw::Compact() { return Unexpected("Compact"); }
HRESULT FakeDirectDraw::CreateClipper(DWORD, LPDIRECTDRAWCLIPPER*, IUnknown*) { return Unexpected("CreateClipper"); }
HRESULT FakeDirectDraw::DuplicateSurface(LPDIRECTDRAWSURFACE, LPDIRECTDRAWSURFACE*) { return Unexpected("DuplicateSurface"); }
HRESULT FakeDirectDraw::EnumDisplayModes(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMMODESCALLBACK) { return Unexpected("EnumDisplayModes"); }
HRESULT FakeDirectDraw::EnumSurfaces(DWORD, LPDDSURFACEDESC, LPVOID, LPDDENUMSURFACESCALLBACK) { return Unexpected("EnumSurfaces"); }
HRESULT FakeDirectDraw::FlipToGDISurface() { return Unexpected("FlipToGDISurface"); }
HRESULT FakeDirectDraw::GetCaps(LPDDCAPS, LPDDCAPS) { return Unexpected("GetCaps"); }
HRESULT FakeDirectDraw::GetDisplayMode(LPDDSURFACEDESC) { return Unexpected("GetDisplayMode"); }
HRESULT FakeDirectDraw::GetFourCCCodes(LPDWORD, LPDWORD) { return Unexpected("GetFourCCCodes"); }
HRESULT FakeDirectDraw::GetGDISurface(LPDIRECTDRAWSURFACE*) { return Unexpected("GetGDISurface"); }
HRESULT FakeDirectDraw::GetMonitorFrequency(LPDWORD) { return Unexpected("GetMonitorFrequency"); }
HRESULT FakeDirectDraw::GetScanLine(LPDWORD) { return Unexpected("GetScanLine"); }
HRESULT FakeDirectDraw::GetVerticalBlankStatus(WINBOOL*) { return Unexpected("GetVerticalBlankStatus"); }
HRESULT FakeDirectDraw::Initialize(GUID*) { return Unexpected("Initialize"); }
HRESULT FakeDirectDraw::RestoreDisplayMode() { return Unexpected("RestoreDisplayMode"); }
HRESULT FakeDirectDraw::WaitForVerticalBlank(DWORD, HANDLE) { return Unexpected("WaitForVerticalBlank"); }

}  // namespace fakes
