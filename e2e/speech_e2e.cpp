// Announcements of the running program, with the test voices.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "e2e/harness.h"
#include "settings/clock_settings.h"
#include "win/wide_text.h"

namespace orlavox::e2e {
namespace {

class SpeechE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    log_ = ScratchDir() + "voice-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", log_.c_str());
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", "3000");
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOAD_MS", nullptr);
  }
  void TearDown() override { ResetRegistry(); }

  int Count(const std::string& word) {
    const auto lines = ReadLines(log_);
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.find(word) != std::string::npos; }));
  }
  // Starts the copy and waits for its window; fails the test when it does not show.
  HWND StartVisible(ClockProcess& p, const std::string& exe, const std::string& clock = "") {
    EXPECT_TRUE(p.Start(clock, exe));
    HWND w = p.WaitForMainWindow(true);
    EXPECT_NE(w, nullptr) << "message box: " << MessageBoxText(p.Pid());
    return w;
  }
  std::string log_;
};

TEST_F(SpeechE2E, HotKeyTwiceQuicklySpeaksOnce) {
  WriteSettings("00000000001", "0100010001000000", "6000000000");  // GlobalShortcut
  const std::string exe = PrepareInstall("hotkey", {"Test (sleeping).dll"});
  ClockProcess p;
  ASSERT_NE(StartVisible(p, exe), nullptr);
  EXPECT_EQ(p.Probe(kProbeVoiceLoaded), 1);
  PressSpeechHotKey();
  Sleep(150);
  PressSpeechHotKey();
  ASSERT_TRUE(WaitFor([&] { return Count("begin") >= 1; }, 5000));
  EXPECT_EQ(p.Probe(kProbeSpeechBusy), 1);
  EXPECT_EQ(p.Probe(kProbeAnnounceButtonEnabled), 0);  // disabled while speaking
  EXPECT_EQ(p.Probe(kProbeLangSelButtonEnabled), 0);
  EXPECT_EQ(p.Probe(kProbeSpeechEnabled), 0);
  ASSERT_TRUE(WaitFor([&] { return Count("end") >= 1 && p.Probe(kProbeSpeechBusy) == 0; }, 8000));
  EXPECT_EQ(Count("begin"), 1);
  EXPECT_EQ(p.Probe(kProbeAnnouncements), 1);
  EXPECT_EQ(p.Probe(kProbeAnnounceButtonEnabled), 1);
  EXPECT_EQ(p.Probe(kProbeLangSelButtonEnabled), 1);
  EXPECT_TRUE(p.Close());
}

TEST_F(SpeechE2E, HotKeyOffDoesNothing) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("hotkey-off", {"Test (logging).dll"});
  ClockProcess p;
  ASSERT_NE(StartVisible(p, exe), nullptr);
  PressSpeechHotKey();
  Sleep(1500);
  EXPECT_EQ(Count("spoke"), 0);
  EXPECT_EQ(p.Probe(kProbeAnnouncements), 0);
  EXPECT_TRUE(p.Close());
}

TEST_F(SpeechE2E, PeriodicAnnouncementAtMinuteFifteen) {
  WriteSettings("00010000000", "0100010001000000", "1500000000");  // AnnounceOn, every 15 minutes
  const std::string exe = PrepareInstall("periodic", {"Test (logging).dll"});
  ClockProcess p;
  ASSERT_NE(StartVisible(p, exe, "2026-12-07 10:14:57"), nullptr);
  Sleep(500);
  EXPECT_EQ(Count("spoke"), 0);  // 10:14 is no announcement minute
  ASSERT_TRUE(WaitFor([&] { return Count("spoke") == 1; }, 8000));
  EXPECT_EQ(p.Probe(kProbeMinute), 15);
  Sleep(1500);
  EXPECT_EQ(Count("spoke"), 1);  // once in the minute
  EXPECT_TRUE(p.Close());
}

TEST_F(SpeechE2E, AnnouncementDueWhileSpeakingIsSkipped) {
  // Every minute, with the clock at 30 times speed: a minute every two seconds,
  // while the sleeping voice takes five.
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", "5000");
  WriteSettings("00010000000", "0100010001000000", "0100000000");
  const std::string exe = PrepareInstall("skipped", {"Test (sleeping).dll"});
  ClockProcess p;
  ASSERT_NE(StartVisible(p, exe, "2026-12-07 10:00:01 x30"), nullptr);
  Sleep(11000);
  const int minutes = int(p.Probe(kProbeMinute));
  EXPECT_TRUE(p.Close(20000));
  const auto lines = ReadLines(log_);
  // Never two at once: begin and end alternate.
  for (size_t i = 0; i < lines.size(); ++i)
    EXPECT_NE(lines[i].find(i % 2 == 0 ? "begin" : "end"), std::string::npos) << i << ": " << lines[i];
  std::printf("clock reached minute %d, %d announcements\n", minutes, Count("begin"));
  EXPECT_GE(Count("begin"), 2);
  EXPECT_LE(Count("begin"), 3);
  EXPECT_GE(minutes, 5);
}

TEST_F(SpeechE2E, ExitWhileSpeakingClosesWhenTheVoiceEnds) {
  WriteSettings("00000000001", "0100010001000000", "6000000000");
  WriteValue(kSettingsKey, "SelLang", "x");  // reads as 0, is saved as "0"
  const std::string exe = PrepareInstall("exit-speaking", {"Test (sleeping).dll"});
  ClockProcess p;
  HWND w = StartVisible(p, exe);
  ASSERT_NE(w, nullptr);
  PressSpeechHotKey();
  ASSERT_TRUE(WaitFor([&] { return Count("begin") == 1; }, 5000));
  PostMessageA(w, WM_CLOSE, 0, 0);  // as "E&xit" does
  Sleep(1000);
  EXPECT_TRUE(p.Running());
  EXPECT_EQ(p.Probe(kProbeCloseRequested), 1);
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "x");  // not saved yet
  ASSERT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(Count("end"), 1);
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "0");
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), "00000000001");
}

// A voice that never returns: the clock goes on ticking, and a close waits
// for it only so long, then saves the settings and ends without it.
TEST_F(SpeechE2E, HungVoiceStillLetsTheUserExit) {
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", "4294967295");  // INFINITE
  WriteSettings("00000000001", "0100010001000000", "6000000000");
  WriteValue(kSettingsKey, "SelLang", "x");  // reads as 0, is saved as "0"
  const std::string exe = PrepareInstall("hung", {"Test (sleeping).dll"});
  ClockProcess p;
  HWND w = StartVisible(p, exe, "2026-12-07 10:00:00 x10");
  ASSERT_NE(w, nullptr);
  PressSpeechHotKey();
  ASSERT_TRUE(WaitFor([&] { return Count("begin") == 1; }, 5000));
  const LRESULT minute = p.Probe(kProbeMinute);
  PostMessageA(w, WM_CLOSE, 0, 0);
  Sleep(7000);
  EXPECT_TRUE(p.Running());  // still waiting, as for any voice
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "x");
  EXPECT_NE(p.Probe(kProbeMinute), minute);  // the clock ticks meanwhile
  ASSERT_TRUE(p.WaitExit(8000));
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "0");
  EXPECT_EQ(Count("end"), 0);
}

// Log-off while the voice hangs: the session end is not held up, and the
// settings are saved as a close would save them.
TEST_F(SpeechE2E, SessionEndSavesTheSettings) {
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", "4294967295");
  WriteSettings("00000000001", "0100010001000000", "6000000000");
  WriteValue(kSettingsKey, "SelLang", "x");
  const std::string exe = PrepareInstall("logoff", {"Test (sleeping).dll"});
  ClockProcess p;
  HWND w = StartVisible(p, exe);
  ASSERT_NE(w, nullptr);
  PressSpeechHotKey();
  ASSERT_TRUE(WaitFor([&] { return Count("begin") == 1; }, 5000));
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &answer));
  EXPECT_EQ(answer, TRUE);
  ASSERT_TRUE(SendMessageTimeoutA(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 2000, &answer));
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "0");
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), "00000000001");
  EXPECT_TRUE(p.WaitExit(5000));
}

// Voices that fail inside Speak: each announcement ends, the clock goes on.
TEST_F(SpeechE2E, FaultingVoiceLeavesTheClockRunning) {
  for (const char* voice : {"Test (access violation).dll", "Test (division by zero).dll", "Test (exception).dll",
                            "Test (stack overflow).dll", "Test (exit thread).dll"}) {
    SCOPED_TRACE(voice);
    DeleteFileA(log_.c_str());
    WriteSettings("00000000001", "0100010001000000", "6000000000");
    const std::string exe = PrepareInstall("faulting", {voice});
    ClockProcess p;
    ASSERT_NE(StartVisible(p, exe), nullptr);
    PressSpeechHotKey();
    ASSERT_TRUE(WaitFor([&] { return Count("fault") == 1; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return p.Probe(kProbeSpeechBusy) == 0; }, 5000));
    EXPECT_TRUE(p.Running());
    EXPECT_EQ(p.Probe(kProbeAnnounceButtonEnabled), 1);
    EXPECT_EQ(p.Probe(kProbeSpeechEnabled), 1);
    PressSpeechHotKey();  // and again
    EXPECT_TRUE(WaitFor([&] { return Count("fault") == 2 && p.Probe(kProbeSpeechBusy) == 0; }, 5000));
    EXPECT_TRUE(p.Close());
  }
}

// A program folder whose name the ANSI code page cannot spell: the voice is
// found, loaded and heard, with no message.
TEST_F(SpeechE2E, ProgramFolderInAnyScript) {
  WriteSettings("00000000001", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("\xE6\x99\x82\xE8\xA8\x88 Orlavox", {"Test (logging).dll"});  // "時計 Orlavox"
  ClockProcess p;
  ASSERT_NE(StartVisible(p, exe), nullptr);
  EXPECT_EQ(p.Probe(kProbeVoiceLoaded), 1);
  PressSpeechHotKey();
  EXPECT_TRUE(WaitFor([&] { return Count("spoke") == 1; }, 5000));
  EXPECT_TRUE(p.Close());
}

TEST_F(SpeechE2E, BrokenVoicesAreReportedAndAnotherCanBeChosen) {
  struct Case {
    const char* plugin;
    const char* message;
  } cases[] = {
      {"Test (no Speak).dll", "Error in Test (no Speak).DLL - time announcements will not be available."},
      {"Test (not a library).dll", "Could not load Test (not a library).DLL - time announcements will not be available."},
      {"Test (refusing DllMain).dll", "Could not load Test (refusing DllMain).DLL - time announcements will not be available."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.plugin);
    WriteSettings("00000000000", "0100010001000000", "6000000000");
    const std::string exe = PrepareInstall("broken", {c.plugin, "Test (logging).dll"});
    // "Test (logging)" sorts first: store the broken one's index, 1.
    WriteValue(kSettingsKey, "SelLang", "1");
    ClockProcess p;
    ASSERT_TRUE(p.Start("", exe));
    ASSERT_TRUE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 15000));
    EXPECT_EQ(MessageBoxText(p.Pid()), c.message);
    ASSERT_TRUE(DismissMessageBox(p.Pid()));
    ASSERT_NE(p.WaitForMainWindow(true), nullptr);
    EXPECT_EQ(p.Probe(kProbeVoiceLoaded), 0);
    EXPECT_EQ(p.Probe(kProbeAnnounceButtonEnabled), 0);
    EXPECT_EQ(p.Probe(kProbeSpeechEnabled), 0);
    EXPECT_EQ(p.Probe(kProbeLangSelButtonEnabled), 1);  // another voice can be chosen
    EXPECT_TRUE(p.Close());
  }
}

// A voice whose loading never returns costs one start: the next one passes it
// over, stores the voice it loads instead before loading it, and says so once
// the window shows. When that voice hangs too, the third start goes on to a
// third voice, not back to the first.
TEST_F(SpeechE2E, VoicesThatHangWhileLoadingCostOneStartEach) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("hanging", {"Test (hanging DllMain).dll", "Test (logging).dll"});
  const std::string voices = exe.substr(0, exe.size() - 11) + "voice\\";
  ASSERT_TRUE(CopyFileW(Wide(voices + "Test (hanging DllMain).dll").c_str(),
                        Wide(voices + "Test (hanging DllMain, again).dll").c_str(), FALSE));
  WriteValue(kSettingsKey, "SelLang", "0");  // "Test (hanging DllMain)", then "..., again)", then "Test (logging)"
  auto markedVoice = [] {
    const std::string mark = ReadValue(kSettingsKey, kVoiceLoadingValue);
    return mark.substr(0, mark.find('|'));
  };
  for (const char* hung : {"Test (hanging DllMain)", "Test (hanging DllMain, again)"}) {
    ClockProcess stuck;
    ASSERT_TRUE(stuck.Start("", exe));
    EXPECT_TRUE(WaitFor([&] { return markedVoice() == hung; }, 15000)) << markedVoice();
    EXPECT_EQ(stuck.WaitForMainWindow(true, 2000), nullptr);
    stuck.Kill();
  }
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "1");
  ClockProcess p;
  const DWORD start = GetTickCount();
  ASSERT_TRUE(p.Start("", exe));
  ASSERT_NE(p.WaitForMainWindow(true, 20000), nullptr);
  ASSERT_TRUE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 5000));
  std::printf("[ measure  ] third start: window and message after %lu ms\n", GetTickCount() - start);
  EXPECT_EQ(MessageBoxText(p.Pid()),
            "Skipped Test (hanging DllMain, again).DLL - it did not finish loading at the last start.");
  ASSERT_TRUE(DismissMessageBox(p.Pid()));
  EXPECT_EQ(p.Probe(kProbeSelectedLanguage) * 10 + p.Probe(kProbeVoiceLoaded), 21);
  EXPECT_FALSE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 1500));  // told once
  EXPECT_EQ(ReadValue(kSettingsKey, kVoiceLoadingValue), "<absent>");
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "2");
}

// Two starts at once (a double click, the log-on start beside another): the
// second finds the first still loading its voice and leaves that alone: both
// load the user's choice, neither says a word, and the choice is kept.
TEST_F(SpeechE2E, TwoStartsAtOnceKeepTheChoice) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("two-starts", {"Test (logging).dll", "Test (sleeping).dll"});
  WriteValue(kSettingsKey, "SelLang", "1");  // "Test (sleeping)"
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOAD_MS", "3000");
  ClockProcess a, b;
  ASSERT_TRUE(a.Start("", exe));
  // The second start once the first has marked its voice (some 100 ms later).
  ASSERT_TRUE(WaitFor([&] { return ReadValue(kSettingsKey, kVoiceLoadingValue) != "<absent>"; }, 15000));
  ASSERT_TRUE(b.Start("", exe));
  for (ClockProcess* p : {&a, &b}) {
    EXPECT_NE(p->WaitForMainWindow(true, 20000), nullptr);
    EXPECT_FALSE(WaitFor([&] { return !MessageBoxText(p->Pid()).empty(); }, 1500)) << MessageBoxText(p->Pid());
    EXPECT_EQ(p->Probe(kProbeSelectedLanguage) * 10 + p->Probe(kProbeVoiceLoaded), 11);
  }
  EXPECT_TRUE(a.Close());
  EXPECT_TRUE(b.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "SelLang"), "1");
  EXPECT_EQ(ReadValue(kSettingsKey, kVoiceLoadingValue), "<absent>");
}

TEST_F(SpeechE2E, EmptyVoiceFolderGivesNoLanguage) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("empty", {});
  ClockProcess p;
  ASSERT_TRUE(p.Start("", exe));
  ASSERT_TRUE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 15000));
  EXPECT_EQ(MessageBoxText(p.Pid()), "Could not load [No language].DLL - time announcements will not be available.");
  ASSERT_TRUE(DismissMessageBox(p.Pid()));
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  EXPECT_EQ(p.Probe(kProbeLanguageCount), 1);
  EXPECT_TRUE(p.Close());
}

TEST_F(SpeechE2E, MissingVoiceFolderIsCreated) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("no-folder", {"none"});
  ClockProcess p;
  ASSERT_TRUE(p.Start("", exe));
  ASSERT_TRUE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 15000));
  EXPECT_NE(MessageBoxText(p.Pid()).find("[No language]"), std::string::npos);
  const DWORD attributes = GetFileAttributesA((exe.substr(0, exe.size() - 11) + "voice").c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  ASSERT_TRUE(DismissMessageBox(p.Pid()));
  EXPECT_TRUE(p.Close());
}

}  // namespace
}  // namespace orlavox::e2e

namespace orlavox::e2e {
namespace {

// A file named "voice" where the folder should be: it cannot be created.
TEST_F(SpeechE2E, VoiceFolderThatCannotBeCreated) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  const std::string exe = PrepareInstall("folder-blocked", {"none"});
  const std::string blocker = exe.substr(0, exe.size() - 11) + "voice";
  HANDLE f = CreateFileA(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  CloseHandle(f);
  ClockProcess p;
  ASSERT_TRUE(p.Start("", exe));
  ASSERT_TRUE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 15000));
  EXPECT_EQ(MessageBoxText(p.Pid()), "Fatal error: Could not create \"voice\" folder");
  ASSERT_TRUE(DismissMessageBox(p.Pid()));
  ASSERT_TRUE(WaitFor([&] { return !MessageBoxText(p.Pid()).empty(); }, 15000));
  EXPECT_NE(MessageBoxText(p.Pid()).find("Could not load [No language].DLL"), std::string::npos);
  ASSERT_TRUE(DismissMessageBox(p.Pid()));
  EXPECT_NE(p.WaitForMainWindow(true), nullptr);  // the clock starts all the same
  EXPECT_TRUE(p.Close());
  DeleteFileA(blocker.c_str());
}

TEST_F(SpeechE2E, QuietHoursHoldBackOnlyThePeriodicAnnouncement) {
  const std::string events = ScratchDir() + "quiet-hours-events.log";
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", events.c_str());
  SetEnvironmentVariableA("ORLAVOX_TEST_TICK_MS", "10");  // at x600 a faked minute lasts 100 ms: ten ticks
  for (const char* quiet : {"2200-0700", ""}) {
    SCOPED_TRACE(quiet);
    DeleteFileA(events.c_str());
    DeleteFileA(log_.c_str());
    ResetRegistry();
    WriteSettings("00010000001", "0100010001000000", "6000000000");  // AnnounceOn every 60 minutes, GlobalShortcut
    WriteValue(kSettingsKey, "QuietHours", quiet);
    ClockProcess p;
    ASSERT_NE(StartVisible(p, PrepareInstall("quiet-hours", {"Test (logging).dll"}), "2026-12-07 22:20:00 x600"), nullptr);
    PressSpeechHotKey();  // inside the quiet hours
    EXPECT_TRUE(WaitFor([&] { return Count("spoke") == 1; }, 3000));
    const LRESULT day = *quiet ? 8 : 7, hour = *quiet ? 7 : 23;
    ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeDay) == day && p.Probe(kProbeHour) == hour && p.Probe(kProbeMinute) >= 2; }, 90000));
    EXPECT_TRUE(p.Close());
    std::string announced, passed;  // the tray's minutes show the clock did pass 23:00
    for (const std::string& line : ReadLines(events))
      if (line.rfind("announce ", 0) == 0 || line == "tray 07 23:00") (line[0] == 'a' ? announced : passed) += line;
    std::printf("[ measure  ] quiet hours '%s', 22:20 to %02ld:02 at x600: %s\n", quiet, long(hour), announced.c_str());
    EXPECT_EQ(passed, "tray 07 23:00");
    EXPECT_EQ(announced, *quiet ? "announce 08 07:00" : "announce 07 23:00");
  }
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", nullptr);
  SetEnvironmentVariableA("ORLAVOX_TEST_TICK_MS", nullptr);
}

// A window of the test's own over the whole monitor, in front.
struct FullMonitorWindow {
  HWND Hwnd = nullptr;
  FullMonitorWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "OrlavoxE2EFullMonitor";
    RegisterClassA(&wc);
    MONITORINFO m{};
    m.cbSize = sizeof m;
    GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &m);
    const RECT& r = m.rcMonitor;
    Hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Full monitor", WS_POPUP | WS_VISIBLE, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(Hwnd);
  }
  ~FullMonitorWindow() { DestroyWindow(Hwnd); }
};

TEST_F(SpeechE2E, AFullMonitorWindowInFrontHoldsTheAnnouncementBackTheDesktopDoesNot) {
  // Windows says "busy" for any borderless maximised window and, on some
  // machines, for the bare desktop; Wine says "accepts notifications" even
  // with this window in front. The clock checks the window in front.
  SetEnvironmentVariableA("ORLAVOX_TEST_NOTIFICATION_STATE", "2");
  for (bool cover : {true, false}) {
    SCOPED_TRACE(cover ? "full-monitor window" : "none (Wine's desktop has no shell window)");
    DeleteFileA(log_.c_str());
    ResetRegistry();
    WriteSettings("00010000001", "0100010001000000", "6000000000");  // AnnounceOn every 60 minutes
    ClockProcess p;
    ASSERT_NE(StartVisible(p, PrepareInstall("full-screen", {"Test (logging).dll"}), "2026-12-07 22:59:30 x10"), nullptr);
    std::unique_ptr<FullMonitorWindow> screen(cover ? new FullMonitorWindow : nullptr);
    auto pump = [] {
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    };
    if (screen) ASSERT_TRUE(WaitFor([&] { return pump(), GetForegroundWindow() == screen->Hwnd; }, 3000));
    ASSERT_LT(p.Probe(kProbeHour), 23);  // the cover stood before 23:00
    ASSERT_TRUE(WaitFor([&] { return pump(), p.Probe(kProbeHour) == 23 && p.Probe(kProbeMinute) >= 1; }, 20000));
    EXPECT_TRUE(WaitFor([&] { return p.Probe(kProbeSpeechBusy) == 0; }, 8000));
    EXPECT_TRUE(p.Close());
    EXPECT_EQ(Count("spoke"), cover ? 0 : 1);
  }
  SetEnvironmentVariableA("ORLAVOX_TEST_NOTIFICATION_STATE", nullptr);
}

}  // namespace
}  // namespace orlavox::e2e
