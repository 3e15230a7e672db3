#include "Main.h"

#include <windows.h>

#include "product.h"
#include "ui/picture.h"
#include "ui/text.h"
#include "ui/user_api.h"
#include "version.h"
#include "wind_store.h"

Tmainform* mainform = nullptr;

namespace {

const char* const HelpFile = "licen.hlp";
const wchar_t* const ChineseTexts = L"风速级确定取消";

TFontProperties FormFontProperties() {
  TFontProperties font;
  font.Name = L"宋体";
  font.Height = -12;
  font.Charset = GB2312_CHARSET;
  font.Color = RGB(0, 0, 0);
  return font;
}

TFontProperties LinkFontProperties() {
  TFontProperties font = FormFontProperties();
  font.Color = RGB(0, 0, 255);
  font.Underline = true;
  return font;
}

}  // namespace

const wchar_t* const HelpFileMissingMessage = L"没有找到licen.hlp";

Tmainform::Tmainform(TComponent* Owner) : TForm(Owner) {
  LoadFormResource();
  WindValue = ReadWindPower();
  // Only the low 16 bits, as a signed number; the control keeps it within
  // its range and writes it into WindEdit.
  UpDown.SetPosition(static_cast<int16_t>(static_cast<uint32_t>(WindValue) & 0xFFFF));
}

// Every component, in the order the form resource creates them, at its
// place at 96 DPI.
void Tmainform::LoadFormResource() {
  CreateWindowOfForm(L"Tmainform", L"Hoarvale", 371, 199, FormFontProperties(), ChineseTexts);

  Label3.Create(this, {48, 179, 24, 12}, L"风速");
  Label4.Create(this, {136, 179, 12, 12}, L"级");
  Image1.Create(this, {8, 8, 250, 55});
  Image1.SetPicture(TPicture(GetModuleHandleW(nullptr), L"BANNER"));
  OK.Create(this, {264, 8, 100, 22}, L"确定(&O)", true);
  OK.OnClick = [this](TObject* Sender) { OKClick(Sender); };
  WindEdit.Create(this, {80, 176, 33, 20}, L"0");
  UpDown.Create(this, {113, 176, 17, 20}, WindEdit, -12, 12, 0);
  Cancel.Create(this, {264, 32, 100, 22}, L"取消(&C)");
  Cancel.OnClick = [this](TObject* Sender) { CancelClick(Sender); };
  GroupBox.Create(this, {8, 64, 249, 105}, L"");
  Label1.Create(&GroupBox, {16, 39, 144, 12}, Widen(GLIMMERFALL_MAKER_WEB));
  Label1.SetOwnFont(std::make_unique<TFont>(LinkFontProperties(), PixelsPerInch(), ChineseTexts));
  Label1.Cursor = TCursor::HandPoint;
  Label1.OnClick = [this](TObject* Sender) { Label1Click(Sender); };
  Label2.Create(&GroupBox, {16, 16, 90, 12}, Widen(GLIMMERFALL_MAKER_EMAIL));
  Label2.SetOwnFont(std::make_unique<TFont>(LinkFontProperties(), PixelsPerInch(), ChineseTexts));
  Label2.Cursor = TCursor::HandPoint;
  Label2.OnClick = [this](TObject* Sender) { Label2Click(Sender); };
  Label5.Create(&GroupBox, {16, 62, 72, 12}, L"Version " + Widen(GLIMMERFALL_VERSION_SHORT));
  Label6.Create(&GroupBox, {16, 85, 192, 12}, Widen(GLIMMERFALL_LEGAL_NOTICE));
  License.Create(this, {264, 80, 100, 22}, L"&License");
  License.OnClick = [this](TObject* Sender) { LicenseClick(Sender); };

  ActiveControl = &WindEdit;
}

void Tmainform::OKClick(TObject* Sender) {
  (void)Sender;
  // The control takes its position from WindEdit's text at this moment.
  WriteWindPower(UpDown.Position());
  Close();
}

void Tmainform::CancelClick(TObject* Sender) {
  (void)Sender;
  Close();
}

void Tmainform::Label1Click(TObject* Sender) {
  (void)Sender;
  CurrentUserApi().ShellExecuteA(Handle(), nullptr, GLIMMERFALL_MAKER_WEB, nullptr, nullptr, SW_SHOWNORMAL);
}

void Tmainform::Label2Click(TObject* Sender) {
  (void)Sender;
  CurrentUserApi().ShellExecuteA(Handle(), nullptr, "mailto:" GLIMMERFALL_MAKER_EMAIL, nullptr, nullptr,
                                 SW_SHOWNORMAL);
}

void Tmainform::LicenseClick(TObject* Sender) {
  (void)Sender;
  if (CurrentUserApi().WinHelpA(Handle(), HelpFile, HELP_CONTENTS, 0) == 0) ShowMessage(HelpFileMissingMessage);
}
