#include "fake_display.h"

#include <gtest/gtest.h>

#include "display/display.h"

namespace {

FakeDisplay* current = nullptr;

HRESULT WINAPI CreateFakeDirectDraw(GUID* driver, LPDIRECTDRAW* object, IUnknown* outer) {
  fakes::FakeCall call;
  call.object = "ddraw";
  call.method = "DirectDrawCreate";
  call.args = std::string(driver ? "driver" : "null") + "," + (outer ? "outer" : "null");
  call.pointer = outer;
  call.result = current->createResult;
  fakes::CallLog().Add(call);
  if (call.result == DD_OK) *object = &current->dd;
  return call.result;
}

}  // namespace

FakeDisplay::FakeDisplay() {
  current = this;
  DirectDrawCreateFunction = CreateFakeDirectDraw;
  dd.QueueSurfaces({&primary, &scene, &sprite});
  dd.QueuePalette(&palette);
  primary.Attach(&back);
}

void FakeDisplay::Install() {
  fakes::CallLog().Clear();
  primary.Configure(640, 480, 32);
  back.Configure(640, 480, 32);
  scene.Configure(1280, 480, 32);
  sprite.Configure(1280, 132, 32);
  DirectDrawObject = &dd;
  PrimarySurface = &primary;
  BackBuffer = &back;
  SceneSurface = &scene;
  SpriteSurface = &sprite;
}

FakeDisplay::~FakeDisplay() {
  ReleaseDisplay();
  // A test may have left pointers of its own behind.
  DirectDrawObject = nullptr;
  PrimarySurface = nullptr;
  BackBuffer = nullptr;
  SceneSurface = nullptr;
  SpriteSurface = nullptr;
  DisplayPalette = nullptr;
  DirectDrawCreateFunction = DirectDrawCreate;
  current = nullptr;
}
