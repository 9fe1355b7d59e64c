#pragma once
// "Alarms": every alarm of the clock in a list (on or off, time, days, name,
// sound), with New, Edit and Delete. The first row is the daily alarm of
// the settings: it may be edited and switched, not deleted. What the list
// holds when closed with OK is read with List().
#include <functional>
#include <string>
#include <vector>

#include "alarm/alarm_list.h"
#include "alarm/alarm_sound_player.h"
#include "alarm/alarms_form_rules.h"
#include "ui/dialog.h"

namespace orlavox {

struct AlarmsFormIds {
  ui::ListViewId AlarmList{"AlarmList"};
  ui::ButtonId NewButton{"NewButton"}, EditButton{"EditButton"}, DeleteButton{"DeleteButton"};
  ui::BitBtnId OkButton{"OkButton"}, CancelButton{"CancelButton"}, HelpButton{"HelpButton"};
};
inline constexpr AlarmsFormIds kAlarmsForm{};

class TAlarmsForm : public ui::Dialog {
 public:
  // `sounds` may be null (no preview of the built-in sounds in the editor then).
  TAlarmsForm(std::vector<AlarmEntry> alarms, bool hour24, const LocaleWeek& week, const AlarmSoundList* sounds);

  // The alarms, with their check boxes as they are now.
  const std::vector<AlarmEntry>& List() const { return alarms_; }

  // Asks before a delete; a Yes/No box unless replaced.
  std::function<bool(const std::string& question)> Confirm;
  // Edits an alarm (new or not); true when it was changed. The alarm editor
  // unless replaced.
  std::function<bool(AlarmEntry& alarm, bool isNew)> EditAlarm;

  void NewClick();
  void EditClick();
  void DeleteClick();

 protected:
  void FormCreate() override;

 private:
  void ReadChecks();
  void Refresh(int focus);
  void ListChange();

  std::vector<AlarmEntry> alarms_;
  bool hour24_;
  LocaleWeek week_;
  const AlarmSoundList* sounds_;
  bool filling_ = false;
};

}  // namespace orlavox
