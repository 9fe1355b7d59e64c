// Drawing the clock face (the image store arrives with the artwork).
#include "app/main_form.h"

namespace orlavox {

void TMainForm::UpdateHours() {}
void TMainForm::UpdateMinutes() {}
void TMainForm::UpdateSeconds() {}
void TMainForm::UpdateDate() {}
void TMainForm::UpdateMiniTime() {}
void TMainForm::DrawBlinkColon(bool) {}
void TMainForm::UpdateTrayIcon() {}

}  // namespace orlavox
