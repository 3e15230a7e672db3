#include "registry.h"

#include "exception.h"
#include "scratch_registry.h"

namespace {

using Registry = ScratchRegistry;

int closes = 0;
LONG WINAPI CountingClose(HKEY key) {
  ++closes;
  return ::RegCloseKey(key);
}

TEST_F(Registry, DestructionClosesTheCurrentKey) {
  CurrentRegistryApi().CloseKey = CountingClose;
  closes = 0;
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Hoarvale", true));
    EXPECT_NE(nullptr, registry.CurrentKey());
    EXPECT_EQ(0, closes);
  }
  EXPECT_EQ(1, closes);
}

TEST_F(Registry, OpeningWithoutCreationLeavesNoCurrentKeyWhenMissing) {
  TRegistry registry;
  EXPECT_FALSE(registry.KeyExists("Hoarvale"));
  EXPECT_FALSE(registry.OpenKey("Hoarvale", false));
  EXPECT_EQ(nullptr, registry.CurrentKey());
  EXPECT_FALSE(registry.ValueExists("Wind Power"));
  EXPECT_THROW(registry.ReadInteger("Wind Power"), ERegistryException);
  EXPECT_FALSE(KeyPresent());
}

TEST_F(Registry, CreateKeyLeavesNoCurrentKey) {
  TRegistry registry;
  registry.CreateKey("Hoarvale");
  EXPECT_TRUE(registry.KeyExists("Hoarvale"));
  EXPECT_EQ(nullptr, registry.CurrentKey());
}

TEST_F(Registry, ValueExistsWhateverItsType) {
  SetRaw(REG_SZ, {'x', 0});
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Hoarvale", false));
  EXPECT_TRUE(registry.ValueExists("Wind Power"));
  EXPECT_FALSE(registry.ValueExists("Other"));
}

}  // namespace
