#include "wind_store.h"

#include "exception.h"
#include "scratch_registry.h"

#include <climits>

namespace {

using WindStore = ScratchRegistry;
using Bytes = std::vector<BYTE>;

std::string MessageOf(void (*action)()) {
  try {
    action();
  } catch (const ERegistryException& e) {
    return e.Message();
  }
  return "(no exception)";
}

TEST_F(WindStore, FirstReadCreatesKeyAndZeroDword) {
  EXPECT_FALSE(KeyPresent());
  EXPECT_EQ(0, ReadWindPower());
  Raw created = GetRaw();
  EXPECT_TRUE(created.present);
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), created.type);
  EXPECT_EQ((Bytes{0, 0, 0, 0}), created.bytes);

  EXPECT_EQ(0, ReadWindPower());
  EXPECT_TRUE(created == GetRaw());
}

TEST_F(WindStore, KeyWithoutValueGetsZero) {
  HKEY h;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(scratch_, "Hoarvale", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr));
  RegCloseKey(h);
  EXPECT_EQ(0, ReadWindPower());
  EXPECT_EQ((Bytes{0, 0, 0, 0}), GetRaw().bytes);
}

struct Stored {
  int32_t value;
  Bytes bytes;
};

TEST_F(WindStore, WrittenValuesAreLittleEndianDwordsAndReadBack) {
  const Stored cases[] = {
      {-12, {0xF4, 0xFF, 0xFF, 0xFF}},        {12, {0x0C, 0, 0, 0}},
      {100, {0x64, 0, 0, 0}},                 {-1000, {0x18, 0xFC, 0xFF, 0xFF}},
      {INT_MIN, {0x00, 0x00, 0x00, 0x80}},    {INT_MAX, {0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const Stored& c : cases) {
    SCOPED_TRACE(c.value);
    WriteWindPower(c.value);
    Raw raw = GetRaw();
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
    EXPECT_EQ(c.bytes, raw.bytes);
    EXPECT_EQ(c.value, ReadWindPower());
  }
}

TEST_F(WindStore, WriteCreatesMissingKey) {
  WriteWindPower(5);
  EXPECT_EQ(5, ReadWindPower());
}

struct Unreadable {
  const char* what;
  DWORD type;
  Bytes bytes;
  const char* message;
};

TEST_F(WindStore, ValuesThatAreNotFourByteDwordsFailAndStayUntouched) {
  const Unreadable cases[] = {
      {"short string", REG_SZ, {'4', 0}, "Invalid data type for 'Wind Power'"},
      {"long string", REG_SZ, {'1', '2', '3', '4', '5', 0}, "Failed to get data for 'Wind Power'"},
      {"short expandable string", REG_EXPAND_SZ, {'7', 0}, "Invalid data type for 'Wind Power'"},
      {"4-byte binary", REG_BINARY, {5, 0, 0, 0}, "Invalid data type for 'Wind Power'"},
      {"8-byte qword", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0}, "Failed to get data for 'Wind Power'"},
      {"8-byte binary", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8}, "Failed to get data for 'Wind Power'"},
  };
  for (const Unreadable& c : cases) {
    SCOPED_TRACE(c.what);
    SetRaw(c.type, c.bytes);
    Raw before = GetRaw();
    EXPECT_EQ(c.message, MessageOf([] { ReadWindPower(); }));
    EXPECT_TRUE(before == GetRaw());
  }
}

TEST_F(WindStore, WriteReplacesValueOfAnyTypeWithDword) {
  const DWORD types[] = {REG_SZ, REG_BINARY, REG_QWORD, REG_MULTI_SZ};
  for (DWORD type : types) {
    SCOPED_TRACE(type);
    SetRaw(type, {1, 2, 3, 4, 5, 6, 7, 8, 0, 0});
    WriteWindPower(-3);
    Raw raw = GetRaw();
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
    EXPECT_EQ((Bytes{0xFD, 0xFF, 0xFF, 0xFF}), raw.bytes);
  }
}

// A REG_DWORD with fewer than 4 bytes fills the low bytes; the high ones are 0.
TEST_F(WindStore, ShortDwordIsZeroExtended) {
  const Stored cases[] = {{5, {0x05}}, {65535, {0xFF, 0xFF}}, {0x00F4FFFF, {0xFF, 0xFF, 0xF4}}, {0, {}}};
  for (const Stored& c : cases) {
    SCOPED_TRACE(c.value);
    SetRaw(REG_DWORD, c.bytes);
    EXPECT_EQ(c.value, ReadWindPower());
    EXPECT_EQ(c.bytes, GetRaw().bytes);
  }
}

// Wine never refuses the current user its own keys, so the refusals come
// through the wrapper's seam.
LONG WINAPI RefuseWriteAccessOpen(HKEY key, LPCSTR sub, DWORD options, REGSAM sam, PHKEY result) {
  if (sam & KEY_SET_VALUE) return ERROR_ACCESS_DENIED;
  return ::RegOpenKeyExA(key, sub, options, sam, result);
}
LONG WINAPI RefuseWriteAccessCreate(HKEY key, LPCSTR sub, DWORD reserved, LPSTR cls, DWORD options, REGSAM sam,
                                    LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
  if (sam & KEY_SET_VALUE) return ERROR_ACCESS_DENIED;
  return ::RegCreateKeyExA(key, sub, reserved, cls, options, sam, security, result, disposition);
}

TEST_F(WindStore, KeyThatCannotBeOpenedWithFullAccessCannotBeWritten) {
  HKEY h;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(scratch_, "Hoarvale", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr));
  RegCloseKey(h);
  CurrentRegistryApi().OpenKeyEx = RefuseWriteAccessOpen;
  CurrentRegistryApi().CreateKeyEx = RefuseWriteAccessCreate;

  EXPECT_EQ("Failed to set data for 'Wind Power'", MessageOf([] { ReadWindPower(); }));
  EXPECT_EQ("Failed to set data for 'Wind Power'", MessageOf([] { WriteWindPower(4); }));
  EXPECT_FALSE(GetRaw().present);
}

TEST_F(WindStore, KeyThatCannotBeCreatedIsReportedByName) {
  CurrentRegistryApi().CreateKeyEx = RefuseWriteAccessCreate;
  EXPECT_EQ("Failed to create key Hoarvale", MessageOf([] { ReadWindPower(); }));
  EXPECT_EQ("Failed to create key Hoarvale", MessageOf([] { WriteWindPower(4); }));
  EXPECT_FALSE(KeyPresent());
}

TEST_F(WindStore, RegistryFailuresAreTheProjectsException) {
  SetRaw(REG_BINARY, {1, 0, 0, 0});
  try {
    ReadWindPower();
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_NE(nullptr, dynamic_cast<const ERegistryException*>(&e));
  }
}

}  // namespace
