// The display layer's pointers on recording DirectDraw fakes of the real
// sizes, for as long as this object lives.
#pragma once

#include "ddraw_fakes.h"
#include "display/display.h"

struct FakeDisplay {
  fakes::FakeSurface Primary{"primary"};
  fakes::FakeSurface Back{"back"};
  fakes::FakeSurface Scene{"scene"};
  fakes::FakeSurface Sprite{"sprite"};

  FakeDisplay() {
    // A fresh display per case of a table: earlier fakes may have lived at the same addresses.
    fakes::CallLog().Clear();
    // With pixels, so that a restore that reloads the pictures finds what it needs.
    Primary.Configure(640, 480, 32);
    Back.Configure(640, 480, 32);
    Scene.Configure(1280, 480, 32);
    Sprite.Configure(1280, 132, 32);
    Primary.Attach(&Back);
    PrimarySurface = &Primary;
    BackBuffer = &Back;
    SceneSurface = &Scene;
    SpriteSurface = &Sprite;
  }
  ~FakeDisplay() {
    PrimarySurface = nullptr;
    BackBuffer = nullptr;
    SceneSurface = nullptr;
    SpriteSurface = nullptr;
  }
  FakeDisplay(const FakeDisplay&) = delete;
  FakeDisplay& operator=(const FakeDisplay&) = delete;

  // How often the surfaces were restored: each restore begins with the primary.
  size_t Restores() const { return Primary.Calls("Restore").size(); }
};
