// The display layer on Wine's real DirectDraw, inside the prefix's 640x480
// virtual desktop: set-up, a blit and a flip, release, and recovery from a
// real surface loss.
#include <gtest/gtest.h>

#include "display/display.h"
#include "test_pictures.h"
#include "scratch_folder.h"

namespace {

HRESULT Blit(IDirectDrawSurface* source, RECT rect, DWORD x, DWORD y, DWORD flags) {
  HRESULT result;
  while ((result = BackBuffer->BltFast(x, y, source, &rect, flags)) == DDERR_WASSTILLDRAWING) {
  }
  return result;
}

// The raw value of pixel (x, y) of a surface, and its depth.
DWORD ReadPixel(IDirectDrawSurface* surface, int x, int y, DWORD* bits) {
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  HRESULT result;
  while ((result = surface->Lock(nullptr, &desc, 0, nullptr)) == DDERR_WASSTILLDRAWING) {
  }
  EXPECT_EQ(result, DD_OK);
  if (result != DD_OK) return 0;
  *bits = desc.ddpfPixelFormat.dwRGBBitCount;
  DWORD value = 0;
  const BYTE* at = static_cast<const BYTE*>(desc.lpSurface) + y * desc.lPitch + x * (*bits / 8);
  memcpy(&value, at, *bits / 8);
  surface->Unlock(nullptr);
  return value;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

class RealDisplay : public testing::Test {
 protected:
  void SetUp() override {
    pictures::WritePictures();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GlimmerfallDisplayTest";
    RegisterClassA(&windowClass);
    // The set-up takes the active window, as the saver's just shown one is.
    window = CreateWindowExA(WS_EX_TOPMOST, "GlimmerfallDisplayTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    PumpMessages();
    ASSERT_EQ(GetActiveWindow(), window);
  }

  void TearDown() override {
    ReleaseDisplay();
    if (window) DestroyWindow(window);
    PumpMessages();
  }

  ScratchFolder folder;
  HWND window = nullptr;
};

TEST_F(RealDisplay, SetsUpBlitsFlipsAndReleasesEverything) {
  ASSERT_EQ(InitDisplay(), 1);
  EXPECT_EQ(DisplayPalette, nullptr);  // 32 bits are accepted here

  DWORD bits = 0;
  EXPECT_EQ(ReadPixel(SceneSurface, 0, 0, &bits), Raw32(pictures::kSceneLeft));
  EXPECT_EQ(bits, 32u);
  EXPECT_EQ(ReadPixel(SpriteSurface, 640, 0, &bits), Raw32(pictures::kSpriteRight));
  DDCOLORKEY key{};
  EXPECT_EQ(SpriteSurface->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
  EXPECT_EQ(key.dwColorSpaceLowValue, Raw32(pictures::kSpriteLeft));

  EXPECT_EQ(Blit(SceneSurface, {0, 0, 640, 480}, 0, 0, DDBLTFAST_NOCOLORKEY), DD_OK);
  EXPECT_EQ(Blit(SpriteSurface, {600, 0, 680, 64}, 100, 100, DDBLTFAST_SRCCOLORKEY), DD_OK);
  // Blue is keyed out: the panorama shows through left of x 140. The pages
  // may set the unused top byte.
  EXPECT_EQ(ReadPixel(BackBuffer, 120, 120, &bits) & 0xFFFFFF, Raw32(pictures::kSceneLeft));
  EXPECT_EQ(ReadPixel(BackBuffer, 160, 120, &bits) & 0xFFFFFF, Raw32(pictures::kSpriteRight));
  EXPECT_EQ(FlipPages(), DD_OK);

  // With one reference of our own on each object, the release must leave
  // exactly that one: nothing of the display layer's stays behind.
  IUnknown* objects[] = {PrimarySurface, SceneSurface, SpriteSurface, DirectDrawObject};
  for (IUnknown* object : objects) object->AddRef();
  EXPECT_EQ(ReleaseDisplay(), 1);
  for (IUnknown* object : objects) EXPECT_EQ(object->Release(), 0u);
  for (void* pointer : {static_cast<void*>(DirectDrawObject), static_cast<void*>(PrimarySurface),
                        static_cast<void*>(BackBuffer), static_cast<void*>(SceneSurface),
                        static_cast<void*>(SpriteSurface), static_cast<void*>(DisplayPalette)})
    EXPECT_EQ(pointer, nullptr);

  // The display is free again for a new exclusive owner.
  ASSERT_EQ(InitDisplay(), 1);
  EXPECT_EQ(FlipPages(), DD_OK);
}

TEST_F(RealDisplay, MissingSpriteSheetFailsCleanly) {
  DeleteFileA("Data2.Bin");
  EXPECT_EQ(InitDisplay(), 0);
  for (void* pointer : {static_cast<void*>(DirectDrawObject), static_cast<void*>(PrimarySurface),
                        static_cast<void*>(BackBuffer), static_cast<void*>(SceneSurface),
                        static_cast<void*>(SpriteSurface)})
    EXPECT_NE(pointer, nullptr);
  EXPECT_EQ(ReleaseDisplay(), 1);
  EXPECT_EQ(DirectDrawObject, nullptr);
  EXPECT_EQ(BackBuffer, nullptr);

  pictures::WritePictures();
  EXPECT_EQ(InitDisplay(), 1);
}

// Another display mode set in the same process loses the surfaces; once the
// saver's mode is back, the next flip recovers them and the pictures.
TEST_F(RealDisplay, RecoversFromARealSurfaceLoss) {
  ASSERT_EQ(InitDisplay(), 1);
  ASSERT_EQ(FlipPages(), DD_OK);
  // A loss may take the pictures with it; only a reload brings them back.
  for (IDirectDrawSurface* surface : {SceneSurface, SpriteSurface}) {
    DDBLTFX fill{};
    fill.dwSize = sizeof fill;
    ASSERT_EQ(surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill), DD_OK);
  }

  ASSERT_EQ(DirectDrawObject->SetDisplayMode(640, 480, 16), DD_OK);
  ASSERT_EQ(DirectDrawObject->SetDisplayMode(640, 480, 32), DD_OK);
  EXPECT_EQ(PrimarySurface->IsLost(), DDERR_SURFACELOST);

  EXPECT_EQ(FlipPages(), DD_OK);  // the recovery's answer; the frame is not shown
  EXPECT_EQ(PrimarySurface->IsLost(), DD_OK);
  EXPECT_EQ(SceneSurface->IsLost(), DD_OK);
  EXPECT_EQ(SpriteSurface->IsLost(), DD_OK);
  DWORD bits = 0;
  EXPECT_EQ(ReadPixel(SceneSurface, 1279, 479, &bits), Raw32(pictures::kSceneRight));
  EXPECT_EQ(ReadPixel(SpriteSurface, 0, 0, &bits), Raw32(pictures::kSpriteLeft));

  EXPECT_EQ(Blit(SceneSurface, {0, 0, 640, 480}, 0, 0, DDBLTFAST_NOCOLORKEY), DD_OK);
  EXPECT_EQ(FlipPages(), DD_OK);
}

}  // namespace
