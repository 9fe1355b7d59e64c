#pragma once
// Queries the test build answers through its probe message.
namespace orlavox {

enum ProbeQuery : unsigned {
  kProbeHour = 0,
  kProbeMinute,
  kProbeSecond,
  kProbeDay,
  kProbeDayOfWeek,
  kProbeSpeechBusy,
  kProbeCloseRequested,
  kProbeFirstRun,
  kProbeNewVersion,
  kProbeFirstRunPending,
  kProbeMainWindowPending,
  kProbeTimerInterval,
  kProbeGdiObjects,     // live GDI objects of the process
  kProbeUserObjects,    // live icons and menus of the process
  kProbeTrayIconCount,  // tray icons built so far
  kProbeTrayHintCount,  // tooltip updates so far
  kProbeAnnouncements,  // announcements started so far
  kProbeSpeechEnabled,  // the speech controls are enabled
  kProbeSelectedLanguage,
  kProbeLanguageCount,
  kProbeAnnounceButtonEnabled,
  kProbeLangSelButtonEnabled,
  kProbeVoiceLoaded,  // a Speak entry is loaded
  kProbeVoiceLoadMicroseconds,  // how long the last LoadLanguage took
  kProbeAlarmActive,
  kProbeAlarmHandled,
  kProbeAlarms,              // alerts opened so far
  kProbeAlarmSounds,         // alarm sounds started so far
  kProbeAlarmAnnouncements,  // announcements the alert made
  kProbeButtonsFlat,            // the six speed buttons are flat
  kProbeSpeakShortCutShown,     // "Speak!" shows its Ctrl+Alt+S
  kProbeHour24,
  kProbePrivateKilobytes,    // the process's private memory
  kProbeWakeMinute,          // local minute since 1970 the wake timer is set to; -1: not set
  kProbeWakeResume,          // the wake timer was set with the resume flag
  kProbeZoomStepMicroseconds,  // the last zoom step, to its first paint
  kProbeZoomDrawMicroseconds,  // the part of it spent drawing the face's pictures
};

}  // namespace orlavox
