// The project's exception with a message, and the registry's kind of it.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class ERegistryException : public Exception {
public:
  using Exception::Exception;
};

// printf-style message with one %s, as the registry's texts are written.
std::string FormatMessage1(const char* format, const std::string& arg);
