#include "settings/clock_settings.h"

#include <algorithm>
#include <limits>

namespace orlavox {
namespace {

bool ClockSettings::*const kFlags[kFlagCount] = {
    &ClockSettings::StartInTray,   &ClockSettings::OnTop,
    &ClockSettings::Hour24,        &ClockSettings::AnnounceOn,
    &ClockSettings::AlarmOn,       &ClockSettings::AutoStart,
    &ClockSettings::Windowless,    &ClockSettings::ShowInTaskbar,
    &ClockSettings::TransparentButtons, &ClockSettings::AlarmAnnounce,
    &ClockSettings::GlobalShortcut,
};

// Group `index` (of width `width`) of a positional string padded with "0" to
// `total` characters. A value that could not be read gives no number at all.
std::optional<int32_t> Group(const StoredString& stored, size_t index, size_t width, size_t total) {
  if (!stored) return std::nullopt;
  std::string text = *stored;
  if (text.size() < total) text.append(total - text.size(), '0');
  return ParseDecimal(std::string_view(text).substr(index * width, width));
}

int32_t InRangeOr(std::optional<int32_t> v, int32_t lo, int32_t hi, int32_t replacement) {
  return (v && *v >= lo && *v <= hi) ? *v : replacement;
}

}  // namespace

std::optional<int32_t> ParseDecimal(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

bool TimeFormatIs24Hour(std::string_view format) {
  bool quoted = false;  // text in quotes is literal
  for (char c : format) {
    if (c == '\'') quoted = !quoted;
    else if (!quoted && c == 'H') return true;
    else if (!quoted && c == 'h') return false;
  }
  return false;
}

bool DecideFirstRun(bool settingsHaveBinSettings, bool oldEditionHasWindowTop) {
  return !settingsHaveBinSettings && !oldEditionHasWindowTop;
}

std::string EncodeFlags(const ClockSettings& s) {
  std::string text(kFlagCount, '0');
  for (int n = 0; n < kFlagCount; ++n)
    if (s.*kFlags[n]) text[n] = '1';
  return text;
}

void DecodeFlags(std::string_view text, ClockSettings& s) {
  for (int n = 0; n < kFlagCount; ++n)
    s.*kFlags[n] = size_t(n) < text.size() && text[n] == '1';
}

std::string EncodeLongGroup(int32_t value) {
  // Positions off the -999..9999 range would not fit the group's four
  // characters and would shift every group after it: clamp them.
  value = std::clamp<int32_t>(value, -999, 9999);
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (value < 0) return "-" + std::string(3 - digits.size(), '0') + digits;
  return std::string(4 - digits.size(), '0') + digits;
}

std::string EncodeShortGroup(int32_t value) {
  value = std::clamp<int32_t>(value, -9, 99);  // keeps the group two characters wide
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
  return text;
}

LoadedSettings DecodeSettings(const StoredSettings& stored, bool firstRun, DesktopSize desktop) {
  LoadedSettings result;
  ClockSettings& s = result.Settings;

  s.WaveFile = stored.WaveFileName.value_or(std::string());
  s.SelectedLanguage = stored.SelLang ? ParseDecimal(*stored.SelLang).value_or(0) : 0;

  if (!stored.CurrentVer || *stored.CurrentVer != kCurrentVersion) {
    result.NewVersion = !firstRun;
    result.WriteCurrentVer = true;
  }

  DecodeFlags(stored.BinSettings.value_or(std::string()), s);
  if (firstRun) s.Windowless = true;

  // "Below 0" and "greater than the desktop" are taken from the virtual
  // screen's own edges: a window on a monitor left of or above the primary
  // one stays there.
  const int32_t top0 = desktop.Top, left0 = desktop.Left;
  if (firstRun) {
    s.WindowTop = top0 + desktop.Height / 2 - 72;
    s.WindowLeft = left0 + desktop.Width / 2 - 170;
  } else {
    const auto top = Group(stored.LNumSettings, 0, 4, kLongLength);
    const auto left = Group(stored.LNumSettings, 1, 4, kLongLength);
    if (!top || !left) {
      s.WindowTop = 100;
      s.WindowLeft = 100;
    } else {
      const int32_t bottom = top0 + desktop.Height, right = left0 + desktop.Width;
      s.WindowTop = *top < top0 ? top0 : (*top > bottom ? bottom - 50 : *top);
      s.WindowLeft = *left < left0 ? left0 : (*left > right ? right - 50 : *left);
    }
  }
  s.UpdateInterval = InRangeOr(Group(stored.LNumSettings, 2, 4, kLongLength), 100, 1000, 100);
  s.AlarmRepeatInterval = InRangeOr(Group(stored.LNumSettings, 3, 4, kLongLength), 0, 999, 0);

  s.AnnounceInterval = InRangeOr(Group(stored.SNumSettings, 0, 2, kShortLength), 1, 60, 60);
  s.AlarmHour = InRangeOr(Group(stored.SNumSettings, 1, 2, kShortLength), 0, 23, 0);
  s.AlarmMinute = InRangeOr(Group(stored.SNumSettings, 2, 2, kShortLength), 0, 59, 0);
  // The display group is an unsigned byte: -1 is 255, which is above 1.
  const auto small = Group(stored.SNumSettings, 3, 2, kShortLength);
  const uint8_t smallByte = small ? static_cast<uint8_t>(*small) : 0;
  s.SmallDisplay = smallByte > 1 ? 0 : smallByte;
  s.AlarmSound = InRangeOr(Group(stored.SNumSettings, 4, 2, kShortLength), 0, 5, 1);
  return result;
}

EncodedSettings EncodeSettings(const ClockSettings& s, int32_t windowTop, int32_t windowLeft) {
  EncodedSettings e;
  e.BinSettings = EncodeFlags(s);
  e.LNumSettings = EncodeLongGroup(windowTop) + EncodeLongGroup(windowLeft) +
                   EncodeLongGroup(s.UpdateInterval) + EncodeLongGroup(s.AlarmRepeatInterval);
  e.SNumSettings = EncodeShortGroup(s.AnnounceInterval) + EncodeShortGroup(s.AlarmHour) +
                   EncodeShortGroup(s.AlarmMinute) + EncodeShortGroup(s.SmallDisplay) +
                   EncodeShortGroup(s.AlarmSound);
  e.WaveFileName = s.WaveFile;
  e.SelLang = std::to_string(s.SelectedLanguage);
  return e;
}

}  // namespace orlavox
