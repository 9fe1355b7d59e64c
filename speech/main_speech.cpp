// Announcements: one at a time, on a worker thread, with the speech controls
// disabled while the voice speaks.
#include "app/main_form.h"
#include "speech/speak_thread.h"

namespace orlavox {

void TMainForm::StartAnnouncement() {
  if (SpeechBusy || !SpeakProc) return;
  DisableSpeech();
  SpeechBusy = true;
  ++Counters.Announcements;
  if (!TSpeakThread::Start(SpeakProc, hwnd_, kThreadDoneMessage)) ThreadDone();
}

void TMainForm::ThreadDone() {
  EnableSpeech();
  SpeechBusy = false;
}

void TMainForm::EnableSpeech() { SetSpeechControls(true); }
void TMainForm::DisableSpeech() { SetSpeechControls(false); }

bool TMainForm::SpeechControlsEnabled() const {
  const ui::PopupMenu::Item* item = MainPopupMenu.Find("MI_Speak");
  return item && item->Enabled;
}

void TMainForm::SetSpeechControls(bool enabled) {
  if (auto* item = MainPopupMenu.Find("MI_Speak")) item->Enabled = enabled;
  EnableWindow(AnnounceButton.Handle(), enabled);
  EnableWindow(LangSelButton.Handle(), enabled);
}

}  // namespace orlavox
