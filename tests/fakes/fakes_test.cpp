// The doubles must behave like DirectDraw where the display layer and the
// scene depend on it; otherwise their tests prove nothing.
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "ddraw_fakes.h"

using namespace fakes;
using testing::ElementsAre;

TEST(FakeSurface, ScriptedResultsRunOutIntoTheDefault) {
  FakeSurface primary("primary");
  primary.Script("Flip", {DDERR_WASSTILLDRAWING, DDERR_SURFACELOST});
  EXPECT_EQ(primary.Flip(nullptr, 0), DDERR_WASSTILLDRAWING);
  EXPECT_EQ(primary.Flip(nullptr, 0), DDERR_SURFACELOST);
  EXPECT_EQ(primary.Flip(nullptr, 0), DD_OK);
  primary.ScriptDefault("Flip", DDERR_GENERIC);
  EXPECT_EQ(primary.Flip(nullptr, 0), DDERR_GENERIC);
  EXPECT_EQ(primary.Calls("Flip").size(), 4u);
}

TEST(FakeSurface, LogsBlitArgumentsAcrossObjectsInOrder) {
  FakeSurface back("back"), sprite("sprite");
  RECT source{1, 2, 33, 34};
  back.BltFast(10, 20, &sprite, &source, DDBLTFAST_SRCCOLORKEY);
  sprite.Restore();
  EXPECT_THAT(CallLog().Texts(), ElementsAre("back.BltFast(10,20,sprite,{1,2,33,34},0x1)", "sprite.Restore()"));
  FakeCall blit = back.Calls("BltFast").at(0);
  EXPECT_EQ(blit.source, &sprite);
  ASSERT_TRUE(blit.rect.has_value());
  EXPECT_EQ(blit.rect->right, 33);
}

TEST(FakeSurface, MisspeltScriptAndForbiddenMethodFailTheTest) {
  FakeSurface surface;
  EXPECT_NONFATAL_FAILURE(surface.Script("Flipp", {DD_OK}), "cannot script");
  EXPECT_NONFATAL_FAILURE(EXPECT_EQ(surface.IsLost(), E_NOTIMPL), "unexpected call surface.IsLost");
  EXPECT_NONFATAL_FAILURE(surface.Release(); surface.Release(), "released more often");
}

// What GDI writes through GetDC must be what Lock shows, in the surface's
// own format, at every depth the display can run at.
TEST(FakeSurface, PixelsWrittenThroughGdiShowThroughLock) {
  struct Case {
    int bpp;
    DWORD bluePixel;
  } cases[] = {{32, 0x0000FF}, {24, 0x0000FF}, {8, 0x03}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bpp);
    FakeSurface surface;
    surface.Configure(4, 2, c.bpp);
    HDC dc = nullptr;
    ASSERT_EQ(surface.GetDC(&dc), DD_OK);
    SetPixel(dc, 1, 1, RGB(0, 0, 255));
    ASSERT_EQ(surface.ReleaseDC(dc), DD_OK);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    ASSERT_EQ(surface.Lock(nullptr, &desc, 0, nullptr), DD_OK);
    EXPECT_EQ(desc.ddpfPixelFormat.dwRGBBitCount, static_cast<DWORD>(c.bpp));
    const BYTE* row1 = static_cast<const BYTE*>(desc.lpSurface) + desc.lPitch;
    DWORD value = 0;
    memcpy(&value, row1 + c.bpp / 8, c.bpp / 8);
    EXPECT_EQ(value, c.bluePixel);
    EXPECT_EQ(surface.RawPixel(1, 1), c.bluePixel);
    surface.Unlock(nullptr);
  }
}

TEST(FakeDirectDraw, HandsOutQueuedObjectsSizedFromTheMode) {
  FakeDirectDraw dd;
  FakeSurface primary("primary"), back("back"), scene("scene");
  FakePalette palette;
  dd.QueueSurfaces({&primary, &scene});
  dd.QueuePalette(&palette);
  primary.Attach(&back);
  dd.Script("SetDisplayMode", {DDERR_UNSUPPORTEDMODE});
  EXPECT_EQ(dd.SetDisplayMode(640, 480, 32), DDERR_UNSUPPORTEDMODE);
  EXPECT_EQ(dd.SetDisplayMode(640, 480, 8), DD_OK);

  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  IDirectDrawSurface* made = nullptr;
  ASSERT_EQ(dd.CreateSurface(&desc, &made, nullptr), DD_OK);
  EXPECT_EQ(made, &primary);
  EXPECT_EQ(primary.Width(), 640);
  EXPECT_EQ(primary.BitsPerPixel(), 8);

  desc = DDSURFACEDESC{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_WIDTH | DDSD_HEIGHT;
  desc.dwWidth = 1280;
  desc.dwHeight = 132;
  ASSERT_EQ(dd.CreateSurface(&desc, &made, nullptr), DD_OK);
  EXPECT_EQ(scene.Height(), 132);

  DDSCAPS caps{DDSCAPS_BACKBUFFER};
  ASSERT_EQ(primary.GetAttachedSurface(&caps, &made), DD_OK);
  EXPECT_EQ(made, &back);
  EXPECT_EQ(back.RefCount(), 2u);

  PALETTEENTRY entries[256] = {};
  entries[255] = {1, 2, 3, 0};
  IDirectDrawPalette* madePalette = nullptr;
  ASSERT_EQ(dd.CreatePalette(DDPCAPS_8BIT, entries, &madePalette, nullptr), DD_OK);
  EXPECT_EQ(madePalette, &palette);
  EXPECT_EQ(palette.Entries()[255].peBlue, 3);
}
