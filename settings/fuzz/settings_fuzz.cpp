// libFuzzer target: any stored strings decode into a record whose every field
// is in range, and encode back into strings of the fixed widths.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/clock_settings.h"

using namespace orlavox;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // First byte: first run and which values are unreadable; the rest: the
  // strings, separated by 0xFF.
  const uint8_t mode = data[0];
  std::string parts[6];
  size_t n = 0;
  for (size_t i = 1; i < size; ++i) {
    if (data[i] == 0xFF && n < 5) ++n;
    else parts[n] += char(data[i]);
  }
  StoredSettings st;
  StoredString* fields[6] = {&st.BinSettings, &st.LNumSettings, &st.SNumSettings,
                             &st.WaveFileName, &st.SelLang, &st.CurrentVer};
  for (int i = 0; i < 6; ++i) *fields[i] = (mode >> (i + 1)) & 1 ? StoredString() : StoredString(parts[i]);
  const DesktopSize desk{640 + (mode & 1) * 1280, 480 + (mode & 1) * 600};
  const LoadedSettings r = DecodeSettings(st, mode & 1, desk);
  const ClockSettings& s = r.Settings;
  Check(s.WindowTop >= 0 && s.WindowTop <= desk.Height);
  Check(s.WindowLeft >= 0 && s.WindowLeft <= desk.Width);
  Check(s.UpdateInterval >= 100 && s.UpdateInterval <= 1000);
  Check(s.AlarmRepeatInterval >= 0 && s.AlarmRepeatInterval <= 999);
  Check(s.AnnounceInterval >= 1 && s.AnnounceInterval <= 60);
  Check(s.AlarmHour >= 0 && s.AlarmHour <= 23);
  Check(s.AlarmMinute >= 0 && s.AlarmMinute <= 59);
  Check(s.SmallDisplay <= 1);
  Check(s.AlarmSound >= 0 && s.AlarmSound <= 5);
  Check(!(r.NewVersion && (mode & 1)));
  const EncodedSettings e = EncodeSettings(s, s.WindowTop, s.WindowLeft);
  Check(e.BinSettings.size() == 11 && e.LNumSettings.size() == 16 && e.SNumSettings.size() == 10);
  // What was saved loads back to the same record.
  StoredSettings again;
  again.BinSettings = e.BinSettings;
  again.LNumSettings = e.LNumSettings;
  again.SNumSettings = e.SNumSettings;
  again.WaveFileName = e.WaveFileName;
  again.SelLang = e.SelLang;
  again.CurrentVer = std::string(kCurrentVersion);
  const ClockSettings b = DecodeSettings(again, false, desk).Settings;
  Check(EncodeSettings(b, b.WindowTop, b.WindowLeft).LNumSettings == e.LNumSettings);
  Check(EncodeFlags(b) == e.BinSettings);
  Check(b.SelectedLanguage == s.SelectedLanguage && b.WaveFile == s.WaveFile);
  return 0;
}
