#include "win/registry.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

const std::string kTestKey = "\\Software\\OrlavoxTests\\Registry";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { Registry().DeleteKey("\\Software\\OrlavoxTests"); }
  void TearDown() override { Registry().DeleteKey("\\Software\\OrlavoxTests"); }
};

TEST_F(RegistryTest, OpenWithAndWithoutCreate) {
  Registry reg;
  EXPECT_FALSE(reg.KeyExists(kTestKey));
  EXPECT_FALSE(reg.OpenKey(kTestKey, false));
  EXPECT_TRUE(reg.OpenKey(kTestKey, true));
  EXPECT_TRUE(reg.KeyExists(kTestKey));
  EXPECT_TRUE(reg.OpenKey(kTestKey, false));
}

TEST_F(RegistryTest, StringsRoundTripAndMissingValuesReadEmpty) {
  Registry reg;
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  std::string s = "junk";
  EXPECT_EQ(reg.ReadString("Nothing", s), ReadStatus::Missing);
  EXPECT_EQ(s, "");
  EXPECT_FALSE(reg.ValueExists("Name"));
  EXPECT_TRUE(reg.WriteString("Name", "C:\\path with spaces\\a.wav"));
  EXPECT_TRUE(reg.ValueExists("Name"));
  EXPECT_EQ(reg.ReadString("Name", s), ReadStatus::Ok);
  EXPECT_EQ(s, "C:\\path with spaces\\a.wav");
  EXPECT_TRUE(reg.WriteString("Empty", ""));
  EXPECT_EQ(reg.ReadString("Empty", s), ReadStatus::Ok);
  EXPECT_EQ(s, "");
  EXPECT_TRUE(reg.DeleteValue("Name"));
  EXPECT_FALSE(reg.ValueExists("Name"));
  EXPECT_FALSE(reg.DeleteValue("Name"));  // already gone
}

TEST_F(RegistryTest, OtherTypesAndHugeStringsAreBadData) {
  Registry reg;
  ASSERT_TRUE(reg.OpenKey(kTestKey, true));
  HKEY raw;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey.c_str() + 1, 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
  RegKey key(raw);
  DWORD dw = 42;
  RegSetValueExA(raw, "Dword", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), sizeof dw);
  BYTE bin[3] = {'1', '0', '1'};
  RegSetValueExA(raw, "Binary", 0, REG_BINARY, bin, sizeof bin);
  std::string huge(1 << 20, '1');
  RegSetValueExA(raw, "Huge", 0, REG_SZ, reinterpret_cast<const BYTE*>(huge.c_str()), DWORD(huge.size() + 1));
  // A string stored without its terminating NUL still reads whole.
  RegSetValueExA(raw, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("0101"), 4);

  std::string s;
  EXPECT_EQ(reg.ReadString("Dword", s), ReadStatus::BadData);
  EXPECT_EQ(s, "");
  EXPECT_EQ(reg.ReadString("Binary", s), ReadStatus::BadData);
  EXPECT_EQ(reg.ReadString("Huge", s), ReadStatus::BadData);
  EXPECT_EQ(s, "");
  EXPECT_EQ(reg.ReadString("Unterminated", s), ReadStatus::Ok);
  EXPECT_EQ(s, "0101");
}

TEST_F(RegistryTest, DeleteKeyIsRecursive) {
  Registry reg;
  ASSERT_TRUE(reg.OpenKey(kTestKey + "\\A\\B", true));
  ASSERT_TRUE(reg.WriteString("V", "1"));
  ASSERT_TRUE(reg.OpenKey(kTestKey + "\\C", true));
  reg.CloseKey();
  EXPECT_TRUE(reg.DeleteKey(kTestKey));
  EXPECT_FALSE(reg.KeyExists(kTestKey));
  EXPECT_TRUE(reg.KeyExists("\\Software\\OrlavoxTests"));
  EXPECT_FALSE(reg.DeleteKey(kTestKey));  // absent
}

TEST_F(RegistryTest, NoOpenKeyFailsQuietly) {
  Registry reg;
  std::string s;
  EXPECT_EQ(reg.ReadString("X", s), ReadStatus::Missing);
  EXPECT_FALSE(reg.WriteString("X", "1"));
  EXPECT_FALSE(reg.DeleteValue("X"));
  EXPECT_FALSE(reg.ValueExists("X"));
}

}  // namespace
}  // namespace orlavox
