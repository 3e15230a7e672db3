// The display layer wired to DirectDraw doubles: DirectDrawCreate hands out
// `dd`, which hands out the primary surface (with `back` attached), the scene
// and sprite surfaces and, in 8-bit mode, the palette. On destruction the
// display is released and the real DirectDrawCreate comes back.
#pragma once

#include "ddraw_fakes.h"

struct FakeDisplay {
  FakeDisplay();
  ~FakeDisplay();
  FakeDisplay(const FakeDisplay&) = delete;
  FakeDisplay& operator=(const FakeDisplay&) = delete;

  // What the doubled DirectDrawCreate answers.
  HRESULT createResult = DD_OK;

  fakes::FakeDirectDraw dd{"dd"};
  fakes::FakeSurface primary{"primary"};
  fakes::FakeSurface back{"back"};
  fakes::FakeSurface scene{"scene"};
  fakes::FakeSurface sprite{"sprite"};
  fakes::FakePalette palette{"palette"};
};
