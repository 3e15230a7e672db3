// The two picture files the display layer loads, made small and plain so
// that a test can tell which picture a pixel came from.
#pragma once

#include <windows.h>

#include <string>

// The colours of the two pictures that WritePictures writes.
namespace pictures {
// "Data1.Bin": 8 bits; the left half uses colour 1, the right half colour 2
// of a 256-colour table whose entry i is red i/2, green 255-i, blue i.
constexpr COLORREF kSceneLeft = RGB(0, 254, 1);
constexpr COLORREF kSceneRight = RGB(1, 253, 2);
// "Data2.Bin": 24 bits; blue left of x 640, white from there.
constexpr COLORREF kSpriteLeft = RGB(0, 0, 255);
constexpr COLORREF kSpriteRight = RGB(255, 255, 255);

// Writes "Data1.Bin" (1280x480) and "Data2.Bin" (1280x132) into `folder`
// ("" for the current directory, else ending in a separator).
void WritePictures(const std::string& folder = "");
// Writes only "Data1.Bin", all of it in `color` (24 bits).
void WritePlainScene(const std::string& folder, COLORREF color);
}  // namespace pictures

// The raw value of a colour on a 32-bit surface.
DWORD Raw32(COLORREF color);

// Where SetCursorPos(640, 480) leaves the cursor on this screen.
POINT ParkedCursor();
