#pragma once
// "Alarm settings": the alarm (on or off, time, sound, repeat interval,
// announcement before the sound) and the periodic announcement. Filled from
// the settings when it opens; what it holds when closed with OK is read
// with Values() and written back by the main window.
#include <functional>
#include <optional>
#include <string>

#include "alarm/alarm_form_rules.h"
#include "alarm/alarm_sound_player.h"
#include "alarm/time_entry.h"
#include "settings/clock_settings.h"
#include "ui/dialog.h"

namespace orlavox {

// The file-open dialog for a wave file, starting at `preset` (UTF-8); the
// file chosen, or nullopt when the user cancelled.
std::optional<std::string> BrowseForWaveFile(HWND owner, const std::string& preset);

// The controls of the alarm dialog that its code and tests address; its
// table is built from them.
struct AlarmFormIds {
  ui::GroupBoxId GroupBox1{"GroupBox1"}, GroupBox2{"GroupBox2"}, GroupBox3{"GroupBox3"};
  ui::CheckId AlarmCheck{"AlarmCheck"};
  ui::EditId HourEdit{"HourEdit"};
  ui::UpDownId HourUpDown{"HourUpDown"};
  ui::EditId MinEdit{"MinEdit"};
  ui::UpDownId MinUpDown{"MinUpDown"};
  ui::RadioId AMRadio{"AMRadio"}, PMRadio{"PMRadio"};
  ui::CheckId AnnCheck{"AnnCheck"};
  ui::EditId AnnEdit{"AnnEdit"};
  ui::UpDownId AnnUpDown{"AnnUpDown"};
  ui::BitBtnId BitBtn1{"BitBtn1"}, BitBtn2{"BitBtn2"};
  ui::ComboId AlarmSoundCombo{"AlarmSoundCombo"};
  ui::BitBtnId PreviewButton{"PreviewButton"};
  ui::EditId AlarmIntEdit{"AlarmIntEdit"};
  ui::UpDownId AlmIntUpDown{"AlmIntUpDown"};
  ui::EditId WaveFileEdit{"WaveFileEdit"};
  ui::ButtonId BrButton{"BrButton"};
  ui::CheckId AlarmAnnCheck{"AlarmAnnCheck"};
  ui::BitBtnId HelpButton{"HelpButton"};
};
inline constexpr AlarmFormIds kAlarmForm{};

class TAlarmForm : public ui::Dialog {
 public:
  // `sounds` may be null (no preview of the built-in sounds then).
  TAlarmForm(const ClockSettings& settings, const AlarmSoundList* sounds);

  // The controls' values as they were when OK was pressed.
  const AlarmFormValues& Values() const { return values_; }

  // Shows a refused text's message; a message box unless replaced.
  std::function<void(const char* text)> ShowError;

  void AlarmCheckClick();
  void AnnCheckClick();
  void AlarmSoundComboChange();
  void BrButtonClick();
  void PreviewButtonClick();
  void HelpButtonClick();

 protected:
  void FormCreate() override;
  void FormShow() override { time_.PadMinute(); }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  AlarmFormValues ReadValues() const;

  ClockSettings settings_;
  const AlarmSoundList* sounds_;
  TimeEntry time_;  // HourEdit, MinEdit, AM and PM
  AlarmFormValues values_;
  // The preview's sound: a wave file read for it is freed at the next
  // preview or when the dialog closes.
  AlarmSoundPlayer player_{*this};
};

}  // namespace orlavox
