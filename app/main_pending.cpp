// Commands whose windows are not part of the program yet: the settings
// dialog. Its key and menu item are in place and do nothing until then.
#include "app/main_form.h"

namespace orlavox {

void TMainForm::SetupButtonClick() {}

}  // namespace orlavox
