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

FakeDisplay::~FakeDisplay() {
  ReleaseDisplay();
  DirectDrawCreateFunction = DirectDrawCreate;
  current = nullptr;
}
