#pragma once
// The main window: owner of the settings, the clock timer, the voice plug-in,
// the tray icon and every dialog; lives for the whole run.
#include <windows.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "alarm/alarm_alert_host.h"
#include "alarm/alarm_list.h"
#include "alarm/alarm_sound.h"
#include "alarm/wake_timer.h"
#include "app/application.h"
#include "app/clock_tick.h"
#include "ui/accessible.h"
#include "ui/menu.h"
#include "ui/speed_button.h"
#include "display/face_layout.h"
#include "resources/languages.h"
#include "ui/window.h"
#include "settings/clock_settings.h"
#include "settings/more_options.h"
#include "shell/sys_tray_icon.h"
#include "shell/tray_hint.h"
#include "speech/global_hot_key.h"
#include "speech/speak_thread.h"
#include "speech/voice_host.h"

namespace orlavox {

class TClockData;
struct FacePlan;

inline constexpr const char* kMutexName = "OrlavoxLite";
// Sent by the speech worker when the voice has finished.
inline constexpr UINT kThreadDoneMessage = WM_APP + 1;
// The first tick, as soon as the message loop runs: the window shows at once
// rather than one UpdateInterval after start-up.
inline constexpr UINT kFirstTickMessage = WM_APP + 2;
// The window was shown, hidden, minimised or restored: the timer is chosen
// again once the change has settled.
inline constexpr UINT kFaceStateMessage = WM_APP + 3;
inline constexpr unsigned kSpeakShortCut = GlobalHotKey::kCtrl | GlobalHotKey::kAlt | 'S';  // 49235

class TMainForm : public ui::Window, public AlarmAlertHost {
 public:
  explicit TMainForm(TApplication& app);
  ~TMainForm() override;

  // Creates the native window (hidden) and runs FormCreate.
  bool Create();

  // --- Start-up, keys and shutdown
  void FormCreate();
  void FirstRunExecute();
  void ShowNotices();  // the upgrade and welcome notices, when due
  bool FormKeyDown(UINT key);  // true when the key ran a command
  void Exit2Click() { Close(); }
  bool FormCloseQuery();
  void FormDestroy();
  // The session ends (log-off, shutdown): saves as a close would and ends,
  // whatever the voice is doing.
  void EndSession();
  // How long a close waits for a voice that does not return before the
  // program ends without it.
  static constexpr DWORD kHungVoiceCloseMs = 10000;
  // Attempts a close, as the close box does.
  void Close();
  bool Closed() const { return closed_; }

  // --- Clock tick
  void Timer1Timer();
  // The timer for the next tick: polled while the face is seen, else aimed
  // at the next minute (main_timer.cpp).
  void ScheduleTimer1();
  // The face may have come into sight or gone from it: a face that shows
  // again is brought up to date at once.
  void FaceStateChanged();
  bool FaceSeen() const;

  // --- Settings store
  void CheckRegistry();
  void OpenRegistry();
  // Writes the settings and the log-on entry: at the close, and whenever a
  // choice is confirmed (a dialog's OK, a voice, the display size, a drag),
  // so that a clock ended by other means keeps them.
  void SaveSettings();
  void SavePlaceIfMoved();  // after a drag: the new place, when it moved
  void ApplyGlobalShortcut();

  // --- Display
  void UpdateHours();
  void UpdateMinutes();
  void UpdateSeconds();
  void UpdateDate();
  void UpdateMiniTime();
  void DrawBlinkColon(bool shown);
  void FormPaint(HDC dc);
  void ChangeMode();
  void ChangeButtonMode();
  void MI_bigClick();
  void MI_smallClick();
  void BackPanelMouseDown(int button);
  void MinimizeButtonClick() { HideMainWindow(); }
  // Display scale and zoom: the face is drawn at the monitor's dots per inch
  // times the zoom (per cent), dialogs at the monitor's alone.
  void ApplyScale(int dpi);
  void SetZoom(int zoom);
  void FormMouseWheel(int delta);
  void FormDpiChanged(int dpi, const RECT& suggested);
  SIZE ScaledSize(int dpi) const;  // the window at another monitor's scale
  void MoveEnded();
  int ShownZoom() const { return shownZoom_; }  // as far as the work area allows
  int MonitorDpi() const { return monitorDpi_; }
  int FaceDpi() const { return faceDpi_; }
  void OptionsButtonClick();
  void LangSelButtonClick();

  // --- Tray and taskbar
  void ShowMainWindow();
  void HideMainWindow();
  void ShowTaskbarButton();
  void HideTaskbarButton();
  // The one rule for the taskbar button: present when ShowInTaskbar is on and
  // the window is on the screen, or a dialog of the clock is open over it
  // (also over the tray); absent otherwise.
  void PlaceTaskbarButton(bool dialogOpen = false);
  void UpdateTrayIcon();
  void SetTrayHint(const SYSTEMTIME& st);
  // The tick's tooltip: every second while the pointer may be on the icon, else every minute.
  void RefreshTrayHint(const SYSTEMTIME& st, bool newMinute);
  void TrayMouseMove();
  // The time and date as the tooltip would show them now.
  std::string CurrentTimeHint() const;

  // --- Speech
  bool StartAnnouncement();  // false when none started
  // Readies the sound output once a voice is loaded (after the window shows).
  void PrepareSound();
  void AnnounceButtonClick() { StartAnnouncement(); }
  void Speak1Click() { StartAnnouncement(); }
  void GlobalSpeechKeyKeyDown() { StartAnnouncement(); }
  void ThreadDone();
  // A worker that ended without its completion (the voice ended the thread).
  void CheckSpeechThread();
  void EnableSpeech();
  void DisableSpeech();
  void SetSpeechControls(bool enabled);
  void PrepareVoiceFolder();
  void MigrateLegacyVoices();
  void ScanVoiceFolder();
  void BuildLangMenu();
  // passedOver: the voices this start passed over, kept in the loading mark.
  void LoadLanguage(const std::vector<std::string>& passedOver = {});
  // Start-up's LoadLanguage, passing over voices that hung while loading at
  // earlier starts; the mark of a copy still loading is not acted on.
  void LoadStartVoice();
  void TellSkippedVoice();  // once the window shows: which voice was passed over
  void KeepLanguageSelectorUsable();
  void LangMenuItemClick(ui::PopupMenu::Item& item);

  // --- Alarm
  // The alert for the alarms `ringing` (bit i: alarm i of the list; the
  // first of them gives the sound); lateMinutes: a ring found missed, that
  // many minutes after the first one's time.
  void Alarm(int64_t lateMinutes = 0, uint32_t ringing = 1);
  // The alarms, the first being the settings record's.
  std::vector<AlarmEntry> Alarms() const;
  // Keeps a confirmed list (at most kMaxAlarms; the first into the settings
  // record), saves the settings at once, sets the wake timer and redraws the alarm mark.
  void SetAlarms(std::vector<AlarmEntry> list);
  // Sets the wake timer for the next ring when WakeForAlarm asks for it, or cancels it.
  void ArmWakeTimer();
  // What the alert asks of the main window.
  // While the alert is open, the settings with the alarm fields of the first alarm ringing.
  const orlavox::ClockSettings& AlarmSettings() const override { return AlarmActive ? ringingSettings_ : ClockSettings; }
  bool StartAlarmAnnouncement() override;
  bool VoiceSpeaking() const override { return SpeechBusy; }
  void SoundAlarm(AlarmSoundPlayer& player) override;

  // --- Dialogs reached from the keys and the menu
  void AlarmButtonClick();
  void AlarmsClick();  // "Alarms": the list of every alarm
  void SetupButtonClick();
  void MoreOptionsClick();
  // Makes `language` the language of the windows: the menus, the buttons'
  // hints, the caption and the tray tooltip at once, every window opened after it.
  void ChangeWindowLanguage(Language language);
  void HelpButtonClick();
  void About1Click();
  void Wantmorefeatures1Click();

  // Messages of the application window that belong to the main window (the
  // tray's "TaskbarCreated", minimising); false when not handled.
  bool HandleApplicationMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  UINT Timer1Interval() const { return timer1Interval_; }
  bool SpeechControlsEnabled() const;
  DisplayMode Mode() const { return ClockSettings.SmallDisplay == 1 ? DisplayMode::Small : DisplayMode::Big; }

  // The image store and the alarm's built-in sounds: made after the main
  // window, so null at first.
  void SetClockData(TClockData* data);
  // The face's words (the weekday labels and the label before the day of the
  // month) in the language of the clock's windows: at start-up and whenever
  // that language changes. Shows at once.
  void SetFaceLanguage(Language language);
  void SetAlarmSounds(const AlarmSoundList* sounds) { AlarmSounds = sounds; }

  // Events counted for the measurements of the test build.
  struct EventCounters {
    unsigned TrayIcons = 0;
    unsigned TrayHints = 0;
    unsigned Announcements = 0;
    unsigned VoiceLoadMicroseconds = 0;
    unsigned Alarms = 0;              // alerts opened
    unsigned AlarmSounds = 0;         // alarm sounds started by the alert
    unsigned AlarmAnnouncements = 0;  // announcements made by the alert
    // The last zoom step: from the step to the end of the paint that first
    // shows it, and the part of that spent drawing the face's pictures.
    unsigned ZoomStepMicroseconds = 0;
    unsigned ZoomDrawMicroseconds = 0;
  };
  // What the test build's probe reads (app/seams_testbuild.cpp), taken at once.
  struct ProbeSnapshot {
    orlavox::TickTime Tick;
    bool SpeechBusy = false, CloseRequested = false;
    bool FirstRun = false, NewVersion = false, FirstRunPending = false, MainWindowPending = false;
    UINT TimerInterval = 0;
    EventCounters Counters;
    bool SpeechEnabled = false, VoiceLoaded = false;
    bool AnnounceButtonEnabled = false, LangSelButtonEnabled = false;
    int SelectedLanguage = 0;
    size_t LanguageCount = 0;
    bool AlarmActive = false, AlarmHandled = false;
    bool ButtonsFlat = false, SpeakShortCutShown = false, Hour24 = false;
    bool WakeArmed = false, WakeResume = false;
    int64_t WakeAt = kNoStamp;  // the local second the wake timer is set to
  };
  ProbeSnapshot Snapshot() const;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // The main window's tests set up and read its state through this.
  friend struct MainFormInside;

  // --- State
  int Zoom = 100;            // as chosen, stored as "Zoom"
  orlavox::ClockSettings ClockSettings;
  std::string ProgramFolder;
  bool AlarmActive = false;
  bool AlarmHandled = false;
  bool FirstRun = false;
  bool LanguageStored = false;  // a voice choice was stored; else the user's language picks one
  std::string TimeHint;  // the time and date as the tray's tooltip shows them
  bool NewVersion = false;
  bool MainWindowPending = false;
  bool SpeechBusy = false;
  bool FirstRunPending = true;
  bool BlinkColonOn = true;
  bool CloseRequested = false;
  std::string SkippedVoice;  // passed over at this start, until the user has been told
  // Events counted for the measurements of the test build.
  EventCounters Counters;

  orlavox::TickTime TickTime;
  orlavox::LastTick LastTick;
  orlavox::TickMemory TickState;  // what the tick remembers beyond LastTick
  // The alarms; the first one's fields are ClockSettings' (RefreshFirstAlarm
  // copies them), its days and name are kept here.
  std::vector<AlarmEntry> AlarmList{AlarmEntry{}};
  orlavox::MoreOptions MoreOptions;
  WakeTimer AlarmWakeTimer;
  int64_t WakeAt = kNoStamp;  // the local second the wake timer is set to

  orlavox::VoiceModule VoiceModule;
  orlavox::SpeakProc SpeakProc = nullptr;
  std::vector<std::string> LanguageList;

  // The image store; created after the main window, so null at first.
  TClockData* ClockData = nullptr;
  Language faceLanguage_ = Language::English;
  // The alarm's built-in sounds; loaded with the image store, so null at first.
  const AlarmSoundList* AlarmSounds = nullptr;

  ui::SpeedButton AlarmButton, SetupButton, OptionsButton, HelpButton, AnnounceButton, LangSelButton,
      MinimizeButton;

  ui::PopupMenu MainPopupMenu;
  ui::PopupMenu LangMenu;
  GlobalHotKey GlobalSpeechKey;
  orlavox::SysTrayIcon SysTrayIcon;
  TrayHintSchedule TrayHintTimes;

  void RefreshFirstAlarm();
  orlavox::ClockSettings ringingSettings_;  // AlarmSettings() while the alert is open
  void BuildMainPopupMenu();
  void SetMainMenuTexts();  // captions and short-cuts in the windows' language
  void CreateButtons();
  void RunMenuCommand(unsigned command);
  ui::SpeedButton& ButtonFor(Button b);
  void DrawFacePlan(const FacePlan& plan);
  void ApplyWindowShape();
  WindowShape CurrentShape() const;
  void FitZoom();
  int FittedZoom(int dpi) const;
  void KeepWindowOnScreen();
  static constexpr UINT_PTR kTimer1 = 1;
  void SetTimer1(UINT interval, bool enabled);
  // Session and display notifications: locked, display off (main_timer.cpp).
  void WatchSession();
  void UnwatchSession();
  bool SessionMessage(UINT msg, WPARAM wp, LPARAM lp);
  void PopupMainMenuAtCursor();
  void SysTrayDblClick();
  // While a dialog or the alert is open: brings it forward; false when none is.
  bool BringModalForward();
  bool MayStartSpeech() const;
  // A full-screen program or a presentation holds the periodic announcement back.
  bool FullScreenHoldsBack() const;
  bool StartSpeakThread();
  void EndRun();  // after an accepted close
  // The program's file and its folder (with the backslash), in UTF-8.
  static std::string ModulePath();
  static std::string ModuleFolder();

  TApplication& app_;
  HANDLE instanceMutex_ = nullptr;  // held until the process ends
  UINT timer1Interval_ = 100;
  bool timer1Enabled_ = false;
  bool timer1Aimed_ = false;      // the timer wakes at a moment, not every interval
  UINT timer1Period_ = 0;         // the polled timer's period as set (0: none set)
  bool sessionLocked_ = false;
  bool displayOff_ = false;
  bool faceStatePosted_ = false;
  struct FreeModule {
    void operator()(HMODULE m) const { FreeLibrary(m); }
  };
  bool sessionWatched_ = false;  // registered for the session's lock and unlock
  bool faceSeen_ = false;         // as FaceSeen() found it at the last change
  HPOWERNOTIFY displayNotify_ = nullptr;
  bool closed_ = false;
  HANDLE speechThread_ = nullptr;   // the speech worker while SpeechBusy
  DWORD closeWaitStart_ = 0;        // when a close was first refused
  UniqueFont minimizeFont_;
  int monitorDpi_ = 96;
  int faceDpi_ = 96;
  int shownZoom_ = 100;
  int wheel_ = 0;  // wheel turns short of a whole notch
  LONGLONG zoomStepStart_ = 0;  // a zoom step not painted yet (performance counter)
  LONGLONG zoomDrawTicks_ = 0;  // the store's drawing time when it began
  bool moving_ = false;        // a move loop (a drag) runs
  bool fitAfterMove_ = false;  // the scale changed during it
  bool rescaling_ = false;     // inside FormDpiChanged
  bool firstRunBusy_ = false;  // FirstRunExecute's message is open
  bool soundPrepared_ = false;  // PrepareSound has readied the sound output
  int savedLeft_ = INT_MIN, savedTop_ = INT_MIN;  // the place last written
  ui::AccessibleValue accessible_;
};

}  // namespace orlavox
