#include "scratch_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

ScratchFolder::ScratchFolder() {
  char buffer[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, buffer);
  previous_ = buffer;
  GetTempPathA(MAX_PATH, buffer);
  std::string base = buffer;
  for (unsigned n = GetTickCount() ^ GetCurrentProcessId();; ++n) {
    path_ = base + "glimmerfall-display-" + std::to_string(n);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      ADD_FAILURE() << "cannot create " << path_;
      return;
    }
  }
  EXPECT_TRUE(SetCurrentDirectoryA(path_.c_str()));
}

ScratchFolder::~ScratchFolder() {
  SetCurrentDirectoryA(previous_.c_str());
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((path_ + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path_.c_str());
}
