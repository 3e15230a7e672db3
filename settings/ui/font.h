// A font as a form describes it: face, height in pixels at 96 DPI, character
// set, colour and style. When the face cannot show the texts it must show
// (a system without the Chinese face), a face that can is taken instead.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TFontProperties {
  std::wstring Name;
  int Height = -12;  // negative: the characters' height, as in LOGFONT
  BYTE Charset = DEFAULT_CHARSET;
  COLORREF Color = RGB(0, 0, 0);
  bool Underline = false;
};

class TFont {
public:
  // `mustShow` holds the characters the font is used for; empty accepts any face.
  TFont(const TFontProperties& properties, int pixelsPerInch, const std::wstring& mustShow);
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  HFONT Handle() const { return handle_; }
  COLORREF Color() const { return color_; }
  // The face Windows really selected.
  std::wstring FaceName() const;

private:
  HFONT handle_ = nullptr;
  COLORREF color_;
};

// Faces tried after the requested one, in order.
const std::vector<std::wstring>& FallbackFaces();
// Whether `font` has a glyph of its own for every character of `text`.
bool FontShows(HFONT font, const std::wstring& text);
