// Commands whose windows are not part of the program yet: the alarm alert
// and the alarm dialog. Their keys and menu items are in place and do nothing
// until then.
#include "app/main_form.h"

namespace orlavox {

void TMainForm::Alarm() {}
void TMainForm::AlarmButtonClick() {}

}  // namespace orlavox
