#include "settings/clock_settings.h"
#include "settings/more_options.h"

#include <gtest/gtest.h>

#include <random>

namespace orlavox {
namespace {

const DesktopSize kDesk{1024, 768};

LoadedSettings Load(std::string bin, std::string lnum, std::string snum, bool firstRun = false) {
  StoredSettings st;
  st.BinSettings = bin;
  st.LNumSettings = lnum;
  st.SNumSettings = snum;
  st.CurrentVer = std::string("2.5");
  return DecodeSettings(st, firstRun, kDesk);
}

TEST(FirstRun, DecidedByEitherEdition) {
  EXPECT_TRUE(DecideFirstRun(false, false));
  EXPECT_FALSE(DecideFirstRun(true, false));
  EXPECT_FALSE(DecideFirstRun(false, true));
}

TEST(DecodeSettings, FirstRunDefaults) {
  StoredSettings st;  // nothing stored at all
  const LoadedSettings r = DecodeSettings(st, true, kDesk);
  const ClockSettings& s = r.Settings;
  EXPECT_TRUE(s.Windowless);
  EXPECT_FALSE(s.StartInTray || s.OnTop || s.Hour24 || s.AnnounceOn || s.AlarmOn || s.AutoStart ||
               s.ShowInTaskbar || s.TransparentButtons || s.AlarmAnnounce || s.GlobalShortcut);
  EXPECT_EQ(s.WindowTop, 768 / 2 - 72);
  EXPECT_EQ(s.WindowLeft, 1024 / 2 - 170);
  EXPECT_EQ(s.UpdateInterval, 100);
  EXPECT_EQ(s.AlarmRepeatInterval, 0);
  EXPECT_EQ(s.AnnounceInterval, 60);
  EXPECT_EQ(s.AlarmHour, 0);
  EXPECT_EQ(s.AlarmMinute, 0);
  EXPECT_EQ(s.SmallDisplay, 0);
  EXPECT_EQ(s.AlarmSound, 0);
  EXPECT_EQ(s.WaveFile, "");
  EXPECT_EQ(s.SelectedLanguage, 0);
  EXPECT_FALSE(r.NewVersion);  // a first run is never an upgrade
  EXPECT_TRUE(r.WriteCurrentVer);
}

TEST(DecodeSettings, MissingSettingsNotFirstRunIsAnUpgrade) {
  StoredSettings st;
  const LoadedSettings r = DecodeSettings(st, false, kDesk);
  EXPECT_TRUE(r.NewVersion);
  EXPECT_TRUE(r.WriteCurrentVer);
  EXPECT_FALSE(r.Settings.Windowless);
  EXPECT_EQ(r.Settings.WindowTop, 0);
  EXPECT_EQ(r.Settings.WindowLeft, 0);
}

TEST(DecodeSettings, VersionMarker) {
  StoredSettings st;
  st.CurrentVer = std::string("2.4");
  EXPECT_TRUE(DecodeSettings(st, false, kDesk).NewVersion);
  st.CurrentVer = std::string("2.5");
  EXPECT_FALSE(DecodeSettings(st, false, kDesk).NewVersion);
  EXPECT_FALSE(DecodeSettings(st, false, kDesk).WriteCurrentVer);
  st.CurrentVer = std::string("2.5 ");  // exact comparison
  EXPECT_TRUE(DecodeSettings(st, false, kDesk).WriteCurrentVer);
}

TEST(DecodeSettings, FlagStrings) {
  ClockSettings s = Load("1", "", "").Settings;
  EXPECT_TRUE(s.StartInTray);
  EXPECT_EQ(EncodeFlags(s), "10000000000");

  s = Load("0101x1", "", "").Settings;
  EXPECT_TRUE(s.OnTop);
  EXPECT_TRUE(s.AnnounceOn);
  EXPECT_TRUE(s.AutoStart);
  EXPECT_FALSE(s.AlarmOn);  // the x counts as off
  EXPECT_EQ(EncodeFlags(s), "01010100000");

  // Characters after the eleventh are ignored.
  s = Load("000000000111111", "", "").Settings;
  EXPECT_TRUE(s.AlarmAnnounce);
  EXPECT_TRUE(s.GlobalShortcut);
  EXPECT_EQ(EncodeFlags(s), "00000000011");
}

TEST(DecodeSettings, LongNumberGroups) {
  ClockSettings s = Load("", "-005-020", "").Settings;
  EXPECT_EQ(s.WindowTop, 0);
  EXPECT_EQ(s.WindowLeft, 0);
  EXPECT_EQ(s.UpdateInterval, 100);
  EXPECT_EQ(s.AlarmRepeatInterval, 0);

  s = Load("", "abcd010003000010", "").Settings;
  EXPECT_EQ(s.WindowTop, 100);
  EXPECT_EQ(s.WindowLeft, 100);
  EXPECT_EQ(s.UpdateInterval, 300);
  EXPECT_EQ(s.AlarmRepeatInterval, 10);

  // A bad left group resets the top too.
  s = Load("", "0200x100", "").Settings;
  EXPECT_EQ(s.WindowTop, 100);
  EXPECT_EQ(s.WindowLeft, 100);
}

TEST(DecodeSettings, PositionAgainstDesktop) {
  EXPECT_EQ(Load("", "0768", "").Settings.WindowTop, 768);        // equal: kept
  EXPECT_EQ(Load("", "0769", "").Settings.WindowTop, 768 - 50);   // above: pulled in
  EXPECT_EQ(Load("", "00001024", "").Settings.WindowLeft, 1024);
  EXPECT_EQ(Load("", "00001025", "").Settings.WindowLeft, 1024 - 50);

  // Monitors left of and above a 1920 x 1080 primary: a window there keeps its place.
  StoredSettings st;
  st.LNumSettings = "-500-999";
  const ClockSettings s = DecodeSettings(st, false, DesktopSize{1920 + 1280, 1080 + 1024, -1280, -1024}).Settings;
  EXPECT_EQ(s.WindowTop, -500);
  EXPECT_EQ(s.WindowLeft, -999);
}

TEST(DecodeSettings, IntervalGroups) {
  EXPECT_EQ(Load("", "000000001000", "").Settings.UpdateInterval, 1000);
  EXPECT_EQ(Load("", "000000001001", "").Settings.UpdateInterval, 100);
  EXPECT_EQ(Load("", "000000000099", "").Settings.UpdateInterval, 100);
  EXPECT_EQ(Load("", "0000000001000999", "").Settings.AlarmRepeatInterval, 999);
  EXPECT_EQ(Load("", "000000000100-001", "").Settings.AlarmRepeatInterval, 0);
}

TEST(DecodeSettings, ShortNumberGroups) {
  ClockSettings s = Load("", "", "6124530001").Settings;
  EXPECT_EQ(s.AnnounceInterval, 60);
  EXPECT_EQ(s.AlarmHour, 0);
  EXPECT_EQ(s.AlarmMinute, 53);
  EXPECT_EQ(s.SmallDisplay, 0);
  EXPECT_EQ(s.AlarmSound, 1);

  s = Load("", "", "05").Settings;
  EXPECT_EQ(s.AnnounceInterval, 5);
  EXPECT_EQ(s.AlarmHour, 0);
  EXPECT_EQ(s.AlarmMinute, 0);
  EXPECT_EQ(s.SmallDisplay, 0);
  EXPECT_EQ(s.AlarmSound, 0);

  EXPECT_EQ(Load("", "", "150730-102").Settings.SmallDisplay, 0);  // -1 is the byte 255
  EXPECT_EQ(Load("", "", "1507300102").Settings.SmallDisplay, 1);
  EXPECT_EQ(Load("", "", "15073001x2").Settings.AlarmSound, 1);    // not a number: replaced
  EXPECT_EQ(Load("", "", "0000000006").Settings.AlarmSound, 1);
}

TEST(DecodeSettings, UnreadableValuesGetReplacements) {
  StoredSettings st;
  st.BinSettings = std::nullopt;
  st.LNumSettings = std::nullopt;
  st.SNumSettings = std::nullopt;
  st.WaveFileName = std::nullopt;
  st.SelLang = std::nullopt;
  st.CurrentVer = std::nullopt;
  const LoadedSettings r = DecodeSettings(st, false, kDesk);
  const ClockSettings& s = r.Settings;
  EXPECT_EQ(EncodeFlags(s), "00000000000");
  EXPECT_EQ(s.WindowTop, 100);
  EXPECT_EQ(s.WindowLeft, 100);
  EXPECT_EQ(s.UpdateInterval, 100);
  EXPECT_EQ(s.AlarmRepeatInterval, 0);
  EXPECT_EQ(s.AnnounceInterval, 60);
  EXPECT_EQ(s.AlarmSound, 1);
  EXPECT_EQ(s.WaveFile, "");
  EXPECT_EQ(s.SelectedLanguage, 0);
  EXPECT_TRUE(r.WriteCurrentVer);
}

TEST(DecodeSettings, SelLang) {
  StoredSettings st;
  st.SelLang = std::string("7");
  EXPECT_EQ(DecodeSettings(st, false, kDesk).Settings.SelectedLanguage, 7);
  st.SelLang = std::string("seven");
  EXPECT_EQ(DecodeSettings(st, false, kDesk).Settings.SelectedLanguage, 0);
  st.SelLang = std::string("99999999999");
  EXPECT_EQ(DecodeSettings(st, false, kDesk).Settings.SelectedLanguage, 0);
}

TEST(EncodeSettings, GroupsKeepTheirWidth) {
  EXPECT_EQ(EncodeLongGroup(100), "0100");
  EXPECT_EQ(EncodeLongGroup(-5), "-005");
  EXPECT_EQ(EncodeLongGroup(-50), "-050");
  EXPECT_EQ(EncodeLongGroup(-8), "-008");
  EXPECT_EQ(EncodeLongGroup(-32000), "-999");  // a minimised window's position
  EXPECT_EQ(EncodeLongGroup(12345), "9999");
  EXPECT_EQ(EncodeShortGroup(5), "05");
  EXPECT_EQ(EncodeShortGroup(-1), "-1");
  EXPECT_EQ(EncodeShortGroup(60), "60");

  ClockSettings s;
  s.UpdateInterval = 200;
  s.AlarmRepeatInterval = 5;
  s.AnnounceInterval = 15;
  s.AlarmHour = 7;
  s.AlarmMinute = 30;
  s.SmallDisplay = 1;
  s.AlarmSound = 2;
  const EncodedSettings e = EncodeSettings(s, 120, -8);
  EXPECT_EQ(e.LNumSettings, "0120-00802000005");
  EXPECT_EQ(e.SNumSettings, "1507300102");
  EXPECT_EQ(EncodeSettings(s, -40000, 70000).LNumSettings, "-999999902000005");
}

TEST(EncodeSettings, SaveAfterLoadReproducesTheStrings) {
  const char* cases[][3] = {
      {"10101010101", "0120010002000005", "1507300102"},
      {"01010101010", "0000000010000999", "6023590005"},
      {"11111111111", "0768102401000000", "0100000000"},
  };
  for (auto& c : cases) {
    const ClockSettings s = Load(c[0], c[1], c[2]).Settings;
    const EncodedSettings e = EncodeSettings(s, s.WindowTop, s.WindowLeft);
    EXPECT_EQ(e.BinSettings, c[0]);
    EXPECT_EQ(e.LNumSettings, c[1]);
    EXPECT_EQ(e.SNumSettings, c[2]);
  }
  // A window at top -8 is stored as -008 and loads back at 0.
  ClockSettings s;
  const EncodedSettings e = EncodeSettings(s, -8, 10);
  EXPECT_EQ(e.LNumSettings.substr(0, 4), "-008");
  EXPECT_EQ(Load("", e.LNumSettings, "").Settings.WindowTop, 0);
}

// Random and mutated strings: the decoder never fails and every field it
// produces is inside its range.
TEST(DecodeSettings, GeneratedInputsStayInRange) {
  std::mt19937 rng(12345);
  const std::string alphabet = "0123456789-+x \x01\xff";
  auto randomText = [&](size_t maxLen) {
    std::string t(rng() % (maxLen + 1), '0');
    for (char& c : t) c = alphabet[rng() % alphabet.size()];
    return t;
  };
  for (int run = 0; run < 20000; ++run) {
    StoredSettings st;
    st.BinSettings = randomText(14);
    st.LNumSettings = randomText(20);
    st.SNumSettings = randomText(12);
    st.SelLang = randomText(6);
    if (rng() % 10 == 0) st.LNumSettings = std::nullopt;
    const ClockSettings s = DecodeSettings(st, rng() % 2, kDesk).Settings;
    ASSERT_GE(s.WindowTop, 0);
    ASSERT_LE(s.WindowTop, kDesk.Height);
    ASSERT_GE(s.WindowLeft, 0);
    ASSERT_LE(s.WindowLeft, kDesk.Width);
    ASSERT_TRUE(s.UpdateInterval >= 100 && s.UpdateInterval <= 1000);
    ASSERT_TRUE(s.AlarmRepeatInterval >= 0 && s.AlarmRepeatInterval <= 999);
    ASSERT_TRUE(s.AnnounceInterval >= 1 && s.AnnounceInterval <= 60);
    ASSERT_TRUE(s.AlarmHour >= 0 && s.AlarmHour <= 23);
    ASSERT_TRUE(s.AlarmMinute >= 0 && s.AlarmMinute <= 59);
    ASSERT_LE(s.SmallDisplay, 1);
    ASSERT_TRUE(s.AlarmSound >= 0 && s.AlarmSound <= 5);
    const EncodedSettings e = EncodeSettings(s, s.WindowTop, s.WindowLeft);
    ASSERT_EQ(e.BinSettings.size(), 11u);
    ASSERT_EQ(e.LNumSettings.size(), 16u);
    ASSERT_EQ(e.SNumSettings.size(), 10u);
  }
}

TEST(ClockSettings, RegionalTimeFormatDecidesTheNewUsersHourFormat) {
  EXPECT_TRUE(TimeFormatIs24Hour("HH:mm:ss"));
  EXPECT_TRUE(TimeFormatIs24Hour("H.mm"));
  EXPECT_FALSE(TimeFormatIs24Hour("h:mm:ss tt"));
  EXPECT_FALSE(TimeFormatIs24Hour("'Hour' h:mm"));  // quoted text is not a field
  EXPECT_FALSE(TimeFormatIs24Hour(""));
}

TEST(MoreOptions, BadValuesReadAsDefaultsAndGoodOnesComeBack) {
  const MoreOptions d = DecodeMoreOptions(StoredMoreOptions{});  // nothing stored
  EXPECT_TRUE(!d.Quiet.On && d.HoldBackFullScreen && d.SnoozeMinutes == 5 && !d.WakeForAlarm);
  StoredMoreOptions bad{std::string("2400-0700"), std::string("yes"), std::string("61"), std::nullopt};
  const MoreOptions b = DecodeMoreOptions(bad);
  EXPECT_TRUE(!b.Quiet.On && b.HoldBackFullScreen && b.SnoozeMinutes == 5 && !b.WakeForAlarm);
  for (const char* text : {"2200-0760", "2200 0700", "ab00-0700", "2200-07000"}) {
    bad.QuietHours = std::string(text);
    EXPECT_FALSE(DecodeMoreOptions(bad).Quiet.On) << text;
  }
  for (const char* text : {"0", "+5", " 5", "5x"}) {
    bad.SnoozeMinutes = std::string(text);
    EXPECT_EQ(DecodeMoreOptions(bad).SnoozeMinutes, 5) << text;
  }
  const StoredMoreOptions good{std::string("2200-0705"), std::string("0"), std::string("60"), std::string("1")};
  const EncodedMoreOptions e = EncodeMoreOptions(DecodeMoreOptions(good));
  EXPECT_EQ(e.QuietHours + " " + e.HoldBackFullScreen + " " + e.SnoozeMinutes + " " + e.WakeForAlarm, "2200-0705 0 60 1");
}

TEST(MoreOptions, QuietFromTheFirstMinuteUpToTheSecond) {
  const QuietHours night{true, 22 * 60, 7 * 60}, noon{true, 12 * 60, 13 * 60};
  EXPECT_TRUE(InQuietHours(night, 22 * 60) && InQuietHours(night, 0) && InQuietHours(night, 7 * 60 - 1));
  EXPECT_FALSE(InQuietHours(night, 7 * 60) || InQuietHours(night, 22 * 60 - 1));
  EXPECT_TRUE(InQuietHours(noon, 12 * 60 + 59));
  EXPECT_FALSE(InQuietHours(noon, 13 * 60) || InQuietHours(QuietHours{true, 600, 600}, 600));
}

}  // namespace
}  // namespace orlavox
