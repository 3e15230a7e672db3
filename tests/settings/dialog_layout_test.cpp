// The dialog as it looks: frame, places, texts, fonts, colours, tab order.
#include "dialog_fixture.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/font.h"

namespace {

using RimesetupLayout = DialogTest;

// Where a control is inside its parent's client area, at 96 DPI.
RECT At96(const TForm& form, const TControl& control) {
  RECT r = control.BoundsRect();
  return RECT{MulDiv(r.left, 96, form.PixelsPerInch()), MulDiv(r.top, 96, form.PixelsPerInch()),
              MulDiv(r.right, 96, form.PixelsPerInch()), MulDiv(r.bottom, 96, form.PixelsPerInch())};
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

TEST_F(RimesetupLayout, FixedDialogFrameCentredOnTheScreen) {
  Tmainform& form = Open();
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(form.Scale(371), client.right);
  EXPECT_EQ(form.Scale(199), client.bottom);
  EXPECT_EQ(L"Hoarvale", form.Caption());

  LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
  EXPECT_EQ(WS_CAPTION | WS_SYSMENU, style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  RECT window;
  GetWindowRect(form.Handle(), &window);
  EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN), window.left + window.right, 1);
  EXPECT_NEAR(GetSystemMetrics(SM_CYSCREEN), window.top + window.bottom, 1);
}

using Member = TControl& (*)(Tmainform&);
// A component of the form by name, with the name for messages.
#define COMPONENT(name) #name, [](Tmainform& form) -> TControl& { return form.name; }

struct Placed {
  const char* name;
  Member control;
  TBounds bounds;
  const wchar_t* caption;
};

// Controls whose size is their own (labels size themselves to their text).
const Placed Controls[] = {
    {COMPONENT(Image1), {8, 8, 250, 55}, L""},
    {COMPONENT(OK), {264, 8, 100, 22}, L"确定(&O)"},
    {COMPONENT(WindEdit), {80, 176, 33, 20}, nullptr},
    {COMPONENT(UpDown), {113, 176, 17, 20}, L""},
    {COMPONENT(Cancel), {264, 32, 100, 22}, L"取消(&C)"},
    {COMPONENT(GroupBox), {8, 64, 249, 105}, L""},
    {COMPONENT(License), {264, 80, 100, 22}, L"&License"},
};

TEST_F(RimesetupLayout, EveryControlAtItsPlace) {
  Tmainform& form = Open();
  for (const Placed& p : Controls) {
    const TControl& control = p.control(form);
    RECT expected{p.bounds.Left, p.bounds.Top, p.bounds.Left + p.bounds.Width, p.bounds.Top + p.bounds.Height};
    EXPECT_EQ(Describe(expected), Describe(At96(form, control))) << p.name;
    EXPECT_EQ(form.Handle(), GetParent(control.Handle())) << p.name;
    if (p.caption) {
      EXPECT_EQ(p.caption, control.Caption()) << p.name;
    }
  }
}

struct PlacedLabel {
  const char* name;
  Member label;
  bool inGroupBox;
  int left, top;
  bool link;
};

const PlacedLabel Labels[] = {
    {COMPONENT(Label3), false, 48, 179, false},
    {COMPONENT(Label4), false, 136, 179, false},
    {COMPONENT(Label1), true, 16, 39, true},
    {COMPONENT(Label2), true, 16, 16, true},
    {COMPONENT(Label5), true, 16, 62, false},
    {COMPONENT(Label6), true, 16, 85, false},
};

SIZE TextSize(const TControl& label) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, label.Font().Handle());
  std::wstring text = label.Caption();
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  return size;
}

TEST_F(RimesetupLayout, LabelsAtTheirPlacesSizedToTheirTexts) {
  Tmainform& form = Open();
  for (const PlacedLabel& p : Labels) {
    const TControl& label = p.label(form);
    HWND parent = p.inGroupBox ? form.GroupBox.Handle() : form.Handle();
    EXPECT_EQ(parent, GetParent(label.Handle())) << p.name;
    RECT r = label.BoundsRect();
    EXPECT_EQ(form.Scale(p.left), r.left) << p.name;
    EXPECT_EQ(form.Scale(p.top), r.top) << p.name;
    SIZE text = TextSize(label);
    EXPECT_EQ(text.cx, r.right - r.left) << p.name;
    EXPECT_EQ(text.cy, r.bottom - r.top) << p.name;
    RECT inside;
    GetClientRect(parent, &inside);
    EXPECT_LE(r.right, inside.right) << p.name << " runs out of its parent";
  }
  EXPECT_EQ(L"风速", form.Label3.Caption());
  EXPECT_EQ(L"级", form.Label4.Caption());
  EXPECT_EQ(L"Version 2.01", form.Label5.Caption());
}

TEST_F(RimesetupLayout, FontShowsTheChineseTexts) {
  Tmainform& form = Open();
  EXPECT_TRUE(FontShows(form.FormFont().Handle(), L"风速级确定取消"));
  LOGFONTW font{};
  GetObjectW(form.FormFont().Handle(), sizeof font, &font);
  EXPECT_EQ(form.Scale(-12), font.lfHeight);
  EXPECT_EQ(GB2312_CHARSET, font.lfCharSet);
  for (TControl* control : {static_cast<TControl*>(&form.OK), static_cast<TControl*>(&form.Label3),
                            static_cast<TControl*>(&form.WindEdit)})
    EXPECT_EQ(reinterpret_cast<LRESULT>(form.FormFont().Handle()), SendMessageW(control->Handle(), WM_GETFONT, 0, 0));
}

// The text colour a label's parent gives it, as the label would paint.
COLORREF TextColourOf(const TControl& label) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(GetParent(label.Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(label.Handle()));
  COLORREF colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}

TEST_F(RimesetupLayout, LinksAreBlueUnderlinedWithTheHandCursor) {
  Tmainform& form = Open();
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  for (const PlacedLabel& p : Labels) {
    const TControl& label = p.label(form);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(p.link, font.lfUnderline != 0) << p.name;
    EXPECT_EQ(p.link ? RGB(0, 0, 255) : RGB(0, 0, 0), TextColourOf(label)) << p.name;
    SetCursor(nullptr);
    SendMessageW(label.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(p.link, GetCursor() == hand) << p.name;
  }
}

TEST_F(RimesetupLayout, TabGoesThroughOKWindEditCancelLicense) {
  Tmainform& form = Open();
  EXPECT_EQ(form.WindEdit.Handle(), GetFocus());
  DWORD start = 0, end = 0;
  SendMessageW(form.WindEdit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(0u, start);
  EXPECT_EQ(form.WindEdit.Caption().size(), end);  // typing replaces the shown value

  const HWND order[] = {form.OK.Handle(), form.WindEdit.Handle(), form.Cancel.Handle(), form.License.Handle()};
  for (size_t i = 0; i < 4; ++i) {
    Key(VK_TAB);
    EXPECT_EQ(order[(i + 2) % 4], GetFocus()) << "after " << i + 1 << " Tab";
  }
}

TEST_F(RimesetupLayout, BannerIsTheDecodedPicture) {
  Tmainform& form = Open();
  auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(form.Image1.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(nullptr, bitmap);
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  EXPECT_EQ(form.Scale(250), info.bmWidth);
  EXPECT_EQ(form.Scale(55), info.bmHeight);

  // A picture, not a blank: many colours.
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -info.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  std::sort(pixels.begin(), pixels.end());
  EXPECT_GT(std::unique(pixels.begin(), pixels.end()) - pixels.begin(), 100);
}

}  // namespace
