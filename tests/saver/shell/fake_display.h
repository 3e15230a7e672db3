// Puts DirectDraw doubles behind the display layer's pointers for one test,
// as a successful InitDisplay would leave them, and clears them afterwards.
#pragma once

#include "ddraw_fakes.h"
#include "display/display.h"

class FakeDisplay {
 public:
  FakeDisplay() { primary.Attach(&back); }
  ~FakeDisplay() {
    DirectDrawObject = nullptr;
    PrimarySurface = nullptr;
    BackBuffer = nullptr;
    SceneSurface = nullptr;
    SpriteSurface = nullptr;
    DisplayPalette = nullptr;
  }
  FakeDisplay(const FakeDisplay&) = delete;
  FakeDisplay& operator=(const FakeDisplay&) = delete;

  void Install() {
    DirectDrawObject = &directDraw;
    PrimarySurface = &primary;
    BackBuffer = &back;
    SceneSurface = &scene;
    SpriteSurface = &sprite;
  }

  // A frame ran when something was drawn into the back buffer or flipped.
  bool AnyFrame() const { return !back.Calls("BltFast").empty() || !primary.Calls("Flip").empty(); }

  fakes::FakeDirectDraw directDraw{"dd"};
  fakes::FakeSurface primary{"primary"};
  fakes::FakeSurface back{"back"};
  fakes::FakeSurface scene{"scene"};
  fakes::FakeSurface sprite{"sprite"};
};
