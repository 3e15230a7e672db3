// MatchSurfaceColor finds the raw value a surface stores for a colour by
// letting GDI write it at pixel (0, 0); SetSurfaceColorKey keys on it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ddraw_fakes.h"
#include "display/surface_utils.h"

using namespace fakes;
using testing::ElementsAre;

namespace {

constexpr COLORREF kBlue = 0x00FF0000;

// The four bytes at the start of the surface run into pixel (1, 0); below 32
// bits only the pixel's own bits may count.
TEST(MatchSurfaceColor, KeepsOnlyThePixelsOwnBits) {
  struct Case {
    int bpp;
    DWORD blue;
  } cases[] = {{32, 0x000000FF}, {24, 0x000000FF}, {8, 0x03}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bpp);
    FakeSurface surface;
    surface.Configure(8, 2, c.bpp);
    surface.FillBytes(0xAB);
    EXPECT_EQ(MatchSurfaceColor(&surface, kBlue), c.blue);
  }
}

TEST(MatchSurfaceColor, PutsThePixelBackAndLocksTheWholeSurface) {
  FakeSurface surface("sprite");
  surface.Configure(8, 2, 24);
  surface.SetRawPixel(0, 0, 0x123456);
  MatchSurfaceColor(&surface, kBlue);
  EXPECT_EQ(surface.RawPixel(0, 0), 0x123456u);
  EXPECT_THAT(CallLog().Methods(), ElementsAre("sprite.GetDC", "sprite.ReleaseDC", "sprite.Lock", "sprite.Unlock",
                                               "sprite.GetDC", "sprite.ReleaseDC"));
  FakeCall lock = surface.Calls("Lock").at(0);
  EXPECT_FALSE(lock.rect.has_value());
  EXPECT_EQ(lock.flags, 0u);
  EXPECT_EQ(lock.pointer, nullptr);
  EXPECT_EQ(lock.desc.dwSize, sizeof(DDSURFACEDESC));
}

TEST(MatchSurfaceColor, InvalidColourReadsThePixelAsItIs) {
  FakeSurface surface("sprite");
  surface.Configure(8, 2, 32);
  surface.SetRawPixel(0, 0, 0x87654321);
  EXPECT_EQ(MatchSurfaceColor(&surface, CLR_INVALID), 0x87654321u);
  EXPECT_THAT(CallLog().Methods(), ElementsAre("sprite.Lock", "sprite.Unlock"));
}

TEST(MatchSurfaceColor, RetriesABusyLockAtOnce) {
  FakeSurface surface;
  surface.Configure(8, 2, 32);
  surface.Script("Lock", {DDERR_WASSTILLDRAWING, DDERR_WASSTILLDRAWING});
  EXPECT_EQ(MatchSurfaceColor(&surface, kBlue), 0x000000FFu);
  EXPECT_EQ(surface.Calls("Lock").size(), 3u);
}

TEST(MatchSurfaceColor, WithoutDeviceContextStillReadsThePixel) {
  FakeSurface surface;
  surface.Configure(8, 2, 32);
  surface.SetRawPixel(0, 0, 0x00C0FFEE);
  surface.ScriptDefault("GetDC", DDERR_SURFACELOST);
  EXPECT_EQ(MatchSurfaceColor(&surface, kBlue), 0x00C0FFEEu);
  EXPECT_TRUE(surface.Calls("ReleaseDC").empty());
}

// A lock that fails gives no colour, and that is what becomes the key.
TEST(SetSurfaceColorKey, KeysOnTheMatchedValueOrOnNoColour) {
  struct Case {
    HRESULT lock;
    DWORD key;
  } cases[] = {{DD_OK, 0x03}, {DDERR_SURFACELOST, 0xFFFFFFFF}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lock);
    FakeSurface surface;
    surface.Configure(8, 2, 8);
    surface.Script("Lock", {c.lock});
    surface.Script("SetColorKey", {DDERR_INVALIDPARAMS});
    EXPECT_EQ(SetSurfaceColorKey(&surface, kBlue), DDERR_INVALIDPARAMS);
    auto keys = surface.Calls("SetColorKey");
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].flags, static_cast<DWORD>(DDCKEY_SRCBLT));
    EXPECT_EQ(keys[0].colorKey.dwColorSpaceLowValue, c.key);
    EXPECT_EQ(keys[0].colorKey.dwColorSpaceHighValue, c.key);
    EXPECT_EQ(surface.Calls("Unlock").size(), c.lock == DD_OK ? 1u : 0u);
  }
}

}  // namespace
