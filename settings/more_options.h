#pragma once
// The options of the "More options" dialog: quiet hours for the periodic
// announcement, holding it back over full-screen programs, the snooze time
// and waking the computer for the alarm. Each is a string value of its own in
// the settings key, beside (and independent of) the positional strings of
// clock_settings.h. No Win32 here.
#include <string>

#include "settings/clock_settings.h"

namespace orlavox {

// Minutes of the day from From up to, not including, To; may wrap midnight.
struct QuietHours {
  bool On = false;
  int From = 22 * 60;  // shown in the dialog also while off
  int To = 7 * 60;
};

struct MoreOptions {
  QuietHours Quiet;
  bool HoldBackFullScreen = true;
  int SnoozeMinutes = 5;  // 1..60
  bool WakeForAlarm = false;
};

inline constexpr const char* kQuietHoursValue = "QuietHours";
inline constexpr const char* kHoldBackFullScreenValue = "HoldBackFullScreen";
inline constexpr const char* kSnoozeMinutesValue = "SnoozeMinutes";
inline constexpr const char* kWakeForAlarmValue = "WakeForAlarm";
inline constexpr int kMinSnoozeMinutes = 1, kMaxSnoozeMinutes = 60;

// The four values as read (a missing value reads as ""; nullopt: not a string).
struct StoredMoreOptions {
  StoredString QuietHours = std::string();
  StoredString HoldBackFullScreen = std::string();
  StoredString SnoozeMinutes = std::string();
  StoredString WakeForAlarm = std::string();
};
// Every bad or missing value reads as its default.
MoreOptions DecodeMoreOptions(const StoredMoreOptions& stored);

struct EncodedMoreOptions {
  std::string QuietHours, HoldBackFullScreen, SnoozeMinutes, WakeForAlarm;
};
EncodedMoreOptions EncodeMoreOptions(const MoreOptions& o);

// Whether minute `minuteOfDay` (0..1439) lies in the quiet hours.
bool InQuietHours(const QuietHours& q, int minuteOfDay);

}  // namespace orlavox
