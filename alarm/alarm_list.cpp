#include "alarm/alarm_list.h"

#include <algorithm>

namespace orlavox {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Length of the UTF-8 sequence starting at text[i]; 0 when it is not a valid one.
size_t Utf8Length(std::string_view text, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = b(i);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((b(i + k) & 0xC0) != 0x80) return 0;
  uint32_t cp = n == 1 ? c : c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) cp = cp << 6 | (b(i + k) & 0x3F);
  static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

// The text cut to its valid UTF-8 beginning of at most `chars` characters.
std::string Bounded(std::string_view text, size_t chars) {
  size_t i = 0;
  for (size_t count = 0; i < text.size() && count < chars; ++count) {
    const size_t n = Utf8Length(text, i);
    if (n == 0) break;
    i += n;
  }
  return std::string(text.substr(0, i));
}

bool ValidText(std::string_view text, size_t chars) { return Bounded(text, chars).size() == text.size(); }

// '%', '|' and control characters as %XX; everything else as it is.
std::string Escape(std::string_view text) {
  std::string out;
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '%' || c == '|' || c < 0x20 || c == 0x7F) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) return std::nullopt;
    if (c != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi << 4 | lo);
    i += 2;
  }
  return out;
}

std::string EncodeDays(const AlarmEntry& a) {
  if (a.Once) return "once";
  std::string text(7, '0');
  for (int d = 0; d < 7; ++d)
    if (a.Days & (1 << d)) text[d] = '1';
  return text;
}

bool DecodeDays(std::string_view text, AlarmEntry& a) {
  if (text == "once") {
    a.Once = true;
    a.Days = kEveryDay;
    return true;
  }
  if (text.size() != 7) return false;
  uint8_t days = 0;
  for (int d = 0; d < 7; ++d) {
    if (text[d] != '0' && text[d] != '1') return false;
    if (text[d] == '1') days |= uint8_t(1 << d);
  }
  a.Once = false;
  a.Days = days;
  return true;
}

// A decimal number of 1 to `digits` digits (no sign) within lo..hi.
std::optional<int32_t> Number(std::string_view text, size_t digits, int32_t lo, int32_t hi) {
  if (text.empty() || text.size() > digits) return std::nullopt;
  int32_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

std::vector<std::string_view> Split(std::string_view text, char by) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == by) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

}  // namespace

bool AlarmEntry::operator==(const AlarmEntry& o) const {
  return On == o.On && Hour == o.Hour && Minute == o.Minute && Once == o.Once && (Once || Days == o.Days) &&
         Name == o.Name && Sound == o.Sound && WaveFile == o.WaveFile && RepeatInterval == o.RepeatInterval &&
         Announce == o.Announce;
}

void TakeSettingsRecord(const ClockSettings& s, AlarmEntry& first) {
  first.On = s.AlarmOn;
  first.Hour = s.AlarmHour;
  first.Minute = s.AlarmMinute;
  first.Sound = s.AlarmSound;
  first.WaveFile = s.WaveFile;
  first.RepeatInterval = s.AlarmRepeatInterval;
  first.Announce = s.AlarmAnnounce;
}

AlarmEntry FirstAlarm(const ClockSettings& s, std::string_view storedDays) {
  AlarmEntry a;
  TakeSettingsRecord(s, a);
  const size_t bar = storedDays.find('|');
  AlarmEntry read;
  if (!DecodeDays(storedDays.substr(0, bar), read)) return a;
  if (bar != std::string_view::npos) {
    const std::optional<std::string> name = Unescape(storedDays.substr(bar + 1));
    if (!name || !ValidText(*name, kMaxAlarmNameChars)) return a;
    a.Name = *name;
  }
  a.Days = read.Days;
  a.Once = read.Once;
  return a;
}

void StoreFirstAlarm(const AlarmEntry& a, ClockSettings& s, std::string& storedDays) {
  s.AlarmOn = a.On;
  s.AlarmHour = a.Hour;
  s.AlarmMinute = a.Minute;
  s.AlarmSound = a.Sound;
  s.WaveFile = a.WaveFile;
  s.AlarmRepeatInterval = a.RepeatInterval;
  s.AlarmAnnounce = a.Announce;
  const std::string name = Bounded(a.Name, kMaxAlarmNameChars);
  storedDays.clear();
  if (a.Once || (a.Days & kEveryDay) != kEveryDay || !name.empty()) storedDays = EncodeDays(a);
  if (!name.empty()) storedDays += "|" + Escape(name);
}

std::string AlarmValueName(int index) { return "Alarm" + std::to_string(index + 1); }

// "1|on|HH:MM|days|sound|interval|announce|name|wave file": the version, the
// switches as 0 or 1, the days as in the days value, the name and the path
// with '%', '|' and control characters written as %XX.
std::string EncodeAlarm(const AlarmEntry& a) {
  char time[8];
  const int h = std::clamp<int32_t>(a.Hour, 0, 23), m = std::clamp<int32_t>(a.Minute, 0, 59);
  time[0] = char('0' + h / 10), time[1] = char('0' + h % 10), time[2] = ':';
  time[3] = char('0' + m / 10), time[4] = char('0' + m % 10), time[5] = 0;
  AlarmEntry days = a;
  days.Days &= kEveryDay;
  return std::string("1|") + (a.On ? "1" : "0") + "|" + time + "|" + EncodeDays(days) + "|" +
         std::to_string(std::clamp<int32_t>(a.Sound, 0, 5)) + "|" +
         std::to_string(std::clamp<int32_t>(a.RepeatInterval, 0, 999)) + "|" + (a.Announce ? "1" : "0") + "|" +
         Escape(Bounded(a.Name, kMaxAlarmNameChars)) + "|" + Escape(Bounded(a.WaveFile, kMaxAlarmWaveChars));
}

std::optional<AlarmEntry> DecodeAlarm(std::string_view text) {
  // Bounded: the longest name and path, each character escaped.
  if (text.size() > 64 + 3 * 4 * (kMaxAlarmNameChars + kMaxAlarmWaveChars)) return std::nullopt;
  const std::vector<std::string_view> f = Split(text, '|');
  if (f.size() != 9 || f[0] != "1") return std::nullopt;
  AlarmEntry a;
  const auto flag = [](std::string_view t, bool& out) {
    if (t != "0" && t != "1") return false;
    out = t == "1";
    return true;
  };
  if (!flag(f[1], a.On) || !flag(f[6], a.Announce)) return std::nullopt;
  if (f[2].size() != 5 || f[2][2] != ':') return std::nullopt;
  const auto hour = Number(f[2].substr(0, 2), 2, 0, 23), minute = Number(f[2].substr(3, 2), 2, 0, 59);
  const auto sound = Number(f[4], 1, 0, 5), interval = Number(f[5], 3, 0, 999);
  if (!hour || !minute || !sound || !interval || !DecodeDays(f[3], a)) return std::nullopt;
  a.Hour = *hour, a.Minute = *minute, a.Sound = *sound, a.RepeatInterval = *interval;
  std::optional<std::string> name = Unescape(f[7]), wave = Unescape(f[8]);
  if (!name || !wave || !ValidText(*name, kMaxAlarmNameChars) || !ValidText(*wave, kMaxAlarmWaveChars))
    return std::nullopt;
  a.Name = std::move(*name);
  a.WaveFile = std::move(*wave);
  return a;
}

bool AlarmValueReadable(const StoredAlarmValue& v) { return v.Present && v.Text && DecodeAlarm(*v.Text); }

std::vector<AlarmEntry> ReadFurtherAlarms(const std::vector<StoredAlarmValue>& values) {
  std::vector<AlarmEntry> list;
  for (const StoredAlarmValue& v : values) {
    if (list.size() + 1 >= size_t(kMaxAlarms)) break;
    if (!v.Present || !v.Text) continue;
    if (std::optional<AlarmEntry> a = DecodeAlarm(*v.Text)) list.push_back(std::move(*a));
  }
  return list;
}

std::vector<AlarmValueChange> PlanAlarmSave(const std::vector<StoredAlarmValue>& values,
                                            const std::vector<AlarmEntry>& further) {
  std::vector<AlarmValueChange> plan(values.size());
  size_t next = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    const StoredAlarmValue& v = values[i];
    if (v.Present && !AlarmValueReadable(v)) continue;  // not ours to change: kept
    if (next < further.size() && next + 1 < size_t(kMaxAlarms)) {
      std::string text = EncodeAlarm(further[next++]);
      if (!v.Present || *v.Text != text) plan[i] = {AlarmValueChange::Write, std::move(text)};
    } else if (v.Present) {
      plan[i].What = AlarmValueChange::Delete;
    }
  }
  return plan;
}

std::string RingingNames(const std::vector<AlarmEntry>& list, uint32_t ringing) {
  std::string names;
  for (size_t i = 0; i < list.size() && i < 32; ++i) {
    if (!(ringing >> i & 1) || list[i].Name.empty()) continue;
    if (!names.empty()) names += ", ";
    names += list[i].Name;
  }
  return names;
}

}  // namespace orlavox
