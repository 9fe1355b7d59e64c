// The main window's help, about and edition commands.
#include "app/main_form.h"
#include "shell/help_engine.h"
#include "shell/info_dialogs.h"

namespace orlavox {

void TMainForm::HelpButtonClick() { ShowHelp(kHelpDisplayTopic, 0); }

void TMainForm::About1Click() {
  TAboutForm about;
  about.ShowModal(hwnd_);
}

void TMainForm::Wantmorefeatures1Click() {
  TZentraInfoForm info(ProgramFolder);
  info.ShowModal(hwnd_);
}

}  // namespace orlavox
