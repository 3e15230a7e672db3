// LoadPalette8: the 3-3-2 ramp, overlaid with the colour table of a bitmap
// resource or file, and never more than the file or resource supplied.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include "bitmap_files.h"
#include "ddraw_fakes.h"
#include "display/surface_utils.h"
#include "scratch_folder.h"

using namespace fakes;
using testfiles::BitmapHeaders;
using testfiles::Bytes;
using testfiles::WriteBytes;

namespace {

struct Entry {
  int red, green, blue, flags;
  bool operator==(const Entry& other) const {
    return red == other.red && green == other.green && blue == other.blue && flags == other.flags;
  }
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
  return out << "(" << e.red << "," << e.green << "," << e.blue << "," << e.flags << ")";
}

Entry Of(const PALETTEENTRY& e) { return {e.peRed, e.peGreen, e.peBlue, e.peFlags}; }

// `count` bytes in which the byte at position k is k mod 256, so that entry i
// read straight is (4i, 4i+1, 4i+2, 4i+3) and swapped (4i+2, 4i+1, 4i, 4i+3).
Bytes Counting(size_t count) {
  Bytes bytes(count);
  for (size_t k = 0; k < count; ++k) bytes[k] = static_cast<BYTE>(k);
  return bytes;
}

Bytes Prefix(Bytes bytes, size_t length) {
  bytes.resize(length);
  return bytes;
}

Bytes Join(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

class PaletteLoader : public testing::Test {
 protected:
  // The palette LoadPalette8 builds for `name`.
  std::array<PALETTEENTRY, 256> Load(const char* name) {
    dd.QueuePalette(&palette);
    IDirectDrawPalette* made = LoadPalette8(&dd, name);
    EXPECT_EQ(made, &palette);
    return palette.Entries();
  }

  ScratchFolder folder;
  FakeDirectDraw dd;
  FakePalette palette;
};

TEST_F(PaletteLoader, WithoutNameGivesTheRampToAn8BitPalette) {
  auto entries = Load(nullptr);
  EXPECT_EQ(Of(entries[0x00]), (Entry{0, 0, 0, 0}));
  EXPECT_EQ(Of(entries[0xFF]), (Entry{255, 255, 255, 0}));
  EXPECT_EQ(Of(entries[0xE0]), (Entry{255, 0, 0, 0}));
  EXPECT_EQ(Of(entries[0x1C]), (Entry{0, 255, 0, 0}));
  EXPECT_EQ(Of(entries[0x03]), (Entry{0, 0, 255, 0}));
  EXPECT_EQ(Of(entries[0x25]), (Entry{36, 36, 85, 0}));
  auto creations = dd.Calls("CreatePalette");
  ASSERT_EQ(creations.size(), 1u);
  EXPECT_EQ(creations[0].flags, static_cast<DWORD>(DDPCAPS_8BIT));
  EXPECT_EQ(creations[0].pointer, nullptr);  // no outer object
}

TEST_F(PaletteLoader, RefusedPaletteGivesNull) {
  dd.Script("CreatePalette", {DDERR_INVALIDPARAMS});
  EXPECT_EQ(LoadPalette8(&dd, nullptr), nullptr);
}

struct FileCase {
  const char* what;
  Bytes file;
  std::vector<std::pair<int, Entry>> expected;
};

const Entry kRamp0{0, 0, 0, 0}, kRamp2{0, 0, 170, 0}, kRamp3{0, 0, 255, 0}, kRamp255{255, 255, 255, 0};

TEST_F(PaletteLoader, FileColoursFollowTheColourCount) {
  const FileCase cases[] = {
      {"8 bits, all 256 colours swapped into place", Join(BitmapHeaders(16, 16, 8, 0), Counting(1024)),
       {{0, {2, 1, 0, 3}}, {1, {6, 5, 4, 7}}, {255, {254, 253, 252, 255}}}},
      {"4 bits: 16 colours, then the next 960 bytes as read", Join(BitmapHeaders(16, 16, 4, 0), Counting(1024)),
       {{15, {62, 61, 60, 63}}, {16, {64, 65, 66, 67}}, {255, {252, 253, 254, 255}}}},
      {"24 bits: bytes 54 to 1077 as read", Join(BitmapHeaders(16, 16, 24, 0), Counting(1024)),
       {{0, {0, 1, 2, 3}}, {255, {252, 253, 254, 255}}}},
      {"bit count 0: one colour", Join(BitmapHeaders(16, 16, 0, 0), Counting(1024)),
       {{0, {2, 1, 0, 3}}, {1, {4, 5, 6, 7}}}},
      {"colours used 5", Join(BitmapHeaders(16, 16, 8, 5), Counting(1024)),
       {{4, {18, 17, 16, 19}}, {5, {20, 21, 22, 23}}}},
      {"info header of 124 bytes: no colour count", Join(BitmapHeaders(16, 16, 8, 0, 124), Counting(1024)),
       {{0, {0, 1, 2, 3}}}},
      {"a file longer than the table adds nothing", Join(BitmapHeaders(16, 16, 8, 0), Counting(5000)),
       {{255, {254, 253, 252, 255}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("colours.bmp", c.file);
    auto entries = Load("colours.bmp");
    for (const auto& [index, entry] : c.expected) EXPECT_EQ(Of(entries[index]), entry) << "entry " << index;
  }
}

// Headers that claim more than the file holds must neither run past the 256
// entries nor put bytes the file never supplied into the palette.
TEST_F(PaletteLoader, ShortOrLyingFilesNeverGiveMoreThanTheyHold) {
  const FileCase cases[] = {
      {"colour count far beyond 256", Join(BitmapHeaders(16, 16, 8, 0x7FFFFFFF), Counting(1024)),
       {{0, {2, 1, 0, 3}}, {255, {254, 253, 252, 255}}}},
      {"table cut off in its third entry, count 300",
       Join(BitmapHeaders(16, 16, 8, 300), Counting(10)),
       {{0, {2, 1, 0, 3}}, {1, {6, 5, 4, 7}}, {2, kRamp2}, {255, kRamp255}}},
      {"headers only", BitmapHeaders(16, 16, 8, 0), {{0, kRamp0}, {3, kRamp3}, {255, kRamp255}}},
      {"shorter than its headers", Prefix(BitmapHeaders(16, 16, 8, 0), 30),
       {{0, kRamp0}, {3, kRamp3}, {255, kRamp255}}},
      {"empty", Bytes{}, {{0, kRamp0}, {3, kRamp3}, {255, kRamp255}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes("colours.bmp", c.file);
    auto entries = Load("colours.bmp");
    for (const auto& [index, entry] : c.expected) EXPECT_EQ(Of(entries[index]), entry) << "entry " << index;
  }
}

TEST_F(PaletteLoader, MissingFileLeavesTheRamp) {
  auto entries = Load("absent.bin");
  EXPECT_EQ(Of(entries[3]), kRamp3);
  EXPECT_EQ(Of(entries[255]), kRamp255);
}

// A resource of the program comes before a file of the same name; its
// colours get flags 0 and the entries past its table keep the ramp.
TEST_F(PaletteLoader, ResourceColoursComeFirst) {
  WriteBytes("SIXTEENCOLOURS", Join(BitmapHeaders(16, 16, 8, 0), Counting(1024)));
  auto entries = Load("SIXTEENCOLOURS");
  EXPECT_EQ(Of(entries[0]), (Entry{0x80, 0x40, 0x00, 0}));
  EXPECT_EQ(Of(entries[15]), (Entry{0x8F, 0x4F, 0x0F, 0}));
  EXPECT_EQ(Of(entries[16]), (Entry{0, 145, 0, 0}));
  EXPECT_EQ(Of(entries[255]), kRamp255);
}

TEST_F(PaletteLoader, ResourceWithLyingCountStopsAtItsEnd) {
  auto entries = Load("LYINGCOLOURCOUNT");
  EXPECT_EQ(Of(entries[3]), (Entry{12, 11, 10, 0}));
  EXPECT_EQ(Of(entries[4]), (Entry{0x23, 0x22, 0x21, 0}));  // its pixel row, inside the resource
  EXPECT_EQ(Of(entries[5]), (Entry{0, 36, 85, 0}));         // the ramp
  EXPECT_EQ(Of(entries[255]), kRamp255);
}

}  // namespace
