#pragma once
// The typed fields of the alarm dialog and of "More options", served alike:
// a refused text is reported in the one plain error box and emptied, a
// minute gets its leading zero, and a time of day is shown and read in the
// clock's 12- or 24-hour form. The decisions are the core's
// (alarm_form_rules.h); this is the glue to the dialog's controls.
#include <functional>
#include <string>

#include "alarm/alarm_form_rules.h"
#include "ui/dialog.h"

namespace orlavox {

// Shows a refused text's message.
using TypingErrorBox = std::function<void(const char* text)>;
// The plain box of a refused text: caption "Error", OK only, no icon.
void ShowTypingError(HWND owner, const char* text);

// After a change of `edit`: a text out of `range`, or no number, is reported
// through `showError` and the edit emptied.
void CheckTypedField(ui::Dialog& dialog, ui::EditId edit, TypingRange range, const TypingErrorBox& showError);
// A one-character minute gets its leading zero.
void PadMinuteField(ui::Dialog& dialog, ui::EditId minute);

// A time of day: an hour edit and a minute edit, each with its up-down, and
// AM and PM, shown only in the 12-hour form.
struct TimeEntryIds {
  ui::EditId Hour;
  ui::UpDownId HourUpDown;
  ui::EditId Minute;
  ui::UpDownId MinuteUpDown;
  ui::RadioId Am, Pm;
};

// The time as typed, read when the dialog closes with OK.
struct TypedTime {
  std::string Hour, Minute;
  bool Pm = false;
};

class TimeEntry {
 public:
  // Binds the checks of both edits and the minute's padding (when the focus
  // leaves it and after its arrows). `showError` is the dialog's own and
  // may be replaced after this.
  TimeEntry(ui::Dialog& dialog, TimeEntryIds ids, bool hour24, const TypingErrorBox& showError);

  // The hour's range and position, AM or PM, and the minute.
  void Show(int hour, int minute);
  // The edits and the radios follow the dialog's check; the arrows stay enabled.
  void SetEnabled(bool on);
  void PadMinute() { PadMinuteField(dialog_, ids_.Minute); }
  TypedTime Read() const;

 private:
  ui::Dialog& dialog_;
  TimeEntryIds ids_;
  bool hour24_;
};

}  // namespace orlavox
