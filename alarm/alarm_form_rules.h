#pragma once
// What the alarm dialog decides, without Win32: how the stored alarm hour is
// shown in the 12-hour form, how the typed fields are checked and how the
// dialog's controls become settings again when it is closed with OK.
#include <optional>
#include <string>
#include <string_view>

#include "settings/clock_settings.h"
#include "settings/more_options.h"

namespace orlavox {

// A signed decimal number ("7", "-3", "+12"); nullopt for anything else,
// including "" and a sign alone.
std::optional<int> ParseSignedDecimal(std::string_view text);
// As the dialog reads its fields: the empty text counts as 0, anything else
// that is not a number gives nullopt.
std::optional<int> FieldValue(std::string_view text);

// The hour as the dialog shows it: the up-down's range, its position and,
// in the 12-hour form, which of AM and PM is checked.
struct HourEntry {
  int Min = 0, Max = 23;
  int Position = 0;
  bool Pm = false;
};
HourEntry HourEntryFor(int alarmHour, bool hour24);
// The stored hour (0..23) for the typed hour h: 12 AM is 0, 12 PM is 12.
int AlarmHourFromEntry(int h, bool hour24, bool pm);

// The checks run on every change of HourEdit, MinEdit and AnnEdit.
enum class TypingCheck { Accepted, NotNumeric, OutOfRange };
struct TypingRange {
  int Min, Max;
};
inline constexpr TypingRange kMinuteTyping{0, 59};
inline constexpr TypingRange kAnnounceTyping{0, 60};
inline TypingRange HourTyping(bool hour24) { return hour24 ? TypingRange{0, 23} : TypingRange{0, 12}; }
TypingCheck CheckTyped(std::string_view text, TypingRange range);
// The message for a refused text, shown in a plain box with the caption
// "Error" (in the windows' language, as the message); "" when accepted.
const char* TypingMessage(TypingCheck check);

// The minute after the focus leaves it: one character gets a leading "0".
std::string PadMinute(const std::string& text);

// The sound whose wave file may be edited and browsed for.
inline bool WaveFileControlsEnabled(int soundIndex) { return soundIndex == 5; }

// What the dialog holds when it is closed with OK.
struct AlarmFormValues {
  bool AlarmOn = false, AnnounceOn = false, AlarmAnnounce = false;
  bool Pm = false;
  bool Hour24 = true;  // the hour format the dialog opened with: the typed hour counts in it
  int SoundIndex = 0;
  std::string Hour, Minute, AnnounceInterval, RepeatInterval, WaveFile;
};
// Writes the accepted values into `s`; fields whose text is out of its range
// keep their values. Hour24 is neither read nor written: the hour is read in
// the format the dialog showed, whatever the clock's format is by now.
void ApplyAlarmForm(const AlarmFormValues& v, ClockSettings& s);

// What the "More options" dialog holds when it is closed with OK: the quiet
// hours' two times as typed (hour, minute, PM), the snooze minutes as typed.
struct MoreOptionsFormValues {
  bool QuietOn = false, HoldBackFullScreen = false, WakeForAlarm = false;
  std::string FromHour, FromMinute, ToHour, ToMinute, SnoozeMinutes;
  bool FromPm = false, ToPm = false;
  int WindowLanguage = 0;  // the language of the windows: LanguageChoiceIndex (resources/lang_text.h)
};
inline constexpr TypingRange kSnoozeTyping{0, 60};
// Writes the accepted values into `o`: a minute or a snooze time out of its
// range keeps the value it had. Hours are read as the alarm's hour is.
void ApplyMoreOptionsForm(const MoreOptionsFormValues& v, bool hour24, MoreOptions& o);

}  // namespace orlavox
