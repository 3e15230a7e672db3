// Stands in for the browser and the mail program of this Wine prefix: while
// it lives, the shell's handlers of "http" and "mailto" write what they were
// asked to open into a file instead.
#pragma once

#include <string>
#include <vector>

class LinkRecorder {
public:
  LinkRecorder();
  ~LinkRecorder();  // the prefix's own handlers again
  LinkRecorder(const LinkRecorder&) = delete;
  LinkRecorder& operator=(const LinkRecorder&) = delete;

  // What was opened so far, one line each.
  std::vector<std::string> Opened() const;

private:
  std::wstring file_;
  std::vector<std::wstring> saved_;
};
