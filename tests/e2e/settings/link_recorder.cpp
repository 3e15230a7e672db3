#include "link_recorder.h"

#include <windows.h>

#include <fstream>

namespace {

const wchar_t* const Schemes[] = {L"http", L"mailto"};
// What Wine sets up for both schemes.
const wchar_t* const WineDefault = L"\"C:\\windows\\system32\\winebrowser.exe\" \"%1\"";
const wchar_t* const RecorderMark = L"rimesetup-links";

std::wstring CommandKey(const wchar_t* scheme) { return std::wstring(L"Software\\Classes\\") + scheme + L"\\shell\\open\\command"; }

std::wstring ReadCommand(const wchar_t* scheme) {
  wchar_t text[1024] = L"";
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, CommandKey(scheme).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, text, &size) !=
      ERROR_SUCCESS)
    return WineDefault;
  return text;
}

void WriteCommand(const wchar_t* scheme, const std::wstring& command) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, CommandKey(scheme).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

}  // namespace

LinkRecorder::LinkRecorder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t shortTemp[MAX_PATH];
  if (GetShortPathNameW(temp, shortTemp, MAX_PATH)) wcscpy(temp, shortTemp);  // no spaces
  file_ = std::wstring(temp) + RecorderMark + L".txt";
  DeleteFileW(file_.c_str());
  for (const wchar_t* scheme : Schemes) {
    std::wstring before = ReadCommand(scheme);
    // A recorder left behind by a test that died is no handler to restore.
    saved_.push_back(before.find(RecorderMark) == std::wstring::npos ? before : WineDefault);
    // Wine's cmd takes neither a quoted target nor a bracketed echo here; the
    // space keeps a trailing digit of the address from reading as "2>>".
    WriteCommand(scheme, L"cmd.exe /c echo %1 >>" + file_);
  }
}

LinkRecorder::~LinkRecorder() {
  for (size_t i = 0; i < saved_.size(); ++i) WriteCommand(Schemes[i], saved_[i]);
  DeleteFileW(file_.c_str());
}

std::vector<std::string> LinkRecorder::Opened() const {
  std::vector<std::string> lines;
  std::ifstream in(file_.c_str());
  std::string line;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}
