// One run of the real Rimesetup.exe, started as the screensaver or a user
// starts it, and what it shows while it runs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A path on this machine as Windows programs under Wine see it.
std::wstring WindowsPath(const std::string& hostPath);

struct StartOptions {
  // STARTUPINFO's show command; -1 starts without one.
  int showCommand = -1;
};

class RimesetupProcess {
public:
  explicit RimesetupProcess(const StartOptions& options = {});
  ~RimesetupProcess();  // ends the process if it still runs
  RimesetupProcess(const RimesetupProcess&) = delete;
  RimesetupProcess& operator=(const RimesetupProcess&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  // Waits for the end; true with the exit code when it came in time.
  bool WaitForExit(DWORD milliseconds, DWORD* exitCode);

  // The dialog "Hoarvale" once it is visible, else null after the wait.
  HWND WaitForDialog(DWORD milliseconds = 10000);
  // A message box of this process once it is visible, else null.
  HWND WaitForMessageBox(DWORD milliseconds = 10000);
  // Top-level windows of this process with that caption, shown or not.
  std::vector<HWND> WindowsTitled(const std::wstring& caption) const;
  // Visible message boxes of this process.
  std::vector<HWND> MessageBoxes() const;

private:
  PROCESS_INFORMATION info_{};
  std::wstring folder_;
};

// Polls `condition` until it holds or the time is up.
template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 5000) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(20);
  }
}
