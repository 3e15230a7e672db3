// A screensaver may be started in any current directory: the pictures are
// taken from the current directory when they are there, and otherwise from
// the folder of the running program. This program runs from a folder of its
// own, so the pictures it puts beside itself reach no other test.
#include <gtest/gtest.h>

#include "display/display.h"
#include "fake_display.h"
#include "scratch_folder.h"
#include "test_pictures.h"

using namespace fakes;

namespace {

std::string ProgramFolderPath() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

class PictureFolder : public testing::Test {
 protected:
  void TearDown() override {
    for (const char* name : {"Data1.Bin", "Data2.Bin"}) DeleteFileA((ProgramFolderPath() + name).c_str());
  }
  ScratchFolder folder;  // empty current directory
};

TEST_F(PictureFolder, PicturesAndPaletteComeFromTheProgramFolderWhenNotInTheCurrentOne) {
  pictures::WritePictures(ProgramFolderPath());
  FakeDisplay display;
  display.dd.Script("SetDisplayMode", {DDERR_INVALIDMODE, DDERR_INVALIDMODE});  // 8 bits: "data1.bin" too
  ASSERT_EQ(InitDisplay(), 1);
  EXPECT_EQ(display.palette.Entries()[1].peGreen, 254);
  EXPECT_EQ(display.palette.Entries()[2].peRed, 1);
  // At 8 bits the doubles draw with the 3-3-2 ramp: green is 0x1C, blue 0x03.
  EXPECT_EQ(display.scene.RawPixel(0, 0), 0x1Cu);
  EXPECT_EQ(display.sprite.RawPixel(0, 0), 0x03u);
}

TEST_F(PictureFolder, TheCurrentDirectoryComesFirst) {
  pictures::WritePictures(ProgramFolderPath());
  pictures::WritePlainScene("", RGB(255, 0, 0));
  FakeDisplay display;
  ASSERT_EQ(InitDisplay(), 1);
  EXPECT_EQ(display.scene.RawPixel(1279, 0), Raw32(RGB(255, 0, 0)));
  EXPECT_EQ(display.sprite.RawPixel(0, 0), Raw32(pictures::kSpriteLeft));
}

TEST_F(PictureFolder, FoundInNeitherPlaceFails) {
  FakeDisplay display;
  EXPECT_EQ(InitDisplay(), 0);
}

}  // namespace
