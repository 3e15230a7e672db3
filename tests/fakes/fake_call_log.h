// One ordered log shared by every DirectDraw fake, so that a test can check
// the order of calls across objects (mode before surfaces, restore before
// reload, ...). The log is emptied at the start of every test.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <optional>
#include <string>
#include <vector>

namespace fakes {

struct FakeCall {
  const void* owner = nullptr;  // the fake that was called
  unsigned serial = 0;          // tells apart fakes that reuse one address
  std::string object;           // its name
  std::string method;           // e.g. "BltFast"
  std::string args;             // the arguments that matter, as text
  HRESULT result = S_OK;        // what the fake answered (ULONG for AddRef/Release)

  // The arguments that matter, by method; untouched fields stay zero.
  DWORD x = 0, y = 0;                    // BltFast destination point
  DWORD width = 0, height = 0, bpp = 0;  // SetDisplayMode
  IDirectDrawSurface* source = nullptr;  // BltFast source, Flip target override
  std::optional<RECT> rect;              // BltFast source rectangle, Lock rectangle
  DWORD flags = 0;                       // BltFast, Flip, Lock, SetColorKey, SetCooperativeLevel, CreatePalette, CreateSurface
  HWND window = nullptr;                 // SetCooperativeLevel
  DDSURFACEDESC desc{};                  // as passed in: CreateSurface, GetSurfaceDesc, Lock
  DDSCAPS caps{};                        // GetAttachedSurface
  DDCOLORKEY colorKey{};                 // SetColorKey
  IDirectDrawPalette* palette = nullptr; // SetPalette
  HDC dc = nullptr;                      // GetDC (handed out), ReleaseDC
  const void* pointer = nullptr;         // Unlock, Lock event, outer objects

  // "object.Method(args)"
  std::string Text() const;
};

class FakeCallLog {
 public:
  void Add(FakeCall call);
  void Clear();
  const std::vector<FakeCall>& Calls() const { return calls_; }
  // "object.Method" of every call, in order.
  std::vector<std::string> Methods() const;
  // "object.Method(args)" of every call, in order.
  std::vector<std::string> Texts() const;

 private:
  std::vector<FakeCall> calls_;
};

// The log of the running test.
FakeCallLog& CallLog();

// Text helpers for the args field.
std::string Hex(DWORD value);
std::string RectText(const RECT* rect);
std::string ObjectName(const IUnknown* object);

}  // namespace fakes
