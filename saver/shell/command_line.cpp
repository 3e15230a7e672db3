#include "shell/command_line.h"

namespace {

bool IsSeparator(char c) {
  const unsigned char code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// Reads one argument starting at `p` into `argument`; returns where the next
// one may start. Leading separators and "" pairs are skipped first.
const char* NextArgument(const char* p, std::string& argument) {
  argument.clear();
  for (;;) {
    while (IsSeparator(*p)) ++p;
    if (p[0] == '"' && p[1] == '"') {
      p += 2;
    } else {
      break;
    }
  }
  while (*p != '\0' && !IsSeparator(*p)) {
    if (*p == '"') {
      ++p;
      while (*p != '\0' && *p != '"') argument += *p++;
      if (*p == '"') ++p;
    } else {
      argument += *p++;
    }
  }
  return p;
}

}  // namespace

std::string FirstArgument(const char* commandLine) {
  std::string argument;
  if (commandLine == nullptr) return argument;
  const char* rest = NextArgument(commandLine, argument);  // the program
  NextArgument(rest, argument);
  return argument;
}

std::string SaverSwitch(const char* commandLine) {
  std::string s = FirstArgument(commandLine).substr(0, 2);
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

SaverAction ActionOfSwitch(const std::string& saverSwitch) {
  if (saverSwitch == "/C" || saverSwitch == "-C") return SaverAction::Configure;
  if (saverSwitch == "/P" || saverSwitch == "-P") return SaverAction::Preview;
  return SaverAction::Run;
}
