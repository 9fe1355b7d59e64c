#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "win/registry.h"

namespace orlavox {
namespace {

const DesktopSize kDesk{1024, 768};
const std::string kProgram = "C:\\Program Files\\Orlavox\\Orlavox.exe";

std::string Value(const char* key, const char* name) {
  Registry reg;
  std::string s;
  if (!reg.OpenKey(key, false) || !reg.ValueExists(name)) return "<absent>";
  reg.ReadString(name, s);
  return s;
}

void Put(const char* key, const char* name, const std::string& value) {
  Registry reg;
  ASSERT_TRUE(reg.OpenKey(key, true));
  ASSERT_TRUE(reg.WriteString(name, value));
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    Registry reg;
    reg.DeleteKey(kSettingsKey);
    reg.DeleteKey(kOldEditionKey);
    if (reg.OpenKey(kRunKey, false)) reg.DeleteValue(kRunValue);
    if (reg.OpenKey(kRunKeyNT, false)) reg.DeleteValue(kRunValue);
  }
};

TEST_F(SettingsStoreTest, FirstRunCreatesTheKeyAndVersionMarker) {
  EXPECT_TRUE(CheckFirstRunInRegistry());
  const LoadedSettings r = LoadSettingsFromRegistry(true, kDesk, kProgram);
  EXPECT_TRUE(r.Settings.Windowless);
  EXPECT_FALSE(r.NewVersion);
  EXPECT_TRUE(Registry().KeyExists(kSettingsKey));
  EXPECT_EQ(Value(kSettingsKey, "CurrentVer"), "2.5");
  // Only the marker is written at start-up: the next start is a first run again.
  EXPECT_EQ(Value(kSettingsKey, "BinSettings"), "<absent>");
  EXPECT_TRUE(CheckFirstRunInRegistry());
}

TEST_F(SettingsStoreTest, OlderEditionIsAnUpgrade) {
  Put(kOldEditionKey, "WindowTop", "100");
  EXPECT_FALSE(CheckFirstRunInRegistry());
  const LoadedSettings r = LoadSettingsFromRegistry(false, kDesk, kProgram);
  EXPECT_TRUE(r.NewVersion);
  EXPECT_FALSE(r.Settings.Windowless);
  EXPECT_EQ(r.Settings.WindowTop, 0);
  EXPECT_EQ(r.Settings.WindowLeft, 0);
  // Its key without "WindowTop" does not count.
  Clean();
  Put(kOldEditionKey, "Other", "1");
  EXPECT_TRUE(CheckFirstRunInRegistry());
}

TEST_F(SettingsStoreTest, OlderVersionMarkerIsReplaced) {
  Put(kSettingsKey, "BinSettings", "00000000000");
  Put(kSettingsKey, "CurrentVer", "2.4");
  EXPECT_FALSE(CheckFirstRunInRegistry());
  EXPECT_TRUE(LoadSettingsFromRegistry(false, kDesk, kProgram).NewVersion);
  EXPECT_EQ(Value(kSettingsKey, "CurrentVer"), "2.5");
  EXPECT_FALSE(LoadSettingsFromRegistry(false, kDesk, kProgram).NewVersion);  // the next start
}

TEST_F(SettingsStoreTest, ValuesOfOtherTypesGetReplacements) {
  Put(kSettingsKey, "CurrentVer", "2.5");
  HKEY raw;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey + 1, 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
  RegKey key(raw);
  DWORD dw = 1;
  RegSetValueExA(raw, "BinSettings", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), sizeof dw);
  const BYTE bin[] = "0100010003000010";
  RegSetValueExA(raw, "LNumSettings", 0, REG_BINARY, bin, sizeof bin - 1);
  const std::string huge(1 << 20, '5');
  RegSetValueExA(raw, "SNumSettings", 0, REG_SZ, reinterpret_cast<const BYTE*>(huge.c_str()), DWORD(huge.size() + 1));
  RegSetValueExA(raw, "SelLang", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), sizeof dw);
  RegSetValueExA(raw, "WaveFileName", 0, REG_BINARY, bin, sizeof bin - 1);

  EXPECT_TRUE(CheckFirstRunInRegistry() == false);  // the value exists, whatever its type
  const ClockSettings s = LoadSettingsFromRegistry(false, kDesk, kProgram).Settings;
  EXPECT_EQ(EncodeFlags(s), "00000000000");
  EXPECT_EQ(s.WindowTop, 100);
  EXPECT_EQ(s.WindowLeft, 100);
  EXPECT_EQ(s.UpdateInterval, 100);
  EXPECT_EQ(s.AnnounceInterval, 60);
  EXPECT_EQ(s.AlarmSound, 1);
  EXPECT_EQ(s.SelectedLanguage, 0);
  EXPECT_EQ(s.WaveFile, "");
}

TEST_F(SettingsStoreTest, SaveWritesTheFiveValuesAndLoadReadsThemBack) {
  ClockSettings s;
  s.OnTop = s.Hour24 = s.GlobalShortcut = true;
  s.UpdateInterval = 500;
  s.AlarmRepeatInterval = 12;
  s.AnnounceInterval = 15;
  s.AlarmHour = 7;
  s.AlarmMinute = 30;
  s.SmallDisplay = 1;
  s.AlarmSound = 5;
  s.WaveFile = "C:\\sounds\\ring.wav";
  s.SelectedLanguage = 3;
  EXPECT_TRUE(SaveSettingsToRegistry(s, -8, 1200, kProgram));
  EXPECT_EQ(Value(kSettingsKey, "BinSettings"), "01100000001");
  EXPECT_EQ(Value(kSettingsKey, "LNumSettings"), "-008120005000012");
  EXPECT_EQ(Value(kSettingsKey, "SNumSettings"), "1507300105");
  EXPECT_EQ(Value(kSettingsKey, "WaveFileName"), "C:\\sounds\\ring.wav");
  EXPECT_EQ(Value(kSettingsKey, "SelLang"), "3");
  EXPECT_EQ(Value(kSettingsKey, "CurrentVer"), "<absent>");  // not the save's business

  const ClockSettings back = LoadSettingsFromRegistry(false, DesktopSize{1600, 900}, kProgram).Settings;
  EXPECT_EQ(back.WindowTop, 0);  // -8 loads as 0
  EXPECT_EQ(back.WindowLeft, 1200);
  EXPECT_EQ(EncodeSettings(back, -8, 1200).LNumSettings, "-008120005000012");
  EXPECT_EQ(back.WaveFile, s.WaveFile);
  EXPECT_EQ(back.SelectedLanguage, 3);

  // A folder the ANSI code page cannot spell ("C:\Users\Łukasz\Łódź") comes back whole.
  s.WaveFile = "C:\\Users\\\xC5\x81ukasz\\\xC5\x81\xC3\xB3" "d\xC5\xBA\\ring.wav";
  EXPECT_TRUE(SaveSettingsToRegistry(s, -8, 1200, kProgram));
  EXPECT_EQ(LoadSettingsFromRegistry(false, DesktopSize{1600, 900}, kProgram).Settings.WaveFile, s.WaveFile);
}

// The Run keys belong to the user: the test works in a stand-in for the
// user's registry below the program's own key, which the clean-up removes.
TEST_F(SettingsStoreTest, AutoStartEntry) {
  HKEY sandbox;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey + 1) + "\\Test user").c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &sandbox, nullptr), ERROR_SUCCESS);
  ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, sandbox), ERROR_SUCCESS);
  struct Restore {
    HKEY key;
    ~Restore() {
      RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
      RegCloseKey(key);
    }
  } restore{sandbox};
  Registry reg;
  ASSERT_FALSE(reg.KeyExists(kRunKey));  // neither Run key: the first is created
  ASSERT_FALSE(reg.KeyExists(kRunKeyNT));
  ClockSettings s;
  s.AutoStart = true;
  SaveSettingsToRegistry(s, 0, 0, kProgram);
  const std::string quoted = "\"" + kProgram + "\"";
  EXPECT_EQ(Value(kRunKey, kRunValue), quoted);
  EXPECT_EQ(Value(kRunKeyNT, kRunValue), "<absent>");

  // Only the second key present, with an older version's unquoted entry: it
  // is ours, and replaced.
  reg.DeleteKey(kRunKey);
  Put(kRunKeyNT, "Other", "x");
  Put(kRunKeyNT, kRunValue, kProgram);
  SaveSettingsToRegistry(s, 0, 0, kProgram);
  EXPECT_EQ(Value(kRunKeyNT, kRunValue), quoted);
  EXPECT_FALSE(reg.KeyExists(kRunKey));

  // Off removes it from both.
  Put(kRunKey, kRunValue, kProgram);
  s.AutoStart = false;
  SaveSettingsToRegistry(s, 0, 0, kProgram);
  EXPECT_EQ(Value(kRunKey, kRunValue), "<absent>");
  EXPECT_EQ(Value(kRunKeyNT, kRunValue), "<absent>");
  EXPECT_EQ(Value(kRunKeyNT, "Other"), "x");
  SaveSettingsToRegistry(s, 0, 0, kProgram);  // already absent: no harm
  EXPECT_EQ(Value(kRunKey, kRunValue), "<absent>");
}

// The installer leaves the choice of starting with Windows for the clock to
// take: it becomes the AutoStart switch and sets the Run value at once, and
// stays until a save has stored the switch (a clock ended before it saves
// keeps the choice).
TEST_F(SettingsStoreTest, InstallersAutoStartChoiceIsTakenUntilSaved) {
  Put(kSettingsKey, "BinSettings", "00000000000");
  Put(kSettingsKey, kSetAutoStartValue, "1");
  ClockSettings s = LoadSettingsFromRegistry(false, kDesk, kProgram).Settings;
  EXPECT_TRUE(s.AutoStart);
  EXPECT_EQ(Value(kRunKey, kRunValue), RunCommand(kProgram));
  EXPECT_TRUE(LoadSettingsFromRegistry(false, kDesk, kProgram).Settings.AutoStart);  // not saved yet: taken again
  ASSERT_TRUE(SaveSettingsToRegistry(s, 0, 0, kProgram));
  EXPECT_EQ(Value(kSettingsKey, kSetAutoStartValue), "<absent>");
  EXPECT_EQ(Value(kSettingsKey, "BinSettings").substr(5, 1), "1");

  Put(kSettingsKey, kSetAutoStartValue, "0");
  EXPECT_FALSE(LoadSettingsFromRegistry(false, kDesk, kProgram).Settings.AutoStart);
  EXPECT_EQ(Value(kRunKey, kRunValue), "<absent>");
}

}  // namespace
}  // namespace orlavox
