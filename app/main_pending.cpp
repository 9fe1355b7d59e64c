// Commands whose windows are not part of the program yet: the alarm alert,
// the alarm and settings dialogs and the help viewer. Their keys and menu
// items are in place and do nothing until then.
#include "app/main_form.h"

namespace orlavox {

void TMainForm::Alarm() {}
void TMainForm::AlarmButtonClick() {}
void TMainForm::SetupButtonClick() {}

}  // namespace orlavox
