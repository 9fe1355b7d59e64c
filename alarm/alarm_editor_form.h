#pragma once
// The alarm editor of the "Alarms" dialog: one alarm of the list (new or
// edited) with its time, days, name and sound. What it holds when closed
// with OK is read with Entry().
#include <functional>
#include <string>

#include "alarm/alarm_list.h"
#include "alarm/alarm_sound_player.h"
#include "alarm/alarms_form_rules.h"
#include "alarm/time_entry.h"
#include "ui/dialog.h"

namespace orlavox {

// The help topic of the "Alarms" dialog and its editor.
inline constexpr unsigned kAlarmsHelpTopic = 40;

// The user's week: the short day names and the first day of the locale.
LocaleWeek UserLocaleWeek();

// The controls of the alarm editor that its code and tests address. The
// day boxes are in the locale's order: Day1 is its first day of the week.
struct AlarmEditorIds {
  ui::GroupBoxId AlarmBox{"AlarmBox"}, DaysBox{"DaysBox"}, SoundBox{"SoundBox"};
  ui::CheckId OnCheck{"OnCheck"};
  ui::EditId HourEdit{"HourEdit"};
  ui::UpDownId HourUpDown{"HourUpDown"};
  ui::EditId MinEdit{"MinEdit"};
  ui::UpDownId MinUpDown{"MinUpDown"};
  ui::RadioId AMRadio{"AMRadio"}, PMRadio{"PMRadio"};
  ui::EditId NameEdit{"NameEdit"};
  ui::CheckId Days[7]{ui::CheckId{"Day1"}, ui::CheckId{"Day2"}, ui::CheckId{"Day3"}, ui::CheckId{"Day4"},
                      ui::CheckId{"Day5"}, ui::CheckId{"Day6"}, ui::CheckId{"Day7"}};
  ui::CheckId OnceCheck{"OnceCheck"};
  ui::ComboId SoundCombo{"SoundCombo"};
  ui::BitBtnId PreviewButton{"PreviewButton"};
  ui::EditId IntervalEdit{"IntervalEdit"};
  ui::UpDownId IntervalUpDown{"IntervalUpDown"};
  ui::EditId WaveFileEdit{"WaveFileEdit"};
  ui::ButtonId BrButton{"BrButton"};
  ui::CheckId AnnounceCheck{"AnnounceCheck"};
  ui::BitBtnId OkButton{"OkButton"}, CancelButton{"CancelButton"}, HelpButton{"HelpButton"};
};
inline constexpr AlarmEditorIds kAlarmEditor{};

class TAlarmEditorForm : public ui::Dialog {
 public:
  // `sounds` may be null (no preview of the built-in sounds then).
  TAlarmEditorForm(const AlarmEntry& alarm, bool isNew, bool hour24, const LocaleWeek& week,
                   const AlarmSoundList* sounds);

  // The alarm as it was when OK was pressed.
  const AlarmEntry& Entry() const { return alarm_; }

  // Shows a refused text's message; a message box unless replaced.
  std::function<void(const char* text)> ShowError;

 protected:
  void FormCreate() override;
  void FormShow() override { time_.PadMinute(); }
  bool FormOkQuery() override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnceClick();
  void SoundComboChange();
  void BrowseClick();
  AlarmEditorValues ReadValues() const;

  AlarmEntry alarm_;
  bool hour24_;
  std::array<int, 7> order_;  // the weekday of each day box
  const AlarmSoundList* sounds_;
  TimeEntry time_;
  AlarmSoundPlayer player_{*this};
};

}  // namespace orlavox
