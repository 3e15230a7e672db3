// The display layer wired to DirectDraw doubles: DirectDrawCreate hands out
// `dd`, which hands out the primary surface (with `back` attached), the scene
// and sprite surfaces and, in 8-bit mode, the palette. Install() instead puts
// the doubles behind the display pointers as a successful InitDisplay leaves
// them. On destruction the display is released, the pointers are cleared and
// the real DirectDrawCreate comes back.
#pragma once

#include "ddraw_fakes.h"

struct FakeDisplay {
  FakeDisplay();
  ~FakeDisplay();
  FakeDisplay(const FakeDisplay&) = delete;
  FakeDisplay& operator=(const FakeDisplay&) = delete;

  // The display as InitDisplay leaves it, with surfaces of the real sizes
  // that hold pixels (a restore reloads the pictures into them). Starts a
  // fresh call log: earlier doubles may have lived at the same addresses.
  void Install();

  // How often the surfaces were restored: each restore begins with the primary.
  size_t Restores() const { return primary.Calls("Restore").size(); }
  // A frame ran when something was drawn into the back buffer or flipped.
  bool AnyFrame() const { return !back.Calls("BltFast").empty() || !primary.Calls("Flip").empty(); }

  // What the doubled DirectDrawCreate answers.
  HRESULT createResult = DD_OK;

  fakes::FakeDirectDraw dd{"dd"};
  fakes::FakeSurface primary{"primary"};
  fakes::FakeSurface back{"back"};
  fakes::FakeSurface scene{"scene"};
  fakes::FakeSurface sprite{"sprite"};
  fakes::FakePalette palette{"palette"};
};
