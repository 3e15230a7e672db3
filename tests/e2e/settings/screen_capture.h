// A piece of the screen as the user sees it, kept as a PNG.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Capture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Capture CaptureScreen(const RECT& area);
bool SavePng(const Capture& capture, const std::wstring& path);
