#include "fake_palette.h"

#include <algorithm>

namespace fakes {

FakePalette::FakePalette(std::string name) : FakeObject(std::move(name), {}) {}

void FakePalette::Fill(DWORD flags, const PALETTEENTRY* entries) {
  flags_ = flags;
  if (entries) std::copy(entries, entries + entries_.size(), entries_.begin());
}

HRESULT FakePalette::QueryInterface(REFIID, void** object) {
  if (object) *object = nullptr;
  return Unexpected("QueryInterface", E_NOINTERFACE);
}

ULONG FakePalette::AddRef() { return CountAddRef(); }
ULONG FakePalette::Release() { return CountRelease(); }

HRESULT FakePalette::GetCaps(LPDWORD) { return Unexpected("GetCaps"); }
HRESULT FakePalette::GetEntries(DWORD, DWORD, DWORD, LPPALETTEENTRY) { return Unexpected("GetEntries"); }
HRESULT FakePalette::Initialize(LPDIRECTDRAW, DWORD, LPPALETTEENTRY) { return Unexpected("Initialize"); }
HRESULT FakePalette::SetEntries(DWORD, DWORD, DWORD, LPPALETTEENTRY) { return Unexpected("SetEntries"); }

}  // namespace fakes
