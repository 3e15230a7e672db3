// Gives each test its own HKEY_CURRENT_USER: a scratch key under the real one
// that the process sees as its current user's root while the test runs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry.h"

class ScratchRegistry : public ::testing::Test {
protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string("Software\\GlimmerfallTests\\") + info->test_suite_name() + "." + info->name();
    for (char& c : path_)
      if (c == '/') c = '_';
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &scratch_, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, scratch_));
    CurrentRegistryApi() = RegistryApi{};
  }

  void TearDown() override {
    CurrentRegistryApi() = RegistryApi{};
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratch_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  }

  // Raw access to the wind value, bypassing the code under test.
  bool KeyPresent() {
    HKEY h;
    if (RegOpenKeyExA(scratch_, "Hoarvale", 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
  }
  void SetRaw(DWORD type, const std::vector<BYTE>& bytes) {
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(scratch_, "Hoarvale", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(h, "Wind Power", 0, type, bytes.empty() ? nullptr : bytes.data(),
                                            static_cast<DWORD>(bytes.size())));
    RegCloseKey(h);
  }
  struct Raw {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
    bool operator==(const Raw& o) const { return present == o.present && type == o.type && bytes == o.bytes; }
  };
  Raw GetRaw() {
    Raw raw;
    HKEY h;
    if (RegOpenKeyExA(scratch_, "Hoarvale", 0, KEY_READ, &h) != ERROR_SUCCESS) return raw;
    BYTE buffer[256];
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(h, "Wind Power", nullptr, &raw.type, buffer, &size) == ERROR_SUCCESS) {
      raw.present = true;
      raw.bytes.assign(buffer, buffer + size);
    }
    RegCloseKey(h);
    return raw;
  }

  HKEY scratch_ = nullptr;
  std::string path_;
};
