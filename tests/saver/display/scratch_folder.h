// A fresh temporary folder that is the current directory while it lives;
// the previous directory comes back and the folder goes at the end.
#pragma once

#include <string>

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};
