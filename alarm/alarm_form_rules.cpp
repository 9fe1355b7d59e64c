#include "alarm/alarm_form_rules.h"

#include "resources/lang_text.h"

namespace orlavox {

std::optional<int> ParseSignedDecimal(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size() || text.size() - i > 9) return std::nullopt;  // no digits, or too long for an int
  int value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

std::optional<int> FieldValue(std::string_view text) {
  if (text.empty()) return 0;
  return ParseSignedDecimal(text);
}

HourEntry HourEntryFor(int alarmHour, bool hour24) {
  if (hour24) return {0, 23, alarmHour, false};
  HourEntry e{1, 12, alarmHour, alarmHour >= 12};
  if (alarmHour == 0 || alarmHour == 12)
    e.Position = 12;
  else if (alarmHour > 12)
    e.Position = alarmHour - 12;
  return e;
}

int AlarmHourFromEntry(int h, bool hour24, bool pm) {
  if (hour24) return h;
  if (pm) return h == 12 ? 12 : h + 12;
  return h == 12 ? 0 : h;
}

TypingCheck CheckTyped(std::string_view text, TypingRange range) {
  const std::optional<int> v = FieldValue(text);
  if (!v) return TypingCheck::NotNumeric;
  if (*v < range.Min || *v > range.Max) return TypingCheck::OutOfRange;
  return TypingCheck::Accepted;
}

const char* TypingMessage(TypingCheck check) {
  switch (check) {
    case TypingCheck::NotNumeric: return Tr(Str::msg_notNumeric).c_str();
    case TypingCheck::OutOfRange: return Tr(Str::msg_outOfRange).c_str();
    case TypingCheck::Accepted: break;
  }
  return "";
}

std::string PadMinute(const std::string& text) { return text.size() == 1 ? "0" + text : text; }

void ApplyAlarmForm(const AlarmFormValues& v, ClockSettings& s) {
  s.WaveFile = v.WaveFile;
  s.AlarmOn = v.AlarmOn;
  s.AnnounceOn = v.AnnounceOn;
  s.AlarmAnnounce = v.AlarmAnnounce;
  s.AlarmSound = v.SoundIndex;
  auto inRange = [](const std::string& text, int min, int max) {
    const std::optional<int> n = FieldValue(text);
    return n && *n >= min && *n <= max ? n : std::nullopt;
  };
  if (auto n = inRange(v.AnnounceInterval, 1, 60)) s.AnnounceInterval = *n;
  // The typing checks leave only numbers in the hour; anything else counts as 0.
  s.AlarmHour = AlarmHourFromEntry(FieldValue(v.Hour).value_or(0), v.Hour24, v.Pm);
  if (auto n = inRange(v.Minute, 0, 59)) s.AlarmMinute = *n;
  if (auto n = inRange(v.RepeatInterval, 0, 60)) s.AlarmRepeatInterval = *n;
}

void ApplyMoreOptionsForm(const MoreOptionsFormValues& v, bool hour24, MoreOptions& o) {
  auto time = [hour24](const std::string& hour, const std::string& minute, bool pm, int before) {
    const int h = AlarmHourFromEntry(FieldValue(hour).value_or(0), hour24, pm) % 24;
    const std::optional<int> m = FieldValue(minute);
    return h * 60 + (m && *m >= 0 && *m <= 59 ? *m : before % 60);
  };
  o.Quiet.On = v.QuietOn;
  o.Quiet.From = time(v.FromHour, v.FromMinute, v.FromPm, o.Quiet.From);
  o.Quiet.To = time(v.ToHour, v.ToMinute, v.ToPm, o.Quiet.To);
  o.HoldBackFullScreen = v.HoldBackFullScreen;
  o.WakeForAlarm = v.WakeForAlarm;
  const std::optional<int> snooze = FieldValue(v.SnoozeMinutes);
  if (snooze && *snooze >= kMinSnoozeMinutes && *snooze <= kMaxSnoozeMinutes) o.SnoozeMinutes = *snooze;
}

}  // namespace orlavox
