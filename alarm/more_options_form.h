#pragma once
// "More options": quiet hours and the full-screen hold-back of the periodic
// announcement, the snooze time of the alarm alert and waking the computer
// for the alarm. Filled from the options when it opens; what it holds when
// closed with OK is read with Values() and applied by the main window.
#include <functional>

#include "alarm/alarm_form_rules.h"
#include "settings/more_options.h"
#include "ui/dialog.h"

namespace orlavox {

class TMoreOptionsForm : public ui::Dialog {
 public:
  // hour24: the times are typed in the form the clock shows.
  TMoreOptionsForm(const MoreOptions& options, bool hour24);

  const MoreOptionsFormValues& Values() const { return values_; }

  // Shows a refused text's message; a message box unless replaced.
  std::function<void(const char* text)> ShowError;

  void QuietCheckClick();

 protected:
  void FormCreate() override;
  void FormShow() override;

 private:
  void CheckField(const char* name, TypingRange range);
  void PadMinuteField(const char* name);
  void ShowTime(const char* box, int minuteOfDay);
  MoreOptionsFormValues ReadValues() const;

  MoreOptions options_;
  bool hour24_;
  MoreOptionsFormValues values_;
};

}  // namespace orlavox
