#pragma once
// "Alarm settings": the alarm (on or off, time, sound, repeat interval,
// announcement before the sound) and the periodic announcement. Filled from
// the settings when it opens; what it holds when closed with OK is read
// with Values() and written back by the main window.
#include <functional>
#include <string>

#include "alarm/alarm_form_rules.h"
#include "alarm/alarm_sound_player.h"
#include "settings/clock_settings.h"
#include "ui/dialog.h"

namespace orlavox {

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
  void HourEditChange() { CheckField("HourEdit", HourTyping(settings_.Hour24)); }
  void MinEditChange() { CheckField("MinEdit", kMinuteTyping); }
  void AnnEditChange() { CheckField("AnnEdit", kAnnounceTyping); }
  void MinEditExit() { PadMinuteField(); }
  void MinUpDownClick() { PadMinuteField(); }
  void AlarmSoundComboChange();
  void BrButtonClick();
  void PreviewButtonClick();
  void HelpButtonClick();

 protected:
  void FormCreate() override;
  void FormShow() override { PadMinuteField(); }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CheckField(const char* name, TypingRange range);
  void PadMinuteField();
  AlarmFormValues ReadValues() const;

  ClockSettings settings_;
  const AlarmSoundList* sounds_;
  AlarmFormValues values_;
  // The preview's sound: a wave file read for it is freed at the next
  // preview or when the dialog closes.
  AlarmSoundPlayer player_{*this};
};

}  // namespace orlavox
