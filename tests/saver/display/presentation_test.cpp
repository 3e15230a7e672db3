// FlipPages and RestoreSurfaces against DirectDraw doubles, after a real
// InitDisplay with both pictures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "display/display.h"
#include "fake_display.h"
#include "test_pictures.h"
#include "scratch_folder.h"

using namespace fakes;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// What RestoreSurfaces does with both pictures present.
const std::vector<std::string> kRestoreAndReload = {
    "primary.Restore", "scene.Restore", "sprite.Restore",
    // the reload; each copy restores its surface once more
    "scene.Restore", "scene.GetSurfaceDesc", "scene.GetDC", "scene.ReleaseDC",
    "sprite.Restore", "sprite.GetSurfaceDesc", "sprite.GetDC", "sprite.ReleaseDC"};

std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

class Presentation : public testing::Test {
 protected:
  void SetUp() override {
    pictures::WritePictures();
    ASSERT_EQ(InitDisplay(), 1);
    CallLog().Clear();
  }
  ScratchFolder folder;
  FakeDisplay display;
};

TEST_F(Presentation, BusyFlipIsRepeatedAtOnceUntilItIsDone) {
  display.primary.Script("Flip", {DDERR_WASSTILLDRAWING, DDERR_WASSTILLDRAWING, DD_OK});
  EXPECT_EQ(FlipPages(), DD_OK);
  EXPECT_THAT(CallLog().Methods(), ElementsAre("primary.Flip", "primary.Flip", "primary.Flip"));
  for (const auto& flip : display.primary.Calls("Flip")) {
    EXPECT_EQ(flip.source, nullptr);
    EXPECT_EQ(flip.flags, 0u);
  }
}

// One recovery, no second flip, and the sprite surface's restore decides,
// even when the primary surface stays lost.
TEST_F(Presentation, LostFlipRestoresReloadsAndAnswersTheSpriteRestore) {
  display.primary.Script("Flip", {DDERR_SURFACELOST});
  display.primary.Script("Restore", {DDERR_WRONGMODE});
  display.sprite.Script("Restore", {DDERR_NOEXCLUSIVEMODE});
  EXPECT_EQ(FlipPages(), DDERR_NOEXCLUSIVEMODE);
  EXPECT_THAT(CallLog().Methods(), testing::ElementsAreArray(Then({"primary.Flip"}, kRestoreAndReload)));

  CallLog().Clear();
  display.primary.Script("Flip", {DDERR_SURFACELOST});
  EXPECT_EQ(FlipPages(), DD_OK);
}

TEST_F(Presentation, AnyOtherFlipErrorIsReturnedAsItCame) {
  for (HRESULT error : {DDERR_GENERIC, DDERR_NOTFLIPPABLE, DDERR_INVALIDPARAMS, E_FAIL}) {
    SCOPED_TRACE(error);
    CallLog().Clear();
    display.primary.Script("Flip", {error});
    EXPECT_EQ(FlipPages(), error);
    EXPECT_THAT(CallLog().Methods(), ElementsAre("primary.Flip"));
  }
}

TEST_F(Presentation, RestoreBringsBothPicturesBackAndParksTheCursor) {
  display.scene.FillBytes(0);
  display.sprite.FillBytes(0);
  SetCursorPos(10, 10);
  EXPECT_EQ(RestoreSurfaces(), DD_OK);
  EXPECT_THAT(CallLog().Methods(), testing::ElementsAreArray(kRestoreAndReload));
  EXPECT_EQ(display.scene.RawPixel(1279, 0), Raw32(pictures::kSceneRight));
  EXPECT_EQ(display.sprite.RawPixel(0, 131), Raw32(pictures::kSpriteLeft));
  POINT at{};
  GetCursorPos(&at);
  EXPECT_EQ(at.x, ParkedCursor().x);
  EXPECT_EQ(at.y, ParkedCursor().y);
}

// Palette and colour key are not set again.
TEST_F(Presentation, RestoreWithoutPictureFilesStillRestoresEverySurface) {
  DeleteFileA("Data1.Bin");
  DeleteFileA("Data2.Bin");
  display.sprite.Script("Restore", {DDERR_WRONGMODE});
  EXPECT_EQ(RestoreSurfaces(), DDERR_WRONGMODE);
  EXPECT_THAT(CallLog().Methods(), ElementsAre("primary.Restore", "scene.Restore", "sprite.Restore"));
}

}  // namespace
