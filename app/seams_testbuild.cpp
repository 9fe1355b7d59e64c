// The test build's seams: its clock and its probe.
//
// The clock. With ORLAVOX_TEST_CLOCK = "YYYY-MM-DD HH:MM:SS[ xN]"
// the local time starts at that moment when the process starts and runs N
// times faster than real time; without it, the system clock.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#define PSAPI_VERSION 2  // GetProcessMemoryInfo from kernel32
#include <psapi.h>

#include "alarm/alarm_times.h"
#include "app/clock_source.h"
#include "app/main_form.h"
#include "app/probe_queries.h"
#include "app/seams.h"
#include "app/fake_clock.h"
#include "shell/help_engine.h"
#include "ui/resource_count.h"

namespace orlavox {
namespace {

struct TestClock {
  bool Active = false;
  TestClockSetting Setting;
  LARGE_INTEGER Start{}, Frequency{};

  TestClock() {
    char text[64];
    const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_CLOCK", text, sizeof text);
    if (n > 0 && n < sizeof text)
      if (auto setting = ParseTestClock(text)) Set(*setting);
  }
  void Set(const TestClockSetting& setting) {
    Setting = setting;
    QueryPerformanceFrequency(&Frequency);
    QueryPerformanceCounter(&Start);
    Active = setting.Rate != 0;
  }
};

// Constructed before main: the clock starts with the process.
TestClock g_clock;

}  // namespace

void SetTestClock(const TestClockSetting& setting) { g_clock.Set(setting); }

bool RefusesClose() { return GetEnvironmentVariableA("ORLAVOX_TEST_REFUSE_CLOSE", nullptr, 0) != 0; }

UINT TimerPeriod(UINT updateInterval) {
  char text[16];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_TICK_MS", text, sizeof text);
  const long ms = n > 0 && n < sizeof text ? std::strtol(text, nullptr, 10) : 0;
  return ms >= 10 && ms <= 1000 ? UINT(ms) : updateInterval;
}

uint32_t ClockRate() { return g_clock.Active ? g_clock.Setting.Rate : 1; }

namespace {
std::optional<long> NumberFromEnvironment(const char* name) {
  char text[16];
  const DWORD n = GetEnvironmentVariableA(name, text, sizeof text);
  char* end = nullptr;
  const long value = n > 0 && n < sizeof text ? std::strtol(text, &end, 10) : 0;
  if (!end || end == text || *end) return std::nullopt;
  return value;
}
}  // namespace

std::optional<bool> SuppliedModernStandby() {
  if (auto v = NumberFromEnvironment("ORLAVOX_TEST_MODERN_STANDBY")) return *v != 0;
  return std::nullopt;
}

std::optional<int> SuppliedNotificationState() {
  if (auto v = NumberFromEnvironment("ORLAVOX_TEST_NOTIFICATION_STATE")) return int(*v);
  return std::nullopt;
}

void PrepareTestProcess() {
  const bool none = GetEnvironmentVariableA("ORLAVOX_TEST_NO_HELP_CONTROL", nullptr, 0) != 0;
  wchar_t control[MAX_PATH] = L"";
  const DWORD n = GetEnvironmentVariableW(L"ORLAVOX_TEST_HELP_CONTROL_SZ", control, MAX_PATH);
  if (!none && (n == 0 || n >= MAX_PATH)) return;
  HKEY classes = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brenvik\\Orlavox Lite\\Test classes", 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &classes, nullptr) != ERROR_SUCCESS)
    return;
  // The control registered as Wine and older systems store it: a plain REG_SZ.
  HKEY server = nullptr;
  if (!none && RegCreateKeyExA(classes, kHtmlHelpClsidKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &server,
                               nullptr) == ERROR_SUCCESS) {
    RegSetValueExW(server, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(control), (n + 1) * sizeof(wchar_t));
    RegCloseKey(server);
  }
  RegOverridePredefKey(HKEY_CLASSES_ROOT, classes);
  RegCloseKey(classes);
}

void ReadLocalTime(SYSTEMTIME& st) {
  if (!g_clock.Active) {
    ReadSystemLocalTime(st);
    return;
  }
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  const uint64_t elapsedMs = uint64_t(now.QuadPart - g_clock.Start.QuadPart) * 1000 / uint64_t(g_clock.Frequency.QuadPart);
  st = ToSystemTime(TestClockTime(g_clock.Setting, elapsedMs));
}

int64_t ReadUtcSeconds() {
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  if (!g_clock.Active) return SecondsSince1970(utc);
  // The faked local time, as far behind or ahead of UTC as the machine's own.
  SYSTEMTIME local, faked;
  GetLocalTime(&local);
  const int64_t bias = FloorDivide(SecondsSince1970(local) - SecondsSince1970(utc) + 30, 60) * 60;
  ReadLocalTime(faked);
  return SecondsSince1970(faked) - bias;
}

// The process's private memory. Wine 8 leaves PrivateUsage at 0 and counts
// the private pages (RssAnon and VmSwap, read inside the process) in
// PagefileUsage, which then stands in for it; resident memory would count
// the program's and Wine's mapped files as they are paged in. A file such as
// Z:\proc\self\status cannot: Wine's server opens it, and "self" is the
// server.
long PrivateKilobytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
    return -1;
  return long((counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1024);
}

bool HandleTestProbe(TMainForm& form, WPARAM query, LRESULT& result) {
  const TMainForm::ProbeSnapshot f = form.Snapshot();
  switch (query) {
    case kProbeHour: result = f.Tick.Hour; break;
    case kProbeMinute: result = f.Tick.Minute; break;
    case kProbeSecond: result = f.Tick.Second; break;
    case kProbeDay: result = f.Tick.Day; break;
    case kProbeDayOfWeek: result = f.Tick.DayOfWeek; break;
    case kProbeSpeechBusy: result = f.SpeechBusy; break;
    case kProbeCloseRequested: result = f.CloseRequested; break;
    case kProbeFirstRun: result = f.FirstRun; break;
    case kProbeNewVersion: result = f.NewVersion; break;
    case kProbeFirstRunPending: result = f.FirstRunPending; break;
    case kProbeMainWindowPending: result = f.MainWindowPending; break;
    case kProbeTimerInterval: result = f.TimerInterval; break;
    case kProbeGdiObjects: result = ui::CountGdiObjects(); break;
    case kProbeUserObjects: result = ui::CountUserObjects(); break;
    case kProbeTrayIconCount: result = f.Counters.TrayIcons; break;
    case kProbeTrayHintCount: result = f.Counters.TrayHints; break;
    case kProbeAnnouncements: result = f.Counters.Announcements; break;
    case kProbeSpeechEnabled: result = f.SpeechEnabled; break;
    case kProbeSelectedLanguage: result = f.SelectedLanguage; break;
    case kProbeLanguageCount: result = LRESULT(f.LanguageCount); break;
    case kProbeAnnounceButtonEnabled: result = f.AnnounceButtonEnabled; break;
    case kProbeLangSelButtonEnabled: result = f.LangSelButtonEnabled; break;
    case kProbeVoiceLoaded: result = f.VoiceLoaded; break;
    case kProbeVoiceLoadMicroseconds: result = LRESULT(f.Counters.VoiceLoadMicroseconds); break;
    case kProbeAlarmActive: result = f.AlarmActive; break;
    case kProbeAlarmHandled: result = f.AlarmHandled; break;
    case kProbeAlarms: result = f.Counters.Alarms; break;
    case kProbeAlarmSounds: result = f.Counters.AlarmSounds; break;
    case kProbeAlarmAnnouncements: result = f.Counters.AlarmAnnouncements; break;
    case kProbeButtonsFlat: result = f.ButtonsFlat; break;
    case kProbeSpeakShortCutShown: result = f.SpeakShortCutShown; break;
    case kProbeHour24: result = f.Hour24; break;
    case kProbePrivateKilobytes: result = PrivateKilobytes(); break;
    case kProbeWakeMinute: result = f.WakeArmed ? LRESULT(f.WakeAt / 60) : -1; break;
    case kProbeWakeResume: result = f.WakeResume; break;
    case kProbeZoomStepMicroseconds: result = LRESULT(f.Counters.ZoomStepMicroseconds); break;
    case kProbeZoomDrawMicroseconds: result = LRESULT(f.Counters.ZoomDrawMicroseconds); break;
    default: return false;
  }
  return true;
}

}  // namespace orlavox
