// Waits for a message box captioned "Error", writes its text (UTF-8) to the
// file named by the first argument, then presses OK.
//   message_box_probe OUT [timeout_ms] [hold_ms]
// Exit code 0 when the box was found and answered, 1 when it never came.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const DWORD timeout = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 15000;
  const DWORD hold = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 0;

  HWND box = nullptr;
  const DWORD start = GetTickCount();
  while ((box = FindWindowW(L"#32770", L"Error")) == nullptr) {
    if (GetTickCount() - start > timeout) return 1;
    Sleep(50);
  }
  // Message boxes keep their text in the static control 0xFFFF.
  wchar_t text[256] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 256);
  char utf8[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) return 2;
  std::fputs(utf8, out);
  std::fclose(out);

  // Leave the box up a while: the frame timer would fire many times meanwhile.
  Sleep(hold);
  SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  if (IsWindow(box)) PostMessageW(box, WM_COMMAND, IDOK, 0);
  return 0;
}
