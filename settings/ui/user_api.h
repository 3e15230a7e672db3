// The calls by which the dialog reaches beyond itself: the shell, Windows
// Help and message boxes. Replaceable so that tests can see their arguments
// without a browser, a help viewer or a modal box.
#pragma once

#include <windows.h>
#include <shellapi.h>

struct UserApi {
  decltype(&::ShellExecuteA) ShellExecuteA = ::ShellExecuteA;
  decltype(&::WinHelpA) WinHelpA = ::WinHelpA;
  decltype(&::MessageBoxW) MessageBoxW = ::MessageBoxW;
};
UserApi& CurrentUserApi();
