#pragma once
// "More options": quiet hours and the full-screen hold-back of the periodic
// announcement, the snooze time of the alarm alert and waking the computer
// for the alarm. Filled from the options when it opens; what it holds when
// closed with OK is read with Values() and applied by the main window.
#include <functional>

#include "alarm/alarm_form_rules.h"
#include "alarm/time_entry.h"
#include "settings/more_options.h"
#include "ui/dialog.h"

namespace orlavox {

// One of the two times of the quiet hours, in a group box of its own so that
// each has its own AM and PM.
struct QuietTimeIds {
  ui::GroupBoxId Box;
  TimeEntryIds Time;
};

// The controls of "More options" that its code and tests address; its table
// is built from them.
struct MoreOptionsIds {
  ui::CheckId QuietCheck{"QuietCheck"};
  QuietTimeIds From{ui::GroupBoxId{"FromBox"},
                    {ui::EditId{"FromHourEdit"}, ui::UpDownId{"FromHourUpDown"}, ui::EditId{"FromMinEdit"},
                     ui::UpDownId{"FromMinUpDown"}, ui::RadioId{"FromAMRadio"}, ui::RadioId{"FromPMRadio"}}};
  QuietTimeIds To{ui::GroupBoxId{"ToBox"},
                  {ui::EditId{"ToHourEdit"}, ui::UpDownId{"ToHourUpDown"}, ui::EditId{"ToMinEdit"},
                   ui::UpDownId{"ToMinUpDown"}, ui::RadioId{"ToAMRadio"}, ui::RadioId{"ToPMRadio"}}};
  ui::CheckId FullScreenCheck{"FullScreenCheck"};
  ui::GroupBoxId AlarmBox{"AlarmBox"};
  ui::EditId SnoozeEdit{"SnoozeEdit"};
  ui::UpDownId SnoozeUpDown{"SnoozeUpDown"};
  ui::CheckId WakeCheck{"WakeCheck"};
  ui::ComboId LanguageCombo{"LanguageCombo"};  // Automatic, then each language in its own name
  ui::LabelId WakeReason{"WakeReason"};  // only on a computer that sleeps in modern standby
  ui::BitBtnId BitBtn1{"BitBtn1"}, HelpButton{"HelpButton"}, BitBtn2{"BitBtn2"};
};
inline constexpr MoreOptionsIds kMoreOptionsForm{};

class TMoreOptionsForm : public ui::Dialog {
 public:
  // hour24: the times are typed in the form the clock shows. modernStandby:
  // the computer sleeps in modern standby, where no wake timer wakes it; the
  // wake check is then shown off and disabled, with the reason below it, and
  // the stored choice is kept as it is.
  TMoreOptionsForm(const MoreOptions& options, bool hour24, bool modernStandby = false);

  const MoreOptionsFormValues& Values() const { return values_; }

  // Shows a refused text's message; the plain error box unless replaced.
  std::function<void(const char* text)> ShowError;
  // The language of the windows the list shows when the dialog opens (LanguageChoiceIndex).
  int WindowLanguageChoice = 0;

  void QuietCheckClick();

 protected:
  void FormCreate() override;
  void FormShow() override;

 private:
  MoreOptionsFormValues ReadValues() const;

  MoreOptions options_;
  bool modernStandby_;
  TimeEntry from_, to_;
  MoreOptionsFormValues values_;
};

}  // namespace orlavox
