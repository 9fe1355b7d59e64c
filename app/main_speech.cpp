// Announcements: one at a time, on a worker thread, with the speech controls
// disabled while the voice speaks.
#include "app/main_form.h"
#include "speech/sound_output.h"
#include "speech/speak_thread.h"

namespace orlavox {

bool TMainForm::StartAnnouncement() {
  if (!MayStartSpeech()) return false;
  ++Counters.Announcements;
  return StartSpeakThread();
}

void TMainForm::PrepareSound() {
  // Once, as soon as a voice can speak: its first phrase is then heard as
  // quickly as every later one.
  if (soundPrepared_ || !SpeakProc) return;
  soundPrepared_ = true;
  PrepareSoundOutput();
}

bool TMainForm::MayStartSpeech() const {
  // Once a close is accepted nothing speaks again: the voice is about to go.
  return !closed_ && !SpeechBusy && SpeakProc;
}

bool TMainForm::StartSpeakThread() {
  DisableSpeech();
  SpeechBusy = true;
  speechThread_ = TSpeakThread::Start(SpeakProc, hwnd_, kThreadDoneMessage);
  if (speechThread_) return true;
  ThreadDone();
  return false;
}

void TMainForm::ThreadDone() {
  if (speechThread_) CloseHandle(speechThread_);
  speechThread_ = nullptr;
  EnableSpeech();
  SpeechBusy = false;
}

void TMainForm::CheckSpeechThread() {
  // The worker sends its completion before it ends, so a thread that has
  // ended while speech is still busy was ended by the voice itself.
  if (SpeechBusy && speechThread_ && WaitForSingleObject(speechThread_, 0) == WAIT_OBJECT_0) ThreadDone();
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
