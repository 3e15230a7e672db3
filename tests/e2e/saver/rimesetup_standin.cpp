// Stands in for the settings program: writes how it was started to
// "started.txt" beside itself, so that a test can see the show command.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);

  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string record(path, length);
  record = record.substr(0, record.find_last_of("\\/") + 1) + "started.txt";

  FILE* out = std::fopen(record.c_str(), "w");
  if (out == nullptr) return 1;
  std::fprintf(out, "flags=%lu show=%u\n", static_cast<unsigned long>(startup.dwFlags),
               static_cast<unsigned>(startup.wShowWindow));
  std::fclose(out);
  return 0;
}
