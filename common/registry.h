// A small wrapper over the Windows registry with the steps the wind store
// needs: a root key, one current key, and integer values. Failures of the
// value operations throw ERegistryException with the registry's usual texts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The Win32 calls the wrapper makes, replaceable so that tests can refuse
// what Wine never refuses (for example opening a key with full access).
struct RegistryApi {
  decltype(&::RegOpenKeyExA) OpenKeyEx = ::RegOpenKeyExA;
  decltype(&::RegCreateKeyExA) CreateKeyEx = ::RegCreateKeyExA;
  decltype(&::RegQueryValueExA) QueryValueEx = ::RegQueryValueExA;
  decltype(&::RegSetValueExA) SetValueEx = ::RegSetValueExA;
  decltype(&::RegCloseKey) CloseKey = ::RegCloseKey;
};
RegistryApi& CurrentRegistryApi();

class TRegistry {
public:
  TRegistry();
  ~TRegistry();  // closes the current key
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root);
  HKEY CurrentKey() const { return current_; }

  // Whether `key` (relative to the root) can be opened for reading.
  bool KeyExists(const std::string& key);
  // Creates `key` with full access and closes it again at once;
  // throws "Failed to create key %s" when that fails.
  void CreateKey(const std::string& key);
  // Opens `key` with full access as the current key, creating it when
  // `canCreate`; false when that fails (there is then no current key).
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();

  // Whether the current key holds a value of that name, of any type or size.
  bool ValueExists(const std::string& name);
  // A REG_DWORD read as a signed 32-bit integer. Throws "Failed to get data
  // for '%s'" when it cannot be read into 4 bytes, "Invalid data type for
  // '%s'" when its type is not REG_DWORD.
  int32_t ReadInteger(const std::string& name);
  // Stores a 4-byte REG_DWORD; throws "Failed to set data for '%s'".
  void WriteInteger(const std::string& name, int32_t value);

private:
  HKEY root_ = HKEY_CURRENT_USER;
  HKEY current_ = nullptr;
};
