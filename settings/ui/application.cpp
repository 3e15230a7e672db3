#include "application.h"

#include <commctrl.h>
#include <ole2.h>

#include "message_box.h"
#include "text.h"

TApplication Application;

TApplication::~TApplication() {
  // Forms go first, while the window machinery is still there.
  forms_.clear();
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  // The picture decoder is reached through OLE.
  OleInitialize(nullptr);
}

int MainFormShowCommand(const STARTUPINFOW& startup) {
  if (startup.dwFlags & STARTF_USESHOWWINDOW) {
    if (startup.wShowWindow == SW_SHOWMAXIMIZED || startup.wShowWindow == SW_SHOWMINNOACTIVE)
      return startup.wShowWindow;
  }
  return SW_SHOWNORMAL;
}

void TApplication::Run() {
  if (!mainForm_) return;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  mainForm_->Show(MainFormShowCommand(startup));
  MSG message;
  while (!terminated_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TForm* form = TForm::FromWindow(message.hwnd);
    if (form && form->ProcessDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

std::wstring TApplication::Title() const {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  return name;
}

int TApplication::ShowMessageBox(const std::wstring& text, UINT type) {
  // Modal to the form the user is working in, if there is one.
  HWND owner = GetActiveWindow();
  return CenteredMessageBox(owner, text, Title(), type | MB_APPLMODAL);
}

void TApplication::ShowException(const std::exception& exception) {
  ShowMessageBox(Widen(exception.what()), MB_OK | MB_ICONERROR);
}

void ShowMessage(const std::wstring& text) { Application.ShowMessageBox(text, MB_OK); }
