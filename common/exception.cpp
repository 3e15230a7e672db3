#include "exception.h"

#include <cstdio>

std::string FormatMessage1(const char* format, const std::string& arg) {
  int size = std::snprintf(nullptr, 0, format, arg.c_str());
  if (size < 0) return format;
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(&text[0], text.size(), format, arg.c_str());
  text.resize(static_cast<size_t>(size));
  return text;
}
