// Pieces of the form layer that stand on their own.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/font.h"

namespace {

TEST(FormLayerAccessKey, IsTheLetterAfterASingleAmpersand) {
  const struct {
    const wchar_t* caption;
    wchar_t key;
  } cases[] = {{L"确定(&O)", L'O'}, {L"取消(&C)", L'C'}, {L"&License", L'L'}, {L"&license", L'L'},
               {L"Tom && Jerry", 0}, {L"A && &B", L'B'},  {L"trailing&", 0},  {L"", 0}};
  for (const auto& c : cases) EXPECT_EQ(c.key, AccessKeyOf(c.caption)) << c.caption;
}

// A form where a label marks the same letter as a button, and comes first
// after the focused edit box, where the dialog manager looks first.
class LabelAndButtonForm : public TForm {
public:
  TEdit Name;
  TLabel Notice;
  TButton License;
  int clicks = 0;

  LabelAndButtonForm() : TForm(nullptr) {
    TFontProperties font;
    font.Name = L"Tahoma";
    CreateWindowOfForm(L"LabelAndButtonForm", L"Keys", 200, 100, font, L"");
    Name.Create(this, {100, 8, 80, 20}, L"");
    Notice.Create(this, {8, 8, 0, 0}, L"Tom &Lee");
    License.Create(this, {8, 40, 80, 22}, L"&License");
    License.OnClick = [this](TObject*) { ++clicks; };
    ActiveControl = &Name;
  }
};

TEST(FormLayerAccessKey, AltWithTheLetterPressesTheButtonNotTheLabel) {
  LabelAndButtonForm form;
  form.Show();
  SetForegroundWindow(form.Handle());
  SetFocus(form.Name.Handle());
  ASSERT_EQ(form.Name.Handle(), GetFocus());
  MSG alt{};
  alt.hwnd = GetFocus();
  alt.message = WM_SYSCHAR;
  alt.wParam = L'l';
  alt.lParam = 1u << 29;
  EXPECT_TRUE(form.ProcessDialogKeys(alt));
  EXPECT_EQ(1, form.clicks);
  EXPECT_EQ(L"Tom &Lee", form.Notice.Caption());
  EXPECT_NE(0, GetWindowLongW(form.Notice.Handle(), GWL_STYLE) & SS_NOPREFIX) << "the label shows its '&'";
}

TEST(FormLayerMainFormShow, FollowsOnlyMaximisedAndMinimisedWithoutActivation) {
  const struct {
    DWORD flags;
    WORD show;
    int expected;
  } cases[] = {
      {0, SW_SHOWMAXIMIZED, SW_SHOWNORMAL},
      {STARTF_USESHOWWINDOW, SW_HIDE, SW_SHOWNORMAL},
      {STARTF_USESHOWWINDOW, SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
      {STARTF_USESHOWWINDOW, SW_SHOWMINNOACTIVE, SW_SHOWMINNOACTIVE},
      {STARTF_USESHOWWINDOW, SW_SHOWMINIMIZED, SW_SHOWNORMAL},
      {STARTF_USESHOWWINDOW, SW_MINIMIZE, SW_SHOWNORMAL},
      {STARTF_USESHOWWINDOW, SW_SHOWNOACTIVATE, SW_SHOWNORMAL},
  };
  for (const auto& c : cases) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = c.flags;
    startup.wShowWindow = c.show;
    EXPECT_EQ(c.expected, MainFormShowCommand(startup)) << "flags " << c.flags << " show " << c.show;
  }
}

TEST(FormLayerFont, FallsBackToAFaceWithTheGlyphs) {
  TFontProperties properties;
  properties.Name = L"Tahoma";
  properties.Charset = ANSI_CHARSET;
  HFONT plain = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Tahoma");
  bool tahomaShowsChinese = FontShows(plain, L"风速");
  DeleteObject(plain);
  if (tahomaShowsChinese) GTEST_SKIP() << "this Tahoma has Chinese glyphs";

  TFont font(properties, 96, L"风速");
  EXPECT_TRUE(FontShows(font.Handle(), L"风速"));
  EXPECT_NE(L"Tahoma", font.FaceName());

  TFont unchecked(properties, 96, L"");
  EXPECT_EQ(L"Tahoma", unchecked.FaceName());
}

TEST(FormLayerApplication, TitleIsTheProgramName) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title = Application.Title();
  EXPECT_FALSE(title.empty());
  EXPECT_EQ(std::wstring::npos, title.find_first_of(L"\\/."));
  EXPECT_NE(std::wstring::npos, std::wstring(path).find(title + L".exe"));
}

}  // namespace
