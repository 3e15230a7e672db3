// A fake IDirectDrawPalette: holds the entries that CreatePalette was given.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <array>

#include "fake_object.h"

namespace fakes {

class FakePalette : public IDirectDrawPalette, public FakeObject {
 public:
  explicit FakePalette(std::string name = "palette");

  // Filled by FakeDirectDraw::CreatePalette.
  void Fill(DWORD flags, const PALETTEENTRY* entries);
  const std::array<PALETTEENTRY, 256>& Entries() const { return entries_; }
  DWORD CreationFlags() const { return flags_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // None of these is used by the screensaver: they fail the test.
  HRESULT STDMETHODCALLTYPE GetCaps(LPDWORD) override;
  HRESULT STDMETHODCALLTYPE GetEntries(DWORD, DWORD, DWORD, LPPALETTEENTRY) override;
  HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTDRAW, DWORD, LPPALETTEENTRY) override;
  HRESULT STDMETHODCALLTYPE SetEntries(DWORD, DWORD, DWORD, LPPALETTEENTRY) override;

 private:
  std::array<PALETTEENTRY, 256> entries_{};
  DWORD flags_ = 0;
};

}  // namespace fakes
