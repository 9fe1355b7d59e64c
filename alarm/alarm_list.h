#pragma once
// The clock's alarms: the first one is the daily alarm of the settings record
// (AlarmOn, AlarmHour, ... and the days value of its own); each further one
// is stored in a value of its own under the settings key in one text form.
// Which of them are due, their next ring and the next wake. No Win32 here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/clock_settings.h"

namespace orlavox {

// Days of the week as bits: bit d is weekday d, 0 = Sunday ... 6 = Saturday
// (SYSTEMTIME's wDayOfWeek).
inline constexpr uint8_t kEveryDay = 0x7F;
inline constexpr uint8_t kWeekdays = 0x3E;  // Monday to Friday
inline constexpr uint8_t kWeekend = 0x41;   // Saturday and Sunday
inline constexpr int kMaxAlarms = 20;       // the first alarm included
inline constexpr size_t kMaxAlarmNameChars = 60;

struct AlarmEntry {
  bool On = false;
  int32_t Hour = 0;               // 0..23
  int32_t Minute = 0;             // 0..59
  uint8_t Days = kEveryDay;       // ignored while Once
  bool Once = false;              // rings at the next Hour:Minute, then switches itself off
  std::string Name;               // UTF-8, at most kMaxAlarmNameChars characters; may be empty
  int32_t Sound = 0;              // 0..5, as AlarmSound
  std::string WaveFile;           // for the wave-file sound
  int32_t RepeatInterval = 0;     // s, as AlarmRepeatInterval
  bool Announce = false;          // announce the time before the sound

  bool operator==(const AlarmEntry& o) const;
};

inline constexpr size_t kMaxAlarmWaveChars = 1024;

// The first alarm, read from the settings record and its days value (the
// registry value kAlarmDaysValue; missing or unreadable reads as every day),
// and written back into them. The days value holds the days ("0111110":
// Sunday to Saturday) or "once", then, when the alarm has a name, "|" and
// the name as EncodeAlarm writes it. An alarm every day without a name
// stores "" there: the value is then deleted (never written).
inline constexpr const char* kAlarmDaysValue = "AlarmDays";
AlarmEntry FirstAlarm(const ClockSettings& s, std::string_view storedDays);
// The first alarm's fields that the settings record holds (the alarm dialog
// edits them there), copied into `first`; its days and name stay.
void TakeSettingsRecord(const ClockSettings& s, AlarmEntry& first);
void StoreFirstAlarm(const AlarmEntry& a, ClockSettings& s, std::string& storedDays);

// The values of the further alarms: "Alarm2" ... "Alarm99". A load reads all
// of them in order of their number and keeps the first alarms it can read; a
// value it cannot read is left as it is, so a save writes around it.
inline constexpr int kAlarmValueCount = 98;
std::string AlarmValueName(int index);  // index 1..kAlarmValueCount: "Alarm2" ...

// The text form of one further alarm (versioned, "1|..."); nullopt for a
// text that cannot be read (the value is then skipped and left as it is).
// EncodeAlarm brings fields out of range into it, so what it writes reads back.
std::string EncodeAlarm(const AlarmEntry& a);
std::optional<AlarmEntry> DecodeAlarm(std::string_view text);

// One "AlarmN" value as the store found it: absent, or present with its text
// (nullopt: not a string the store can read).
struct StoredAlarmValue {
  bool Present = false;
  std::optional<std::string> Text;
};
// Values[i] is AlarmValueName(i + 1).
bool AlarmValueReadable(const StoredAlarmValue& v);
// The further alarms the values hold, in order, at most kMaxAlarms - 1.
std::vector<AlarmEntry> ReadFurtherAlarms(const std::vector<StoredAlarmValue>& values);
// What a save does with each value to store `further` (the list without its
// first alarm): the alarms go in order into the values that hold no
// unreadable text; values no longer used are deleted, unreadable ones kept.
struct AlarmValueChange {
  enum Kind : uint8_t { Keep, Write, Delete } What = Keep;
  std::string Text;  // Write
};
std::vector<AlarmValueChange> PlanAlarmSave(const std::vector<StoredAlarmValue>& values,
                                            const std::vector<AlarmEntry>& further);

// The names of the alarms `ringing` picks (bit i: list[i]), joined for the alert; "" when none has one.
std::string RingingNames(const std::vector<AlarmEntry>& list, uint32_t ringing);

}  // namespace orlavox
