#include "alarm/alarm_alert.h"

#include "alarm/alarm_sound_player.h"
#include "resources/lang_text.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr UINT_PTR kAlarmTimerId = 1;
constexpr UINT_PTR kVoiceWaitTimerId = 2;
constexpr UINT kVoiceWaitPollMs = 50;
constexpr UINT_PTR kStartTimerId = 3;
// When the alert has not become the active window by then, it starts all the same.
constexpr UINT kStartWaitMs = 1000;

void Flash(HWND window, DWORD flags) {
  FLASHWINFO f{sizeof f, window, flags, 0, 0};
  FlashWindowEx(&f);
}

// The controls the alert's code addresses; the table is built from them.
constexpr struct {
  PanelId Panel1{"Panel1"};
  BitBtnId BitBtn1{"BitBtn1"};
  ButtonId SnoozeButton{"SnoozeButton"};
} c{};

std::vector<ControlRow> AlertTable(const std::string& firstLine, const std::string& names) {
  // The names of the alarms ringing, when they have any, between the two lines.
  const int shift = names.empty() ? 0 : 10;
  std::vector<ControlRow> rows{
      Panel(c.Panel1, kOnForm, kNoTab, {8, 8, 201, 65}).Ground(RGB(255, 255, 0)),
      Label("Label1", c.Panel1, {4, 16 - shift, 189, 17}, firstLine).Centred(),
      Label("Label2", c.Panel1, {8, 36 + shift, 185, 17}, Tr(Str::alert_Label2)).Centred(),
      BitBtn(c.BitBtn1, kOnForm, 0, {72, 91, 75, 25}, ButtonRole::Ok, Tr(Str::alert_BitBtn1)),
      // Beside OK; the panel and OK stay where they always were.
      ui::Button(c.SnoozeButton, kOnForm, 1, {153, 91, 56, 25}, Tr(Str::alert_SnoozeButton)),
  };
  if (!names.empty()) rows.push_back(Label("NameLabel", c.Panel1, {4, 24, 193, 17}, names).Centred().InBold());
  return rows;
}

}  // namespace

TAlarmAlertForm::TAlarmAlertForm(AlarmAlertHost& host, const std::string& firstLine, const std::string& names)
    : Dialog(Form(Tr(Str::alert_caption), 219, 130).NoSystemMenu().WithTaskbarButton().AlwaysOnTop(), AlertTable(firstLine, names)),
      host_(host) {
  OnClick(c.SnoozeButton, [this] {
    DisableAlarmTimer();
    StopAlarmSound();
    player_.Release();
    CloseWith(kResultSnooze);
  });
}

TAlarmAlertForm::~TAlarmAlertForm() { DisableAlarmTimer(); }

void TAlarmAlertForm::FormShow() {
  // Windows gives the foreground to a program in the background only when
  // the user is not working in another one: the alert may open behind the
  // user's window and never become the active one. It is topmost, rings all
  // the same, and its taskbar button flashes until OK.
  SetTimer(Handle(), kStartTimerId, kStartWaitMs, nullptr);
}

void TAlarmAlertForm::FormActivate() {
  // The alert opens once; coming back to it from another program starts nothing again.
  if (activated_) return;
  activated_ = true;
  KillTimer(Handle(), kStartTimerId);
  Flash(Handle(), FLASHW_TRAY | FLASHW_TIMER);
  const int seconds = host_.AlarmSettings().AlarmRepeatInterval;
  interval_ = seconds > 0 ? UINT(seconds) * 1000u : 0u;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // The announcement runs on the speech worker, so that the alert stays
  // drawn and the clock goes on; the sound follows when the voice has
  // finished, or after kAlarmVoiceWaitMs at the latest.
  if (host_.AlarmSettings().AlarmAnnounce && host_.StartAlarmAnnouncement()) {
    voiceStart_ = GetTickCount();
    SetTimer(Handle(), kVoiceWaitTimerId, kVoiceWaitPollMs, nullptr);
    return;
  }
  EnableAlarmTimer();
  AlarmTimerTimer();
}

void TAlarmAlertForm::WaitForVoice() {
  if (host_.VoiceSpeaking() && GetTickCount() - voiceStart_ < kAlarmVoiceWaitMs) return;
  KillTimer(Handle(), kVoiceWaitTimerId);
  EnableAlarmTimer();
  AlarmTimerTimer();
}

void TAlarmAlertForm::EnableAlarmTimer() {
  // With an interval of 0 the timer never fires: the sound is heard once.
  if (interval_ == 0 || !Handle()) return;
  timerOn_ = SetTimer(Handle(), kAlarmTimerId, interval_, nullptr) != 0;
}

void TAlarmAlertForm::DisableAlarmTimer() {
  if (Handle()) {
    KillTimer(Handle(), kStartTimerId);
    KillTimer(Handle(), kVoiceWaitTimerId);
    if (timerOn_) KillTimer(Handle(), kAlarmTimerId);
  }
  timerOn_ = false;
}

void TAlarmAlertForm::AlarmTimerTimer() {
  host_.SoundAlarm(player_);
}

LRESULT TAlarmAlertForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && wp == kAlarmTimerId) {
    if (timerOn_) AlarmTimerTimer();
    return 0;
  }
  if (msg == WM_TIMER && wp == kVoiceWaitTimerId) {
    WaitForVoice();
    return 0;
  }
  if (msg == WM_TIMER && wp == kStartTimerId) {
    FormActivate();
    return 0;
  }
  if (msg == kWaveFileReadMessage) {
    player_.WaveFileRead();
    return 0;
  }
  if (msg == WM_DESTROY) {
    DisableAlarmTimer();
    Flash(Handle(), FLASHW_STOP);
    // OK: a wave file playing from memory stops, and its image goes with it.
    player_.Release();
  }
  return Dialog::HandleMessage(msg, wp, lp);
}

}  // namespace orlavox
