// A Tmainform in this process, on a private registry, with every call that
// would leave the process (shell, Windows Help, message boxes) recorded.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Main.h"
#include "scratch_registry.h"
#include "ui/application.h"
#include "ui/user_api.h"

struct ShellCall {
  HWND owner;
  bool noOperation;
  std::string file;
  bool noParameters;
  bool noDirectory;
  INT show;
};
struct HelpCall {
  HWND owner;
  std::string file;
  UINT command;
  ULONG_PTR data;
};
struct BoxCall {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT type;
};

struct RecordedCalls {
  std::vector<ShellCall> shell;
  std::vector<HelpCall> help;
  std::vector<BoxCall> boxes;
  BOOL helpAnswer = TRUE;
};

inline RecordedCalls& Recorded() {
  static RecordedCalls calls;
  return calls;
}

inline HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                           LPCSTR directory, INT show) {
  Recorded().shell.push_back({owner, operation == nullptr, file ? file : "", parameters == nullptr,
                              directory == nullptr, show});
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

inline BOOL WINAPI RecordWinHelp(HWND owner, LPCSTR file, UINT command, ULONG_PTR data) {
  Recorded().help.push_back({owner, file ? file : "", command, data});
  return Recorded().helpAnswer;
}

inline int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  Recorded().boxes.push_back({owner, text ? text : L"", caption ? caption : L"", type});
  return IDOK;
}

class DialogTest : public ScratchRegistry {
protected:
  void SetUp() override {
    ScratchRegistry::SetUp();
    static bool initialized = false;
    if (!initialized) Application.Initialize();
    initialized = true;
    Recorded() = RecordedCalls{};
    CurrentUserApi().ShellExecuteA = RecordShellExecute;
    CurrentUserApi().WinHelpA = RecordWinHelp;
    CurrentUserApi().MessageBoxW = RecordMessageBox;
  }

  void TearDown() override {
    form_.reset();
    Pump();
    CurrentUserApi() = UserApi{};
    ScratchRegistry::TearDown();
  }

  void Store(int32_t value) {
    std::vector<BYTE> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    SetRaw(REG_DWORD, bytes);
  }

  // The stored REG_DWORD; fails the test when there is none.
  int32_t Stored() {
    Raw raw = GetRaw();
    EXPECT_TRUE(raw.present);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
    int32_t value = 0;
    if (raw.bytes.size() == 4) std::memcpy(&value, raw.bytes.data(), 4);
    return value;
  }

  // Makes the dialog as the program does and shows it.
  Tmainform& Open() {
    form_ = std::make_unique<Tmainform>(&Application);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    Pump();
    return *form_;
  }

  // Dispatches what is queued, with the dialog keys as the message loop has them.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TForm* form = TForm::FromWindow(message.hwnd);
      if (form && form->ProcessDialogKeys(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // A key as the keyboard delivers it to the window with the focus.
  void Key(UINT virtualKey) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, 0xC0000001);
    Pump();
  }

  // Alt with a letter, as TranslateMessage hands it on.
  void AltKey(wchar_t letter) {
    PostMessageW(GetFocus(), WM_SYSCHAR, letter, 1u << 29);
    Pump();
  }

  void Click(TControl& control) {
    SendMessageW(control.Handle(), BM_CLICK, 0, 0);
    Pump();
  }

  std::unique_ptr<Tmainform> form_;
};
