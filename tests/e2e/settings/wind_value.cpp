#include "wind_value.h"

#include <sddl.h>

#include <cstring>

namespace {

const wchar_t* const Key = L"Hoarvale";
const wchar_t* const Value = L"Wind Power";

void SetKeyAccess(const wchar_t* descriptor) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Key, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &sd, nullptr)) {
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
    LocalFree(sd);
  }
  RegCloseKey(key);
}

}  // namespace

void ForgetWind() {
  AllowWindWrites();
  RegDeleteTreeW(HKEY_CURRENT_USER, Key);
  RegDeleteKeyW(HKEY_CURRENT_USER, Key);
}

void StoreWindRaw(DWORD type, const std::vector<BYTE>& bytes) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExW(key, Value, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

void StoreWind(int32_t value) {
  std::vector<BYTE> bytes(4);
  std::memcpy(bytes.data(), &value, 4);
  StoreWindRaw(REG_DWORD, bytes);
}

WindValue ReadWind() {
  WindValue value;
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Key, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  BYTE data[256];
  DWORD size = sizeof data;
  if (RegQueryValueExW(key, Value, nullptr, &value.type, data, &size) == ERROR_SUCCESS) {
    value.present = true;
    value.bytes.assign(data, data + size);
  }
  RegCloseKey(key);
  return value;
}

int32_t StoredWind(bool* found) {
  WindValue value = ReadWind();
  *found = value.present && value.type == REG_DWORD && value.bytes.size() == 4;
  int32_t result = 0;
  if (*found) std::memcpy(&result, value.bytes.data(), 4);
  return result;
}

// Everyone may read the key; nobody may write it.
void DenyWindWrites() { SetKeyAccess(L"D:P(A;;KR;;;WD)"); }

void AllowWindWrites() { SetKeyAccess(L"D:(A;;KA;;;WD)"); }
