// The alarm of the running program: when its alert opens and closes, what it
// lets the user hear (sound captured to files), and the alarm dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "e2e/capture.h"
#include "app/fake_clock.h"
#include "e2e/harness.h"
#include "alarm/alarm_list.h"
#include "settings/clock_settings.h"
#include "win/wide_text.h"

namespace orlavox::e2e {
namespace {

// Flags: StartInTray OnTop Hour24 AnnounceOn AlarmOn AutoStart Windowless
// ShowInTaskbar TransparentButtons AlarmAnnounce GlobalShortcut.
// Numbers: WindowTop WindowLeft UpdateInterval AlarmRepeatInterval (4 digits each);
// AnnounceInterval AlarmHour AlarmMinute SmallDisplay AlarmSound (2 digits each).
std::string Repeat(int seconds) {
  char s[17];
  std::snprintf(s, sizeof s, "010001000100%04d", seconds);
  return s;
}

class AlarmE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    log_ = ScratchDir() + "alarm-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", log_.c_str());
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", "3000");
    capture_.Clear();
  }
  void TearDown() override { ResetRegistry(); }
  int Count(const std::string& word) {
    const auto lines = ReadLines(log_);
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.find(word) != std::string::npos; }));
  }
  static HWND WaitForAlert(ClockProcess& p, DWORD ms) {
    HWND a = nullptr;
    WaitFor([&] { return (a = FindProcessWindow(p.Pid(), "Alarm!")) != nullptr; }, ms);
    return a;
  }
  // Starts a copy at 06:59:58 with the alarm at 07:00 and waits for the alert.
  HWND StartAndRing(ClockProcess& p, const std::string& exe, const char* clock = "2026-12-07 06:59:58") {
    EXPECT_TRUE(p.Start(clock, exe));
    EXPECT_NE(p.WaitForMainWindow(false), nullptr);
    return WaitForAlert(p, 8000);
  }
  std::string log_;
  Capture capture_;
};

// While the alert is open the tray opens nothing over it: "Settings..." from
// the tray's menu brings the alert forward, and the alert's OK ends it at once.
TEST_F(AlarmE2E, TheTrayOpensNoDialogOverTheAlert) {
  WriteSettings("00001001000", Repeat(0), "6007000001");  // AlarmOn, ShowInTaskbar; Yipe once
  ClockProcess p;
  HWND alert = StartAndRing(p, PrepareInstall("alarm-tray", {"Test (logging).dll"}));
  ASSERT_NE(alert, nullptr);
  auto settings = [&] { return FindDialog(p.Pid(), "Settings") != nullptr; };
  EXPECT_TRUE(PickFromMenu([&] { RightClickTrayIcon(p.Pid()); }, {'S'}, [] { return !MenuShown(); }));
  EXPECT_FALSE(WaitFor(settings, 1500));
  EXPECT_EQ(GetForegroundWindow(), alert);
  ASSERT_TRUE(ClickControl(alert, "OK"));
  EXPECT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 1000));
  // With nothing open, the same pick opens the settings.
  EXPECT_TRUE(PickFromMenu([&] { RightClickTrayIcon(p.Pid()); }, {'S'}, settings));
  EXPECT_TRUE(ClickControl(FindDialog(p.Pid(), "Settings"), "&Cancel"));
}

TEST_F(AlarmE2E, RingsAtSevenFromTheTrayUntilEnterOnceInItsMinute) {
  // StartInTray, AnnounceOn every 60 minutes, AlarmOn, ShowInTaskbar, AlarmAnnounce; Yipe every 2 s.
  WriteSettings("10011001010", Repeat(2), "6007000001");
  const std::string exe = PrepareInstall("alarm-ring", {"Test (sleeping).dll"});
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 06:59:57", exe));
  ASSERT_NE(p.WaitForMainWindow(false), nullptr);
  Sleep(1000);  // about 06:59:58; in the tray the clock wakes at the whole minute only
  EXPECT_EQ(p.Probe(kProbeHour), 6);
  EXPECT_EQ(FindProcessWindow(p.Pid(), "Alarm!"), nullptr);  // not before 07:00
  EXPECT_EQ(p.Probe(kProbeAlarms), 0);
  HWND alert = WaitForAlert(p, 5000);
  ASSERT_NE(alert, nullptr);
  const DWORD opened = GetTickCount();
  EXPECT_EQ(p.Probe(kProbeHour), 7);
  EXPECT_EQ(p.Probe(kProbeMinute), 0);
  EXPECT_EQ(ReadValue(kSettingsKey, "AlarmRung"), std::to_string(DaysFromCivil(2026, 12, 7) * 1440 + 7 * 60));
  EXPECT_FALSE(IsWindowVisible(p.MainWindow()));  // still in the tray
  EXPECT_EQ(GetWindow(alert, GW_OWNER), nullptr);  // a window of its own, with its own taskbar button
  EXPECT_TRUE(GetWindowLongA(alert, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_TRUE(GetWindowLongA(alert, GWL_EXSTYLE) & WS_EX_TOPMOST);  // above the window the user works in
  EXPECT_FALSE(GetWindowLongA(alert, GWL_STYLE) & WS_SYSMENU);  // no close box
  EXPECT_EQ(GetForegroundWindow(), alert);
  // The periodic announcement of 07:00 speaks; the alert says nothing of its own.
  EXPECT_EQ(p.Probe(kProbeAnnouncements), 1);
  EXPECT_EQ(p.Probe(kProbeAlarmAnnouncements), 0);
  Sleep(1500);
  SaveScreenshot(OutputDir() + "alarm_alert_from_tray.bmp");
  EXPECT_EQ(p.Probe(kProbeSecond), 0);  // in the tray the tick read the clock at the minute, not since
  SetForegroundWindow(alert);
  PressKeys(nullptr, {VK_ESCAPE});
  WaitFor([&] { return GetTickCount() - opened >= 7000; }, 8000);
  EXPECT_TRUE(IsWindowVisible(alert));  // Escape does nothing
  PressKeys(nullptr, {VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
  const DWORD open = GetTickCount() - opened;
  EXPECT_EQ(p.Probe(kProbeAlarmHandled), 1);
  EXPECT_EQ(p.Probe(kProbeMinute), 0);  // confirmed within the minute ...
  Sleep(1500);
  EXPECT_EQ(p.Probe(kProbeAlarms), 1);  // ... it does not ring again in it
  EXPECT_EQ(FindProcessWindow(p.Pid(), "Alarm!"), nullptr);
  const LRESULT sounds = p.Probe(kProbeAlarmSounds);
  const size_t starts = capture_.Files().size();
  std::printf("[ measure  ] Yipe every 2 s, alert open %.1f s: %ld sounds started, %zu openings of the device\n",
              open / 1000.0, long(sounds), starts);
  EXPECT_EQ(sounds, 4);
  EXPECT_EQ(starts, 4u);
  EXPECT_TRUE(p.Close(30000));
  EXPECT_EQ(Count("begin"), 1);  // one announcement in all
  // Started again within the minute (an update, a crash): the occurrence stored as it rang rings no more.
  ClockProcess q;
  ASSERT_TRUE(q.Start("2026-12-07 07:00:30", exe));
  ASSERT_NE(q.WaitForMainWindow(false), nullptr);
  EXPECT_EQ(WaitForAlert(q, 3000), nullptr);
  EXPECT_EQ(q.Probe(kProbeHour) * 60 + q.Probe(kProbeMinute), 7 * 60);
  EXPECT_TRUE(q.Close(30000));
}

TEST_F(AlarmE2E, NextDayAgainAndAnAlertLeftOpenIsNotDoubled) {
  // Five hundred times faster: a minute lasts 120 ms (the tick comes every 100 ms), a day 173 s.
  WriteSettings("00001000000", Repeat(0), "6007000001");
  const std::string exe = PrepareInstall("alarm-days", {"Test (logging).dll"});
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 06:50:00 x500", exe));  // ten faked minutes (1.2 s) for a slow start
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  HWND alert = WaitForAlert(p, 8000);
  ASSERT_NE(alert, nullptr);
  EXPECT_EQ(p.Probe(kProbeDay), 7);
  Sleep(1500);  // twelve minutes pass with the alert open
  EXPECT_GE(p.Probe(kProbeMinute), 5);
  EXPECT_EQ(p.Probe(kProbeAlarms), 1);
  SetForegroundWindow(alert);
  PressKeys(nullptr, {VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
  const DWORD confirmed = GetTickCount();
  alert = WaitForAlert(p, 200000);
  ASSERT_NE(alert, nullptr);
  std::printf("[ measure  ] x500: second alert %.1f s after the first was confirmed, at day %ld %02ld:%02ld\n",
              (GetTickCount() - confirmed) / 1000.0, long(p.Probe(kProbeDay)), long(p.Probe(kProbeHour)),
              long(p.Probe(kProbeMinute)));
  EXPECT_EQ(p.Probe(kProbeDay), 8);
  EXPECT_EQ(p.Probe(kProbeHour), 7);
  EXPECT_EQ(p.Probe(kProbeAlarms), 2);
  PressKeys(nullptr, {VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
  EXPECT_TRUE(p.Close());
}

TEST_F(AlarmE2E, AnnouncementThenOneSoundAndTheOtherSoundsHeard) {
  const std::string wave = Env("ORLAVOX_TEST_WAVE");
  ASSERT_FALSE(wave.empty());
  // AlarmAnnounce with a voice, the wave file once (repeat 0); in quiet hours, which keep only the periodic one quiet.
  WriteSettings("00001000010", Repeat(0), "6007000005");
  WriteValue(kSettingsKey, "WaveFileName", wave);
  WriteValue(kSettingsKey, "QuietHours", "0600-0800");
  {
    const std::string exe = PrepareInstall("alarm-voice", {"shipped:English (female).dll"});
    ClockProcess p;
    HWND alert = StartAndRing(p, exe);
    ASSERT_NE(alert, nullptr);
    Sleep(6000);
    const auto files = capture_.Files();
    ASSERT_EQ(files.size(), 2u);  // the phrase, then the sound, once
    const std::string speech = ReadBytes(files[0]), sound = ReadBytes(files[1]);
    std::printf("[ measure  ] announce + wave file: first opening %zu bytes (%.2f s loud as a voice plays), "
                "second %zu bytes\n", speech.size(), Capture::SoundSeconds(speech), sound.size());
    EXPECT_EQ(p.Probe(kProbeAlarmAnnouncements), 1);
    EXPECT_EQ(p.Probe(kProbeAlarmSounds), 1);
    EXPECT_GT(Capture::SoundSeconds(speech), 0.4);
    EXPECT_GT(sound.size(), 100000u);  // the 1.7 s whistle at 44.1 kHz
    SetForegroundWindow(alert);
    PressKeys(nullptr, {VK_RETURN});
    EXPECT_TRUE(p.Close());
  }
  // The system beep, wave files the platform cannot play, and a stored sound
  // out of range. Under Wine the beep reaches no sound device, nor does the
  // platform's default sound (a fresh prefix has none) that stands in for a
  // file it cannot play: nothing may be heard then, not a built-in sound in
  // its place. Sound 9 reads as the default sound 1, "Yipe": heard whole.
  struct Case {
    const char* name;
    std::string snum, wave;
    bool yipe;
  };
  const Case cases[] = {
      {"system beep", "6007000000", "", false},
      {"missing file", "6007000005", "C:\\no such folder\\no such alarm.wav", false},
      {"a directory", "6007000005", "C:\\windows", false},
      {"not a wave", "6007000005", "C:\\windows\\win.ini", false},
      {"32 KiB name", "6007000005", std::string(32 * 1024, 'x'), false},
      {"sound 9", "6007000009", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    capture_.Clear();
    WriteSettings("00001000000", Repeat(9999), c.snum);
    WriteValue(kSettingsKey, "WaveFileName", c.wave);
    ClockProcess p;
    HWND alert = StartAndRing(p, PrepareInstall("alarm-odd", {"Test (logging).dll"}));
    ASSERT_NE(alert, nullptr);
    ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmSounds) == 1; }, 3000));
    std::vector<std::string> files;
    std::string pcm;
    auto heard = [&] {  // Yipe whole, or (waited for as long) anything
      files = capture_.Files();
      pcm.clear();
      for (const std::string& f : files) pcm += ReadBytes(f);
      return c.yipe ? pcm.size() >= 22848u * 2 : !files.empty();
    };
    EXPECT_EQ(WaitFor(heard, 3000), c.yipe);
    int peak = 0;
    Capture::SoundSeconds(pcm, &peak);
    std::printf("[ measure  ] %-12s: %ld sound started, %zu openings of the device, %zu bytes, peak %d\n", c.name,
                long(p.Probe(kProbeAlarmSounds)), files.size(), pcm.size(), peak);
    EXPECT_EQ(p.Probe(kProbeAlarmSounds), 1);
    if (c.yipe) {
      // Yipe: 22848 samples of 16-bit mono, played in whole blocks of 2036.
      EXPECT_EQ(files.size(), 1u);
      EXPECT_GE(pcm.size(), 22848u * 2);
      EXPECT_LE(pcm.size(), 12u * 2036 * 2);
      EXPECT_GT(peak, 10000);
    } else {
      EXPECT_EQ(files.size(), 0u);
      EXPECT_EQ(pcm.size(), 0u);
    }
    SetForegroundWindow(alert);
    PressKeys(nullptr, {VK_RETURN});
    EXPECT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
    EXPECT_TRUE(p.Close());
  }
}

// A wave file in a folder the ANSI code page cannot spell ("Łódź"): the
// edit's text goes into the file dialog (Browse) and comes back chosen, the
// preview plays it (by its short name, which Wine gives every file), OK
// stores it, and the alarm reads it back and plays it (from memory, on a disk
// without short names). With a disk that takes 5 s to open it, the alert
// waits for the sound but not for OK, and what it read (a file grown to 4 MB
// meanwhile) is given back once the alert is confirmed.
TEST_F(AlarmE2E, WaveFileInAFolderOfAnyScript) {
  const std::string wave = ScratchDir() + "\xC5\x81\xC3\xB3" "d\xC5\xBA\\whistle.wav";
  CreateDirectoryW(Wide(wave.substr(0, wave.rfind('\\'))).c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(Wide(Env("ORLAVOX_TEST_WAVE")).c_str(), Wide(wave).c_str(), FALSE));
  WriteSettings("00001001000", Repeat(0), "6007000005");  // alarm at 07:00, "Wave file..." once, no file yet
  WriteValue(kSettingsKey, "SnoozeMinutes", "1");
  const std::string exe = PrepareInstall("alarm-wave", {"Test (logging).dll"});
  auto whistleHeard = [&] { return !capture_.Files().empty() && ReadBytes(capture_.Files()[0]).size() > 100000; };
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 12:00:00", exe));
  PressKeys(p.WaitForMainWindow(true), {VK_CONTROL, 'A'});
  HWND dialog = WaitForDialog(p.Pid(), "Alarm settings", 5000), edit = nullptr, preview = nullptr, open = nullptr;
  ASSERT_NE(dialog, nullptr);
  for (const ChildWindow& c : ChildWindows(dialog))
    if (c.Class == "Edit" && c.Width() == 217) edit = c.Hwnd;
  preview = FindControl(dialog, "Play current sound");  // the glyph button, named by its hint
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(wave).c_str()));
  PostMessageA(FindControl(dialog, "Browse..."), BM_CLICK, 0, 0);  // sent, it would wait for the file dialog
  ASSERT_TRUE(WaitFor([&] { return (open = FindProcessWindow(p.Pid(), "Open")) != nullptr; }, 10000));
  Sleep(500);
  PostMessageW(open, WM_COMMAND, IDOK, 0);  // "Open" on the file it shows
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(open); }, 5000));
  PostMessageW(preview, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor(whistleHeard, 5000)) << "the preview played no whistle";
  ASSERT_TRUE(ClickControl(dialog, "&OK"));
  EXPECT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "WaveFileName"), wave);

  capture_.Clear();
  SetEnvironmentVariableA("ORLAVOX_TEST_SLOW_OPEN_MS", "5000");
  SetEnvironmentVariableA("ORLAVOX_TEST_NO_SHORT_NAMES", "1");
  ClockProcess q;  // sixty times faster: the snooze of a minute lasts a second
  ASSERT_TRUE(q.Start("2026-12-07 06:59:00 x60", exe));
  SetEnvironmentVariableA("ORLAVOX_TEST_SLOW_OPEN_MS", nullptr);
  SetEnvironmentVariableA("ORLAVOX_TEST_NO_SHORT_NAMES", nullptr);
  HWND alert = WaitForAlert(q, 10000);
  ASSERT_NE(alert, nullptr);
  EXPECT_TRUE(WaitFor(whistleHeard, 9000)) << "the alarm played no whistle";
  ASSERT_TRUE(ClickControl(alert, "&Snooze"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(alert); }, 3000));
  const LRESULT before = q.Probe(kProbePrivateKilobytes);
  {  // 4 MB of a 440 Hz tone, 16-bit mono at 44.1 kHz
    std::string data(4u << 20, '\0');
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
      const auto v = int16_t(8000 * std::sin(double(i / 2) * 2 * 3.14159265 * 440 / 44100));
      data[i] = char(v & 0xFF), data[i + 1] = char(v >> 8 & 0xFF);
    }
    std::string file("RIFF....WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0data....", 44);
    for (int k = 0; k < 4; ++k) file[4 + k] = char((data.size() + 36) >> 8 * k), file[40 + k] = char(data.size() >> 8 * k);
    HANDLE f = CreateFileW(Wide(wave).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    EXPECT_TRUE(WriteFile(f, (file + data).data(), DWORD(file.size() + data.size()), &n, nullptr));
    CloseHandle(f);
  }
  ASSERT_NE(alert = WaitForAlert(q, 5000), nullptr);
  const DWORD ok = GetTickCount();  // the file is still being opened
  ASSERT_TRUE(ClickControl(alert, "OK"));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(alert); }, 3000));
  const DWORD closed = GetTickCount() - ok;
  LRESULT after = 0;
  Sleep(6000);  // the file is read now, after OK, and let go of
  WaitFor([&] { return (after = q.Probe(kProbePrivateKilobytes)) <= before + 64; }, 5000);
  std::printf("[ measure  ] wave file opened in 5 s: OK closed the alert in %lu ms; private memory %ld kB before "
              "the alert, %ld kB after OK\n", static_cast<unsigned long>(closed), long(before), long(after));
  EXPECT_LE(closed, 200u);
  EXPECT_LE(after - before, 64);
  EXPECT_TRUE(q.Close());
}

TEST_F(AlarmE2E, CtrlAOpensTheDialogCancelWritesNothingOkWritesBack) {
  for (bool hour24 : {false, true}) {
    SCOPED_TRACE(hour24 ? "24-hour" : "12-hour");
    // ShowInTaskbar; alarm at 18:05, sound Lazer every 3 s.
    WriteSettings(hour24 ? "00100001000" : "00000001000", Repeat(3), "1518050002");
    ClockProcess p;
    ASSERT_TRUE(p.Start("", PrepareInstall("alarm-dialog", {"Test (logging).dll"})));
    HWND main = p.WaitForMainWindow(true);
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    Sleep(300);
    PressKeys(nullptr, {VK_CONTROL, 'A'});
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindProcessWindow(p.Pid(), "Alarm settings")) != nullptr; }, 5000));
    Sleep(500);
    SaveScreenshot(OutputDir() + (hour24 ? "alarm_dialog_24h.bmp" : "alarm_dialog_12h.bmp"));
    // The focus is on the alarm check: Space switches the alarm on.
    PressKeys(nullptr, {VK_SPACE});
    Sleep(200);
    PressKeys(nullptr, {WORD(hour24 ? VK_RETURN : VK_ESCAPE)});
    ASSERT_TRUE(WaitFor([&] { return FindProcessWindow(p.Pid(), "Alarm settings") == nullptr; }, 3000));
    // The taskbar button (the application window) follows ShowInTaskbar after the dialog.
    EXPECT_TRUE(IsWindowVisible(FindWindowA("OrlavoxApplication", nullptr)));
    EXPECT_TRUE(p.Close());
    // Cancel leaves the alarm off; OK stores it on and the rest as it was.
    EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), hour24 ? "00101001000" : "00000001000");
    EXPECT_EQ(ReadValue(kSettingsKey, "SNumSettings"), "1518050002");
    EXPECT_EQ(ReadValue(kSettingsKey, "LNumSettings").substr(12), "0003");
  }
}

int MinuteOfDay(ClockProcess& p) { return int(p.Probe(kProbeHour) * 60 + p.Probe(kProbeMinute)); }

// Local minute `minute` from 7 December 2026, 00:00, as the UTC instant a waitable timer takes (100 ns since 1601).
int64_t DueAt(int minute) {
  SYSTEMTIME local{2026, 12, 0, WORD(7 + minute / 1440), WORD(minute / 60 % 24), WORD(minute % 60), 0, 0}, utc;
  FILETIME f{};
  TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
  SystemTimeToFileTime(&utc, &f);
  return int64_t(f.dwHighDateTime) << 32 | f.dwLowDateTime;
}

TEST_F(AlarmE2E, SnoozeBringsTheAlertBackUntilOk) {
  // AlarmOn at 07:00, 24-hour, Yipe once a ring; snooze 2 minutes; wake for the alarm.
  WriteSettings("00101000000", Repeat(0), "6007000001");
  WriteValue(kSettingsKey, "SnoozeMinutes", "2");
  WriteValue(kSettingsKey, "WakeForAlarm", "1");
  const std::string events = ScratchDir() + "alarm-wake-events.txt";
  DeleteFileA(events.c_str());
  auto wake = [&] {  // the last due time handed to SetWaitableTimer, and its resume flag
    std::string last = "none";
    for (const std::string& l : ReadLines(events)) if (l.rfind("wake ", 0) == 0) last = l.substr(5);
    return last;
  };
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", events.c_str());
  ClockProcess p;  // sixty times faster: a faked minute lasts a second
  HWND alert = StartAndRing(p, PrepareInstall("alarm-snooze", {"Test (logging).dll"}), "2026-12-07 06:59:58 x60");
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", nullptr);
  ASSERT_NE(alert, nullptr);
  ASSERT_TRUE(WaitFor([&] { return capture_.Files().size() == 1; }, 3000));
  ASSERT_TRUE(ClickControl(alert, "&Snooze"));
  ASSERT_TRUE(WaitFor([&] { return FindProcessWindow(p.Pid(), "Alarm!") == nullptr; }, 3000));
  const int snoozed = MinuteOfDay(p);
  const std::string snoozeWake = wake();  // the computer wakes for the snooze's end
  ASSERT_NE(alert = WaitForAlert(p, 6000), nullptr);
  const int back = MinuteOfDay(p);
  const int64_t due = std::atoll(snoozeWake.c_str());
  std::printf("[ measure  ] x60, snooze 2 min: snoozed at 07:%02d, alert back at 07:%02d, wake due 07:%02d + %llds\n",
              snoozed % 60, back % 60, back % 60, static_cast<long long>((due - DueAt(back)) / 10000000));
  EXPECT_TRUE(back - snoozed >= 2 && back - snoozed <= 3 && due >= DueAt(back) && due < DueAt(back + 2)) << back;
  EXPECT_NE(snoozeWake.find(" resume"), std::string::npos);
  EXPECT_TRUE(WaitFor([&] { return capture_.Files().size() == 2; }, 3000));  // the second ring sounds too
  SetForegroundWindow(alert);
  PressKeys(nullptr, {VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
  EXPECT_EQ(wake(), std::to_string(DueAt(1440 + 7 * 60)) + " resume");  // tomorrow's alarm
  ASSERT_TRUE(WaitFor([&] { return MinuteOfDay(p) >= 7 * 60 + 20; }, 30000));
  EXPECT_EQ(p.Probe(kProbeAlarms), 2);  // OK ended it
  EXPECT_EQ(capture_.Files().size(), 2u);
  EXPECT_TRUE(p.Close());
}

TEST_F(AlarmE2E, HeldAcrossTheAlarmRingsLateWithinAnHourOnly) {
  WriteSettings("00101000000", Repeat(0), "6007000001");  // 24-hour, alarm 07:00
  // Let go at 07:05:30 and at 08:01:30 (faked seconds of the day).
  for (int letGo : {(7 * 60 + 5) * 60 + 30, (8 * 60 + 1) * 60 + 30}) {
    ClockProcess p;  // 120 times faster: a faked minute lasts half a second
    ASSERT_TRUE(p.Start("2026-12-07 06:54:00 x120", PrepareInstall("alarm-late", {"Test (logging).dll"})));
    ASSERT_NE(p.WaitForMainWindow(false), nullptr);
    ASSERT_TRUE(WaitFor([&] { return MinuteOfDay(p) == 6 * 60 + 58; }, 10000));
    int heldAt = -1;  // minute and second of one tick: read again when a tick came between the probes
    while (heldAt < 0) {
      const LRESULT second = p.Probe(kProbeSecond);
      const int minute = MinuteOfDay(p);
      if (p.Probe(kProbeSecond) == second) heldAt = minute * 60 + int(second);
    }
    ASSERT_TRUE(p.Hold(true));
    Sleep(DWORD(letGo - heldAt) * 1000 / 120);
    ASSERT_TRUE(p.Hold(false));
    const DWORD letGoTick = GetTickCount();
    HWND alert = WaitForAlert(p, 3000);
    std::printf("[ measure  ] x120, held from 06:58:%02d to %02d:%02d:30: %s %lu ms after\n", heldAt % 60,
                letGo / 3600, letGo / 60 % 60, alert ? "alert" : "no alert", static_cast<unsigned long>(GetTickCount() - letGoTick));
    EXPECT_EQ(alert != nullptr, letGo < 8 * 3600);
    EXPECT_EQ(alert != nullptr, FindControl(alert, "07:00 alarm, 5 minutes late!") != nullptr);
    if (alert) PressKeys(alert, {VK_RETURN});
    EXPECT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
    EXPECT_TRUE(p.Close());
  }
}

// Three alarms at 07:00 (the record's, named in its days value, and two
// further ones around a value no clock can read): one alert names them all;
// OK ends them all. The once alarm is stored off as it rings, the unreadable
// value is left as it was, through the ring and the save at the close.
TEST_F(AlarmE2E, AlarmsOfOneMinuteRingInOneAlertAndTheUnreadableValueStays) {
  WriteSettings("00101000000", Repeat(0), "6007000001");  // 24-hour, alarm 07:00, Yipe once
  AlarmEntry tea, bread;
  tea.On = bread.On = bread.Once = true, tea.Hour = bread.Hour = 7, tea.Name = "Tea", bread.Name = "Bread";
  WriteAlarms({tea, bread}, "1111111|Wake");
  WriteValue(kSettingsKey, "Alarm3", "2|from a later clock");
  WriteValue(kSettingsKey, "Alarm4", EncodeAlarm(bread));
  ClockProcess p;  // sixty times faster: a faked minute lasts a second
  HWND alert = StartAndRing(p, PrepareInstall("alarm-three", {"Test (logging).dll"}), "2026-12-07 06:59:58 x60");
  ASSERT_NE(alert, nullptr);
  EXPECT_NE(FindControl(alert, "Wake, Tea, Bread"), nullptr);
  bread.On = false;
  EXPECT_EQ(ReadValue(kSettingsKey, "Alarm4"), EncodeAlarm(bread));
  SetForegroundWindow(alert);
  PressKeys(nullptr, {VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeAlarmActive) == 0; }, 3000));
  ASSERT_TRUE(WaitFor([&] { return MinuteOfDay(p) >= 7 * 60 + 3; }, 10000));
  EXPECT_EQ(p.Probe(kProbeAlarms), 1);
  EXPECT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "Alarm2"), EncodeAlarm(tea));
  EXPECT_EQ(ReadValue(kSettingsKey, "Alarm3"), "2|from a later clock");
  EXPECT_EQ(ReadValue(kSettingsKey, "Alarm4"), EncodeAlarm(bread));
  EXPECT_EQ(ReadValue(kSettingsKey, "AlarmDays"), "1111111|Wake");
}

// The control that follows the label `label` (the field it names).
HWND FieldAfter(HWND dialog, const std::string& label) {
  const std::vector<ChildWindow> children = ChildWindows(dialog);
  for (size_t i = 0; i + 1 < children.size(); ++i)
    if (children[i].Text == label) return children[i + 1].Hwnd;
  return nullptr;
}

// Three alarms made in "Alarms" (Ctrl+L): the first one's days cut to
// Monday to Friday, a new one on Saturdays at 09:00 and a new once-alarm at
// 13:00 named "Pills". OK stores them before the process is killed; started
// again over a faked Friday and Saturday, they ring on their days only, and
// the once-alarm rings once.
TEST_F(AlarmE2E, AlarmsMadeInTheDialogSurviveAKillAndRingOnTheirDays) {
  WriteSettings("00101000000", Repeat(0), "6007000001");  // 24-hour, the alarm at 07:00 every day, Yipe once
  WriteAlarms();
  const std::string exe = PrepareInstall("alarms-dialog", {"Test (logging).dll"});
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-11 05:00:00", exe));  // a Friday
  HWND main = p.WaitForMainWindow(true);
  ASSERT_NE(main, nullptr);
  SetForegroundWindow(main);
  Sleep(300);
  PressKeys(nullptr, {VK_CONTROL, 'L'});
  HWND alarms = WaitForDialog(p.Pid(), "Alarms", 5000);
  ASSERT_NE(alarms, nullptr);
  Sleep(300);
  SaveScreenshot(OutputDir() + "alarms_dialog.bmp");
  PressKeys(nullptr, {VK_RETURN});  // the first row has the focus: Enter edits it
  HWND editor = WaitForDialog(p.Pid(), "Edit alarm", 5000);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(ClickControl(editor, "Sat") && ClickControl(editor, "Sun"));
  EXPECT_TRUE(ClickControl(editor, "&OK"));
  auto make = [&](const char* hour, std::initializer_list<const char*> dayClicks, const char* name) {
    PostMessageA(FindControl(alarms, "&New..."), BM_CLICK, 0, 0);
    HWND e = WaitForDialog(p.Pid(), "New alarm", 5000);
    ASSERT_NE(e, nullptr);
    SendMessageW(FieldAfter(e, "Hour"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(hour).c_str()));
    SendMessageW(FieldAfter(e, "&Name"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    for (const char* day : dayClicks) EXPECT_TRUE(ClickControl(e, day)) << day;
    EXPECT_TRUE(ClickControl(e, "&OK"));
    EXPECT_TRUE(WaitFor([&] { return FindProcessWindow(p.Pid(), "New alarm") == nullptr; }, 3000));
  };
  make("9", {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri"}, "");
  make("13", {"Only once"}, "Pills");
  SaveScreenshot(OutputDir() + "alarms_dialog_three.bmp");
  ASSERT_TRUE(ClickControl(alarms, "&OK"));
  // Stored as OK closes the dialog: the process killed then loses nothing.
  EXPECT_TRUE(WaitFor([&] { return ReadValue(kSettingsKey, "Alarm3") != "<absent>"; }, 3000));
  p.Kill();
  EXPECT_EQ(FirstAlarm(ClockSettings{}, ReadValue(kSettingsKey, kAlarmDaysValue)).Days, kWeekdays);
  const std::optional<AlarmEntry> saturday = DecodeAlarm(ReadValue(kSettingsKey, "Alarm2"));
  const std::optional<AlarmEntry> pills = DecodeAlarm(ReadValue(kSettingsKey, "Alarm3"));
  ASSERT_TRUE(saturday && pills);
  EXPECT_TRUE(saturday->On && !saturday->Once && saturday->Hour == 9 && saturday->Days == 0x40);
  EXPECT_TRUE(pills->On && pills->Once && pills->Hour == 13 && pills->Minute == 0 && pills->Name == "Pills");

  // 2400 times faster (a faked hour in 1.5 s), the tick every 10 ms: Friday
  // from 06:00 to 13:30, then Saturday from 06:30 to 13:30 in a second run.
  const int64_t friday = DaysFromCivil(2026, 12, 11) * 1440;
  std::vector<int64_t> rung;  // minutes from Friday 00:00
  bool pillsNamed = false;
  auto run = [&](const char* from, int day, int untilMinute) {
    SetEnvironmentVariableA("ORLAVOX_TEST_TICK_MS", "10");
    ClockProcess q;
    ASSERT_TRUE(q.Start(from, exe));
    SetEnvironmentVariableA("ORLAVOX_TEST_TICK_MS", nullptr);
    ASSERT_NE(q.WaitForMainWindow(true), nullptr);
    const DWORD started = GetTickCount();
    while (q.Probe(kProbeDay) < day || MinuteOfDay(q) < untilMinute) {
      ASSERT_LT(GetTickCount() - started, 30000u);
      HWND alert = WaitForAlert(q, 200);
      if (!alert) continue;
      rung.push_back(std::atoll(ReadValue(kSettingsKey, "AlarmRung").c_str()) - friday);
      if (rung.back() == 13 * 60) pillsNamed = FindControl(alert, "Pills") != nullptr;
      ClickControl(alert, "OK");
      ASSERT_TRUE(WaitFor([&] { return q.Probe(kProbeAlarmActive) == 0; }, 3000));
    }
    EXPECT_TRUE(q.Close());
  };
  run("2026-12-11 06:00:00 x2400", 11, 13 * 60 + 30);
  const std::optional<AlarmEntry> pillsAfter = DecodeAlarm(ReadValue(kSettingsKey, "Alarm3"));
  ASSERT_TRUE(pillsAfter);
  EXPECT_FALSE(pillsAfter->On);  // rang once, then switched itself off
  EXPECT_EQ(pillsAfter->Name, "Pills");
  run("2026-12-12 06:30:00 x2400", 12, 13 * 60 + 30);
  EXPECT_EQ(rung, (std::vector<int64_t>{7 * 60, 13 * 60, 1440 + 9 * 60}));
  EXPECT_TRUE(pillsNamed);
}

}  // namespace
}  // namespace orlavox::e2e
