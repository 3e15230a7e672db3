#include "rimesetup_process.h"

#include "other_windows.h"

std::wstring WindowsPath(const std::string& hostPath) {
  std::wstring path = L"Z:";
  for (char c : hostPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

RimesetupProcess::RimesetupProcess(const StartOptions& options) {
  // A folder of its own: no "licen.hlp" beside it.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  folder_ = std::wstring(temp) + L"rimesetup-run";
  CreateDirectoryW(folder_.c_str(), nullptr);

  std::wstring program = WindowsPath(RIMESETUP_EXE);
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (options.showCommand >= 0) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(options.showCommand);
  }
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                      &startup, &info_))
    info_ = PROCESS_INFORMATION{};
}

RimesetupProcess::~RimesetupProcess() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool RimesetupProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool RimesetupProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

std::vector<HWND> RimesetupProcess::WindowsTitled(const std::wstring& caption) const {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindowsOf(Id()))
    if (TextOf(window) == caption) found.push_back(window);
  return found;
}

std::vector<HWND> RimesetupProcess::MessageBoxes() const {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindowsOf(Id()))
    if (ClassOf(window) == L"#32770" && IsWindowVisible(window)) found.push_back(window);
  return found;
}

HWND RimesetupProcess::WaitForDialog(DWORD milliseconds) {
  HWND dialog = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : WindowsTitled(L"Hoarvale"))
          if (IsWindowVisible(window)) dialog = window;
        return dialog != nullptr || !Running();
      },
      milliseconds);
  return dialog;
}

HWND RimesetupProcess::WaitForMessageBox(DWORD milliseconds) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        std::vector<HWND> boxes = MessageBoxes();
        if (!boxes.empty()) box = boxes.front();
        return box != nullptr || !Running();
      },
      milliseconds);
  return box;
}
