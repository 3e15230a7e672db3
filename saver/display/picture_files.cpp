#include "display/picture_files.h"

#include <windows.h>

#include <cstring>

namespace {

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsBareName(const char* name) { return !std::strpbrk(name, "\\/:"); }

std::string ProgramFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

// The full path: LoadImageA, given a bare name, may look in the program's
// folder before the current directory (Wine does).
std::string FullPath(const char* name) {
  char path[MAX_PATH];
  DWORD length = GetFullPathNameA(name, MAX_PATH, path, nullptr);
  return length == 0 || length >= MAX_PATH ? std::string(name) : std::string(path, length);
}

}  // namespace

std::string LocatePictureFile(const char* name) {
  if (!name) return "";
  if (!IsBareName(name)) return name;
  if (IsFile(name)) return FullPath(name);
  std::string folder = ProgramFolder();
  if (!folder.empty() && IsFile(folder + name)) return folder + name;
  return name;
}
