// CopyBitmapToSurface stretches a source rectangle of a GDI bitmap over the
// whole surface, through the surface's device context.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "ddraw_fakes.h"
#include "display/surface_utils.h"

using namespace fakes;
using testing::ElementsAre;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

// A one-row 24-bit bitmap of the given colours; the caller deletes it.
HBITMAP RowBitmap(const std::vector<COLORREF>& colours) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(colours.size());
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  BYTE* pixel = static_cast<BYTE*>(bits);
  for (COLORREF colour : colours) {
    *pixel++ = GetBValue(colour);
    *pixel++ = GetGValue(colour);
    *pixel++ = GetRValue(colour);
  }
  return bitmap;
}

// 32-bit surfaces store 0x00RRGGBB.
DWORD Raw(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

TEST(CopyBitmapToSurface, NullSurfaceOrBitmapFailsAndTouchesNothing) {
  FakeSurface surface;
  HBITMAP bitmap = RowBitmap({kRed});
  EXPECT_EQ(CopyBitmapToSurface(nullptr, bitmap, 0, 0, 0, 0), E_FAIL);
  EXPECT_EQ(CopyBitmapToSurface(&surface, nullptr, 0, 0, 0, 0), E_FAIL);
  EXPECT_TRUE(CallLog().Calls().empty());
  DeleteObject(bitmap);
}

TEST(CopyBitmapToSurface, ZeroSizeStretchesTheWholeBitmapOverTheSurface) {
  FakeSurface surface("scene");
  surface.Configure(4, 2, 32);
  HBITMAP bitmap = RowBitmap({kRed, kGreen});
  EXPECT_EQ(CopyBitmapToSurface(&surface, bitmap, 0, 0, 0, 0), DD_OK);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(surface.RawPixel(0, y), Raw(kRed));
    EXPECT_EQ(surface.RawPixel(1, y), Raw(kRed));
    EXPECT_EQ(surface.RawPixel(2, y), Raw(kGreen));
    EXPECT_EQ(surface.RawPixel(3, y), Raw(kGreen));
  }
  // A lost surface is restored before it is drawn into.
  EXPECT_THAT(CallLog().Methods(), ElementsAre("scene.Restore", "scene.GetSurfaceDesc", "scene.GetDC", "scene.ReleaseDC"));
  EXPECT_EQ(surface.Calls("GetSurfaceDesc").at(0).desc.dwFlags, static_cast<DWORD>(DDSD_HEIGHT | DDSD_WIDTH));
  // The bitmap is still the caller's, selected nowhere.
  EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(CopyBitmapToSurface, CopiesOnlyTheSourceRectangle) {
  FakeSurface surface;
  surface.Configure(2, 1, 32);
  HBITMAP bitmap = RowBitmap({kRed, kGreen, kBlue, kWhite});
  EXPECT_EQ(CopyBitmapToSurface(&surface, bitmap, 2, 0, 2, 1), DD_OK);
  EXPECT_EQ(surface.RawPixel(0, 0), Raw(kBlue));
  EXPECT_EQ(surface.RawPixel(1, 0), Raw(kWhite));
  DeleteObject(bitmap);
}

TEST(CopyBitmapToSurface, FailingDeviceContextIsTheResultAndNothingIsDrawn) {
  FakeSurface surface;
  surface.Configure(2, 1, 32);
  surface.Script("Restore", {DDERR_WRONGMODE});
  surface.Script("GetDC", {DDERR_SURFACELOST});
  HBITMAP bitmap = RowBitmap({kRed, kRed});
  EXPECT_EQ(CopyBitmapToSurface(&surface, bitmap, 0, 0, 0, 0), DDERR_SURFACELOST);
  EXPECT_EQ(surface.RawPixel(0, 0), 0u);
  EXPECT_TRUE(surface.Calls("ReleaseDC").empty());
  DeleteObject(bitmap);
}

}  // namespace
