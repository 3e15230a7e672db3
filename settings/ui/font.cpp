#include "font.h"

const std::vector<std::wstring>& FallbackFaces() {
  // Simplified-Chinese faces that Windows ships, then the dialog face.
  static const std::vector<std::wstring> faces = {L"SimSun", L"Microsoft YaHei", L"SimHei", L"NSimSun",
                                                  L"MS Shell Dlg 2"};
  return faces;
}

bool FontShows(HFONT font, const std::wstring& text) {
  if (text.empty()) return true;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  DWORD done = GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                                GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  DeleteDC(dc);
  if (done == GDI_ERROR) return false;
  for (WORD g : glyphs)
    if (g == 0xFFFF) return false;
  return true;
}

namespace {

HFONT Create(const TFontProperties& properties, const std::wstring& face, int pixelsPerInch) {
  return CreateFontW(MulDiv(properties.Height, pixelsPerInch, 96), 0, 0, 0, FW_NORMAL, FALSE, properties.Underline,
                     FALSE, properties.Charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace

TFont::TFont(const TFontProperties& properties, int pixelsPerInch, const std::wstring& mustShow)
    : color_(properties.Color) {
  std::vector<std::wstring> faces{properties.Name};
  faces.insert(faces.end(), FallbackFaces().begin(), FallbackFaces().end());
  for (const std::wstring& face : faces) {
    HFONT font = Create(properties, face, pixelsPerInch);
    if (!font) continue;
    if (FontShows(font, mustShow)) {
      handle_ = font;
      return;
    }
    DeleteObject(font);
  }
  // No face has the glyphs: keep the requested one, Windows' font linking
  // may still draw them.
  handle_ = Create(properties, properties.Name, pixelsPerInch);
}

TFont::~TFont() {
  if (handle_) DeleteObject(handle_);
}

std::wstring TFont::FaceName() const {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, handle_);
  wchar_t face[LF_FACESIZE] = L"";
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteDC(dc);
  return face;
}
