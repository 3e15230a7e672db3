// InitDisplay and ReleaseDisplay against DirectDraw doubles: the calls, their
// order and arguments, the mode fallback, and what a failure at each step
// leaves for the release.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "display/display.h"
#include "fake_display.h"
#include "test_pictures.h"
#include "scratch_folder.h"

using namespace fakes;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

DDSURFACEDESC PictureDesc(DWORD height) {
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
  desc.dwWidth = 1280;
  desc.dwHeight = height;
  return desc;
}

// Every field not named must be zero, so the whole record is compared.
bool SameDesc(const DDSURFACEDESC& a, const DDSURFACEDESC& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::vector<DWORD> ModeDepths(const FakeDirectDraw& dd) {
  std::vector<DWORD> depths;
  for (const auto& call : dd.Calls("SetDisplayMode")) {
    EXPECT_EQ(call.width, 640u);
    EXPECT_EQ(call.height, 480u);
    depths.push_back(call.bpp);
  }
  return depths;
}

bool CursorAt(POINT expected) {
  POINT at{};
  GetCursorPos(&at);
  return at.x == expected.x && at.y == expected.y;
}

class DisplaySetup : public testing::Test {
 protected:
  void SetUp() override { pictures::WritePictures(); }
  ScratchFolder folder;
};

TEST_F(DisplaySetup, At32BitsMakesEveryObjectInOrderAndLoadsBothPictures) {
  FakeDisplay display;
  SetCursorPos(10, 10);
  ASSERT_EQ(InitDisplay(), 1);

  EXPECT_THAT(CallLog().Methods(),
              ElementsAre("ddraw.DirectDrawCreate", "dd.SetCooperativeLevel", "dd.SetDisplayMode", "dd.CreateSurface",
                          "primary.GetAttachedSurface", "back.AddRef", "dd.CreateSurface", "dd.CreateSurface",
                          // the colour key, matched on the empty sprite surface
                          "sprite.GetDC", "sprite.ReleaseDC", "sprite.Lock", "sprite.Unlock", "sprite.GetDC",
                          "sprite.ReleaseDC", "sprite.SetColorKey",
                          // the two pictures
                          "scene.Restore", "scene.GetSurfaceDesc", "scene.GetDC", "scene.ReleaseDC", "sprite.Restore",
                          "sprite.GetSurfaceDesc", "sprite.GetDC", "sprite.ReleaseDC"));
  EXPECT_EQ(CallLog().Calls()[0].args, "null,null");

  FakeCall level = display.dd.Calls("SetCooperativeLevel").at(0);
  EXPECT_EQ(level.window, GetActiveWindow());
  EXPECT_EQ(level.flags, static_cast<DWORD>(DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN));

  auto creations = display.dd.Calls("CreateSurface");
  DDSURFACEDESC primaryDesc{};
  primaryDesc.dwSize = sizeof primaryDesc;
  primaryDesc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  primaryDesc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  primaryDesc.dwBackBufferCount = 1;
  EXPECT_TRUE(SameDesc(creations[0].desc, primaryDesc));
  EXPECT_TRUE(SameDesc(creations[1].desc, PictureDesc(480)));
  EXPECT_TRUE(SameDesc(creations[2].desc, PictureDesc(132)));
  for (const auto& creation : creations) EXPECT_EQ(creation.pointer, nullptr);  // no outer object
  EXPECT_EQ(display.primary.Calls("GetAttachedSurface").at(0).caps.dwCaps, static_cast<DWORD>(DDSCAPS_BACKBUFFER));

  FakeCall key = display.sprite.Calls("SetColorKey").at(0);
  EXPECT_EQ(key.flags, static_cast<DWORD>(DDCKEY_SRCBLT));
  EXPECT_EQ(key.colorKey.dwColorSpaceLowValue, 0x000000FFu);  // pure blue at 32 bits
  EXPECT_EQ(key.colorKey.dwColorSpaceHighValue, 0x000000FFu);

  EXPECT_EQ(DirectDrawObject, &display.dd);
  EXPECT_EQ(PrimarySurface, &display.primary);
  EXPECT_EQ(BackBuffer, &display.back);
  EXPECT_EQ(SceneSurface, &display.scene);
  EXPECT_EQ(SpriteSurface, &display.sprite);
  EXPECT_EQ(DisplayPalette, nullptr);

  EXPECT_EQ(display.scene.RawPixel(0, 0), Raw32(pictures::kSceneLeft));
  EXPECT_EQ(display.scene.RawPixel(1279, 479), Raw32(pictures::kSceneRight));
  EXPECT_EQ(display.sprite.RawPixel(639, 131), Raw32(pictures::kSpriteLeft));
  EXPECT_EQ(display.sprite.RawPixel(640, 0), Raw32(pictures::kSpriteRight));
  EXPECT_TRUE(CursorAt(ParkedCursor()));
}

struct ModeCase {
  const char* what;
  std::vector<HRESULT> refusals;
  std::vector<DWORD> depthsAsked;
  int result;
  bool palette;
};

TEST_F(DisplaySetup, TakesTheFirstAcceptedDepthAndAPaletteOnlyAt8Bits) {
  const ModeCase cases[] = {
      {"32 accepted", {}, {32}, 1, false},
      {"32 refused, 24 accepted", {DDERR_INVALIDMODE}, {32, 24}, 1, false},
      {"only 8 (and 16) accepted", {DDERR_INVALIDMODE, E_NOTIMPL}, {32, 24, 8}, 1, true},
      {"all refused", {DDERR_INVALIDMODE, DDERR_INVALIDMODE, DDERR_INVALIDMODE}, {32, 24, 8}, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CallLog().Clear();
    FakeDisplay display;
    for (HRESULT refusal : c.refusals) display.dd.Script("SetDisplayMode", {refusal});
    EXPECT_EQ(InitDisplay(), c.result);
    EXPECT_THAT(ModeDepths(display.dd), ElementsAreArray(c.depthsAsked));
    EXPECT_EQ(display.dd.Calls("CreatePalette").size(), c.palette ? 1u : 0u);
    EXPECT_EQ(DisplayPalette, c.palette ? &display.palette : nullptr);
    if (c.palette) {
      // The palette is the colour table of "data1.bin".
      EXPECT_EQ(display.palette.Entries()[1].peGreen, 254);
      EXPECT_EQ(display.palette.Entries()[2].peRed, 1);
      auto set = display.primary.Calls("SetPalette");
      ASSERT_EQ(set.size(), 1u);
      EXPECT_EQ(set[0].palette, &display.palette);
      // The palette comes before the colour key.
      auto methods = CallLog().Methods();
      EXPECT_LT(std::find(methods.begin(), methods.end(), "primary.SetPalette"),
                std::find(methods.begin(), methods.end(), "sprite.SetColorKey"));
      EXPECT_EQ(display.sprite.BitsPerPixel(), 8);
    }
    if (c.result == 0) {
      EXPECT_THAT(display.dd.Calls("CreateSurface"), IsEmpty());
      EXPECT_EQ(PrimarySurface, nullptr);
    }
  }
}

struct FailureCase {
  const char* what;
  std::function<void(FakeDisplay&)> arrange;
  int result;
  // The objects ReleaseDisplay must release, in this order.
  std::vector<std::string> released;
};

const std::vector<std::string> kAllFour = {"primary.Release", "scene.Release", "sprite.Release", "dd.Release"};

// Each tested step ends the set-up; the release then takes exactly what
// exists, in its order, and nothing of the back buffer or the palette.
TEST_F(DisplaySetup, AFailedStepLeavesWhatExistsForTheRelease) {
  const FailureCase cases[] = {
      {"DirectDrawCreate", [](FakeDisplay& d) { d.createResult = DDERR_NODIRECTDRAWHW; }, 0, {}},
      {"SetCooperativeLevel", [](FakeDisplay& d) { d.dd.Script("SetCooperativeLevel", {DDERR_HWNDALREADYSET}); },
       0, {"dd.Release"}},
      {"primary surface", [](FakeDisplay& d) { d.dd.Script("CreateSurface", {DDERR_OUTOFVIDEOMEMORY}); }, 0,
       {"dd.Release"}},
      {"back buffer", [](FakeDisplay& d) { d.primary.Script("GetAttachedSurface", {DDERR_NOTFOUND}); }, 0,
       {"primary.Release", "dd.Release"}},
      {"scene surface", [](FakeDisplay& d) { d.dd.Script("CreateSurface", {DD_OK, DDERR_OUTOFMEMORY}); }, 0,
       {"primary.Release", "dd.Release"}},
      {"sprite surface", [](FakeDisplay& d) { d.dd.Script("CreateSurface", {DD_OK, DD_OK, DDERR_OUTOFMEMORY}); }, 0,
       {"primary.Release", "scene.Release", "dd.Release"}},
      {"palette at 8 bits",
       [](FakeDisplay& d) {
         d.dd.Script("SetDisplayMode", {DDERR_INVALIDMODE, DDERR_INVALIDMODE});
         d.dd.Script("CreatePalette", {DDERR_OUTOFMEMORY});
       },
       0, kAllFour},
      {"\"Data1.Bin\" missing", [](FakeDisplay&) { DeleteFileA("Data1.Bin"); }, 0, kAllFour},
      {"\"Data2.Bin\" missing", [](FakeDisplay&) { DeleteFileA("Data2.Bin"); }, 0, kAllFour},
      {"SetPalette refused: not tested",
       [](FakeDisplay& d) {
         d.dd.Script("SetDisplayMode", {DDERR_INVALIDMODE, DDERR_INVALIDMODE});
         d.primary.Script("SetPalette", {DDERR_INVALIDPIXELFORMAT});
       },
       1, kAllFour},
      {"SetColorKey refused: not tested", [](FakeDisplay& d) { d.sprite.Script("SetColorKey", {DDERR_NOCOLORKEYHW}); },
       1, kAllFour},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    pictures::WritePictures();
    FakeDisplay display;
    c.arrange(display);
    EXPECT_EQ(InitDisplay(), c.result);

    CallLog().Clear();
    EXPECT_EQ(ReleaseDisplay(), 1);
    EXPECT_THAT(CallLog().Methods(), ElementsAreArray(c.released));
    for (auto pointer : {DirectDrawObject}) EXPECT_EQ(pointer, nullptr);
    for (auto pointer : {PrimarySurface, BackBuffer, SceneSurface, SpriteSurface}) EXPECT_EQ(pointer, nullptr);
    EXPECT_EQ(DisplayPalette, nullptr);

    // A second release finds nothing to do.
    CallLog().Clear();
    EXPECT_EQ(ReleaseDisplay(), 1);
    EXPECT_THAT(CallLog().Calls(), IsEmpty());
  }
}

TEST_F(DisplaySetup, WithoutTheSpriteSheetTheSceneIsFilledAndTheCursorStays) {
  DeleteFileA("Data2.Bin");
  FakeDisplay display;
  SetCursorPos(10, 10);
  EXPECT_EQ(InitDisplay(), 0);
  for (auto pointer : {PrimarySurface, BackBuffer, SceneSurface, SpriteSurface}) EXPECT_NE(pointer, nullptr);
  EXPECT_EQ(display.scene.RawPixel(0, 0), Raw32(pictures::kSceneLeft));
  EXPECT_THAT(display.sprite.Calls("Restore"), IsEmpty());
  EXPECT_TRUE(CursorAt({10, 10}));
}

}  // namespace
