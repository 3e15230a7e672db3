#include "registry.h"

#include "exception.h"

#include <cstring>

RegistryApi& CurrentRegistryApi() {
  static RegistryApi api;
  return api;
}

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

void TRegistry::CloseKey() {
  if (current_) {
    CurrentRegistryApi().CloseKey(current_);
    current_ = nullptr;
  }
}

bool TRegistry::KeyExists(const std::string& key) {
  HKEY h = nullptr;
  if (CurrentRegistryApi().OpenKeyEx(root_, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  CurrentRegistryApi().CloseKey(h);
  return true;
}

void TRegistry::CreateKey(const std::string& key) {
  HKEY h = nullptr;
  DWORD disposition = 0;
  LONG rc = CurrentRegistryApi().CreateKeyEx(root_, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &h, &disposition);
  if (rc != ERROR_SUCCESS) throw ERegistryException(FormatMessage1("Failed to create key %s", key));
  CurrentRegistryApi().CloseKey(h);
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  HKEY h = nullptr;
  LONG rc;
  if (canCreate) {
    DWORD disposition = 0;
    rc = CurrentRegistryApi().CreateKeyEx(root_, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_ALL_ACCESS, nullptr, &h, &disposition);
  } else {
    rc = CurrentRegistryApi().OpenKeyEx(root_, key.c_str(), 0, KEY_ALL_ACCESS, &h);
  }
  if (rc != ERROR_SUCCESS) return false;
  current_ = h;
  return true;
}

bool TRegistry::ValueExists(const std::string& name) {
  if (!current_) return false;
  DWORD type = 0;
  DWORD size = 0;
  return CurrentRegistryApi().QueryValueEx(current_, name.c_str(), nullptr, &type, nullptr, &size) ==
         ERROR_SUCCESS;
}

int32_t TRegistry::ReadInteger(const std::string& name) {
  // A REG_DWORD shorter than 4 bytes fills only the low bytes; the rest stay
  // zero, so two stored bytes FF FF read as 65535.
  BYTE data[4] = {0, 0, 0, 0};
  DWORD size = sizeof data;
  DWORD type = REG_NONE;
  if (!current_ ||
      CurrentRegistryApi().QueryValueEx(current_, name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS)
    throw ERegistryException(FormatMessage1("Failed to get data for '%s'", name));
  if (type != REG_DWORD) throw ERegistryException(FormatMessage1("Invalid data type for '%s'", name));
  uint32_t raw = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                 static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
  int32_t value;
  std::memcpy(&value, &raw, sizeof value);
  return value;
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  uint32_t raw;
  std::memcpy(&raw, &value, sizeof raw);
  const BYTE data[4] = {static_cast<BYTE>(raw), static_cast<BYTE>(raw >> 8), static_cast<BYTE>(raw >> 16),
                        static_cast<BYTE>(raw >> 24)};
  if (!current_ ||
      CurrentRegistryApi().SetValueEx(current_, name.c_str(), 0, REG_DWORD, data, sizeof data) != ERROR_SUCCESS)
    throw ERegistryException(FormatMessage1("Failed to set data for '%s'", name));
}
