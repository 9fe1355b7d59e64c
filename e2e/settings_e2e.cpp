// The settings dialog of the running program: opened with Ctrl+S, every
// choice applied at once on OK, nothing changed on Cancel or Escape.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/fake_clock.h"
#include "e2e/harness.h"
#include "resources/lang_text.h"
#include "settings/clock_settings.h"

namespace orlavox::e2e {
namespace {

const char* const kChecks[] = {"Windowless (no title bar)", "24 hr format",           "Always on top",
                               "Transparent buttons",       "Start clock with Windows", "Start minimized in tray",
                               "Show program in taskbar",   "Enable global shortcut"};

BOOL CALLBACK FindEdit(HWND h, LPARAM lp) {
  char cls[16];
  GetClassNameA(h, cls, sizeof cls);
  if (lstrcmpiA(cls, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(lp) = h;
  return FALSE;
}

class SettingsE2E : public ::testing::Test {
 protected:
  void SetUp() override { ResetRegistry(); }
  void TearDown() override { ResetRegistry(); }

  // Ctrl+S on the main window; the dialog it opens.
  HWND OpenSettings(ClockProcess& p) {
    HWND w = p.MainWindow();
    EXPECT_TRUE(TypeKeys(w, {VK_CONTROL, 'S'}));
    return WaitForDialog(p.Pid(), "Settings");
  }
  // Ticks every check box and raises the interval by three steps.
  void ChangeEverything(HWND dialog) {
    for (const char* c : kChecks) EXPECT_TRUE(ClickControl(dialog, c)) << c;
    HWND edit = nullptr;
    EnumChildWindows(dialog, &FindEdit, reinterpret_cast<LPARAM>(&edit));
    ASSERT_NE(edit, nullptr);
    const std::string text = ControlText(edit);
    const std::string raised = std::to_string(atoi(text.c_str()) + 300);
    for (int i = 0; i < 3; ++i) PostKey(edit, VK_UP);
    EXPECT_TRUE(WaitFor([&] { return FindControl(dialog, raised) == edit; }, 3000)) << text << " -> " << raised;
  }
};


// A language's texts as its strings file holds them (ORLAVOX_LANG_DIR), in the order of Str.
std::vector<std::string> LanguageTexts(const std::string& code) {
  char dir[MAX_PATH] = "";
  GetEnvironmentVariableA("ORLAVOX_LANG_DIR", dir, sizeof dir);
  std::ifstream in(std::string(dir) + "\\" + code + ".txt", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return TextsOf(ParseLangFile(bytes.str()));
}

// Every window in the user's language, run as a German user by the ctest
// e2e_german (LANG=de_DE.UTF-8): each dialog's caption and one of its texts
// as de.txt has them. "Polski" chosen in More options shows the next dialog
// in Polish at once.
TEST_F(SettingsE2E, WindowsSpeakTheUsersLanguage) {
  if (GetUserDefaultUILanguage() != 0x407) GTEST_SKIP() << "run as a German user by the ctest e2e_german";
  const std::vector<std::string> de = LanguageTexts("de"), pl = LanguageTexts("pl"), en = TextsOf(LangFile{});
  // A German text; not the English one (a key de.txt lacks would show English).
  auto German = [&](Str s) {
    EXPECT_NE(de[size_t(s)], en[size_t(s)]) << kStrKeys[size_t(s)];
    return de[size_t(s)];
  };
  {  // A first run: the welcome notice.
    ClockProcess p;
    ASSERT_TRUE(p.Start());
    HWND welcome = WaitForDialog(p.Pid(), German(Str::welcome_caption));
    ASSERT_NE(welcome, nullptr);
    EXPECT_NE(FindControl(welcome, German(Str::welcome_StaticText1)), nullptr);
    EXPECT_TRUE(ClickControl(welcome, de[size_t(Str::welcome_BitBtn1)]));
    EXPECT_TRUE(p.Close());
  }
  WriteSettings("00001001000", "0100010001000000", "6007000001");  // the alarm at 07:00, the taskbar button
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 06:59:58"));
  HWND alert = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (alert = FindProcessWindow(p.Pid(), German(Str::alert_caption).c_str())); }, 8000));
  EXPECT_NE(FindControl(alert, German(Str::alert_Label2)), nullptr);
  EXPECT_TRUE(ClickControl(alert, de[size_t(Str::alert_BitBtn1)]));
  HWND main = p.WaitForMainWindow(true);
  ASSERT_NE(main, nullptr);
  EXPECT_NE(FindControl(main, German(Str::main_AlarmButton_hint)), nullptr);  // the button's name

  struct Dialog {
    WORD Key;
    Str Caption, Text, Close;
  };
  for (const Dialog& d : {Dialog{'S', Str::settings_caption, Str::settings_OnTopCheck, Str::settings_BitBtn2},
                          Dialog{'A', Str::alarm_caption, Str::alarm_AlarmAnnCheck, Str::alarm_BitBtn2},
                          Dialog{'O', Str::options_caption, Str::options_QuietCheck, Str::options_BitBtn2},
                          Dialog{'L', Str::alarms_caption, Str::alarms_DeleteButton, Str::alarms_CancelButton}}) {
    ASSERT_TRUE(TypeKeys(main, {VK_CONTROL, d.Key}));
    HWND dialog = WaitForDialog(p.Pid(), German(d.Caption));
    ASSERT_NE(dialog, nullptr) << de[size_t(d.Caption)];
    EXPECT_NE(FindControl(dialog, German(d.Text)), nullptr);
    if (d.Key == 'A') {  // a letter typed into the hour: the error box
      HWND hour = nullptr;
      EnumChildWindows(dialog, &FindEdit, reinterpret_cast<LPARAM>(&hour));
      PostMessageW(hour, WM_CHAR, 'x', 1);
      EXPECT_TRUE(WaitFor([&] { return MessageBoxText(p.Pid()) == German(Str::msg_notNumeric); }, 5000));
      EXPECT_NE(FindProcessWindow(p.Pid(), German(Str::msg_errorCaption).c_str()), nullptr);
      EXPECT_TRUE(DismissMessageBox(p.Pid()));
    }
    EXPECT_TRUE(ClickControl(dialog, German(d.Close)));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
  }
  POINT options{110 + 20, 102 + 11};  // the middle of the Options button
  ClientToScreen(main, &options);
  auto fromMenu = [&](std::initializer_list<WORD> keys, Str caption) {
    HWND dialog = nullptr;
    PickFromMenu([&] { ClickAt(options.x, options.y); }, keys,
                 [&] { return (dialog = WaitForDialog(p.Pid(), German(caption), 200)) != nullptr; });
    return dialog;
  };
  const WORD D = VK_DOWN;
  HWND about = fromMenu({D, D, D, D, D, D, D, D, D, VK_RETURN}, Str::about_caption);
  ASSERT_NE(about, nullptr);
  EXPECT_NE(FindControl(about, German(Str::about_StaticText5)), nullptr);
  EXPECT_TRUE(ClickControl(about, de[size_t(Str::about_BitBtn1)]));
  HWND edition = fromMenu({D, D, D, D, D, D, D, D, D, D, VK_RETURN}, Str::edition_caption);
  ASSERT_NE(edition, nullptr);
  EXPECT_NE(FindControl(edition, German(Str::edition_StaticText1)), nullptr);
  EXPECT_TRUE(ClickControl(edition, German(Str::edition_CloseButton)));

  // Polski, the last of the list, chosen: the next dialog is Polish, and so is the face's weekday.
  auto weekdayOnScreen = [&] {
    POINT o{0, 0};
    ClientToScreen(main, &o);
    HDC screen = GetDC(nullptr);
    unsigned sum = 0;
    for (int y = 82; y < 96; ++y)
      for (int x = 21; x < 195; ++x) sum = sum * 31 + GetPixel(screen, o.x + x, o.y + y);
    ReleaseDC(nullptr, screen);
    return sum;
  };
  const unsigned germanWeekday = weekdayOnScreen();
  ASSERT_TRUE(TypeKeys(main, {VK_CONTROL, 'O'}));
  HWND more = WaitForDialog(p.Pid(), de[size_t(Str::options_caption)]);
  ASSERT_NE(more, nullptr);
  HWND list = FindControl(more, German(Str::options_LanguageCombo_Automatic));
  ASSERT_NE(list, nullptr);
  PostKey(list, VK_END);
  EXPECT_TRUE(WaitFor([&] { return ControlText(list) == InfoOf(Language::Polish).OwnName; }, 3000));
  EXPECT_TRUE(ClickControl(more, de[size_t(Str::options_BitBtn1)]));
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(more); }, 5000));
  EXPECT_EQ(ReadValue(kSettingsKey, "WindowLanguage"), "pl");
  EXPECT_TRUE(WaitFor([&] { return weekdayOnScreen() != germanWeekday; }, 3000));
  ASSERT_TRUE(TypeKeys(main, {VK_CONTROL, 'S'}));
  HWND settings = WaitForDialog(p.Pid(), pl[size_t(Str::settings_caption)]);
  ASSERT_NE(settings, nullptr);
  EXPECT_NE(FindControl(settings, pl[size_t(Str::settings_GroupBox1)]), nullptr);  // "Wyświetlanie"
  SaveScreenshot(OutputDir() + "settings-pl.bmp");
  EXPECT_TRUE(ClickControl(settings, pl[size_t(Str::settings_BitBtn2)]));
  EXPECT_TRUE(p.Close());
}

// Whether Ctrl+Alt+S is taken by a program (ours) right now.
bool SpeechHotKeyTaken() {
  if (!RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, 'S')) return true;
  UnregisterHotKey(nullptr, 0x7001);
  return false;
}

// A checksum of the hour digits and AM/PM cell as shown on the screen.
unsigned HourCellsOnScreen(HWND w) {
  POINT o{0, 0};
  ClientToScreen(w, &o);
  HDC screen = GetDC(nullptr);
  unsigned sum = 0;
  for (int y = 36; y < 83; y += 2)
    for (int x = 18; x < 81; x += 2) sum = sum * 31 + GetPixel(screen, o.x + x, o.y + y);
  ReleaseDC(nullptr, screen);
  return sum;
}

TEST_F(SettingsE2E, OkAppliesEveryChoiceAtOnce) {
  // Frameless big display, 12-hour clock, raised buttons, nothing else on; 100 ms.
  WriteSettings("00000010000", "0100010001000000", "6000000000");
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 21:07:00"));
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  HWND app = FindProcessWindow(p.Pid(), nullptr, "OrlavoxApplication", false);
  Sleep(500);
  const unsigned hours12 = HourCellsOnScreen(w);
  EXPECT_FALSE(SpeechHotKeyTaken());

  HWND d = OpenSettings(p);
  ASSERT_NE(d, nullptr) << "Ctrl+S opened no settings dialog";
  EXPECT_EQ(SendMessageA(FindControl(d, "Windowless (no title bar)"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(FindControl(d, "24 hr format"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  ChangeEverything(d);
  EXPECT_TRUE(SaveScreenshot(OutputDir() + "settings-dialog.bmp"));
  ASSERT_TRUE(ClickControl(d, "&OK"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }, 5000));
  // Written at OK, with the log-on entry, once every choice has been applied.
  EXPECT_TRUE(WaitFor([] { return ReadValue(kSettingsKey, "BinSettings") == "11100101101"; }, 5000));
  EXPECT_NE(ReadValue(kRunKey, kRunValue).find("Orlavox.exe"), std::string::npos);

  // Applied as the dialog closes, without waiting for the clock to change:
  // the clock applies the choices after the dialog is gone, the redrawn hour
  // last of all.
  EXPECT_TRUE(WaitFor([&] { return HourCellsOnScreen(w) != hours12; }, 2000));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_NE(GetWindowLongA(w, GWL_STYLE) & WS_CAPTION, 0);  // framed now
  EXPECT_EQ(r.right - r.left, 298);
  EXPECT_NE(HourCellsOnScreen(w), hours12);  // "9 PM" became "21"
  EXPECT_EQ(p.Probe(kProbeButtonsFlat), 1);
  EXPECT_NE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(IsWindowVisible(app));  // the taskbar button
  EXPECT_EQ(p.Probe(kProbeTimerInterval), 400);
  EXPECT_TRUE(SpeechHotKeyTaken());
  EXPECT_EQ(p.Probe(kProbeSpeakShortCutShown), 1);
  EXPECT_TRUE(SaveScreenshot(OutputDir() + "settings-applied.bmp"));

  // Back to the 12-hour clock alone (no change of shape to redraw the face),
  // and the hot key off: it is free again and "Speak!" shows no short-cut.
  d = OpenSettings(p);
  ASSERT_NE(d, nullptr);
  ASSERT_TRUE(ClickControl(d, "24 hr format"));
  ASSERT_TRUE(ClickControl(d, "Enable global shortcut"));
  ASSERT_TRUE(ClickControl(d, "&OK"));
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }, 5000));
  EXPECT_TRUE(WaitFor([&] { return HourCellsOnScreen(w) == hours12; }, 2000));
  EXPECT_FALSE(SpeechHotKeyTaken());
  EXPECT_EQ(p.Probe(kProbeSpeakShortCutShown), 0);

  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), "11000101100");
  EXPECT_EQ(ReadValue(kSettingsKey, "LNumSettings").substr(8), "04000000");
  EXPECT_NE(ReadValue(kRunKey, kRunValue).find("Orlavox.exe"), std::string::npos);
}

TEST_F(SettingsE2E, CancelAndEscapeChangeNothing) {
  // Framed, taskbar button, 24-hour clock, 300 ms.
  WriteSettings("00100001000", "0100010003000000", "6000000000");
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  HWND app = FindProcessWindow(p.Pid(), nullptr, "OrlavoxApplication", false);
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(app) != FALSE; }, 3000));
  const LONG style = GetWindowLongA(w, GWL_STYLE) & ~WS_DISABLED, ex = GetWindowLongA(w, GWL_EXSTYLE);
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "Cancel");
    HWND d = OpenSettings(p);
    ASSERT_NE(d, nullptr);
    ChangeEverything(d);
    if (escape)
      PostKey(FindControl(d, "&OK"), VK_ESCAPE);
    else
      ASSERT_TRUE(ClickControl(d, "&Cancel"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }, 5000));
    EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & ~WS_DISABLED, style);
    EXPECT_EQ(GetWindowLongA(w, GWL_EXSTYLE), ex);
    EXPECT_EQ(p.Probe(kProbeButtonsFlat), 0);
    EXPECT_EQ(p.Probe(kProbeTimerInterval), 300);
    EXPECT_EQ(p.Probe(kProbeSpeakShortCutShown), 0);
    EXPECT_FALSE(SpeechHotKeyTaken());
    EXPECT_TRUE(IsWindowVisible(app));  // the taskbar button stays with ShowInTaskbar on
  }
  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), "00100001000");
  EXPECT_EQ(ReadValue(kSettingsKey, "LNumSettings").substr(8), "03000000");
  EXPECT_EQ(ReadValue(kRunKey, kRunValue), "<absent>");
}

// A choice is written when it is confirmed, not only at the close: each way
// of changing a setting, then the clock ended without a close (as a crash,
// an update or Task Manager would end it).
TEST_F(SettingsE2E, EveryConfirmedChoiceIsKeptWhenTheClockIsEnded) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");  // framed, big
  ClockProcess p;
  ASSERT_TRUE(p.Start("", PrepareInstall("kept", {"Test (logging).dll", "Test (sleeping).dll"})));
  HWND w = p.WaitForMainWindow(true), d = nullptr;
  ASSERT_NE(w, nullptr);
  auto stored = [](const char* name, const std::string& want) {
    return WaitFor([&] { return ReadValue(kSettingsKey, name).substr(0, want.size()) == want; }, 5000);
  };
  const struct { WORD key; const char* caption; std::vector<const char*> checks; } dialogs[] = {
      {'S', "Settings", {"Always on top", "Start clock with Windows"}}, {'A', "Alarm settings", {"Alarm on"}}};
  for (const auto& dialog : dialogs) {  // the dialogs' OK
    ASSERT_TRUE(TypeKeys(w, {VK_CONTROL, dialog.key}));
    ASSERT_NE(d = WaitForDialog(p.Pid(), dialog.caption), nullptr);
    for (const char* c : dialog.checks) ASSERT_TRUE(ClickControl(d, c));
    ASSERT_TRUE(ClickControl(d, "&OK"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }, 5000));
  }
  EXPECT_TRUE(stored("BinSettings", "01001100000"));
  RECT b;  // the second voice from the language menu
  GetWindowRect(FindControl(w, "Language selector"), &b);
  EXPECT_TRUE(PickFromMenu([&] { ClickAt((b.left + b.right) / 2, (b.top + b.bottom) / 2); },
                           {VK_DOWN, VK_DOWN, VK_RETURN}, [&] { return stored("SelLang", "1"); }));
  // The small display, the eighth item of the tray's menu.
  EXPECT_TRUE(PickFromMenu([&] { RightClickTrayIcon(p.Pid()); },
                           {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
                           [&] { return stored("SNumSettings", "6000000100"); }));
  RECT r;  // a drag by the face
  ASSERT_TRUE(WaitFor([&] { return GetWindowRect(w, &r) && r.right - r.left == 156; }, 5000));
  DragBy(w, {40, 5}, 60, 40);
  char place[17];
  std::snprintf(place, sizeof place, "%04ld%04ld01000000", r.top + 40, r.left + 60);
  EXPECT_TRUE(stored("LNumSettings", place)) << ReadValue(kSettingsKey, "LNumSettings") << " / " << place;
  p.Kill();
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings") + ReadValue(kSettingsKey, "SNumSettings") +
                ReadValue(kSettingsKey, "SelLang") + ReadValue(kSettingsKey, "LNumSettings"),
            std::string("01001100000") + "6000000100" + "1" + place);
  EXPECT_NE(ReadValue(kRunKey, kRunValue).find("Orlavox.exe"), std::string::npos);
}

TEST_F(SettingsE2E, CtrlOOpensMoreOptionsOkWritesItsFourValuesCancelNothing) {
  WriteSettings("00101000000", "0100010001000000", "6007000000");  // framed, 24-hour, alarm on at 07:00
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 21:07:00"));
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  for (const char* button : {"&Cancel", "&OK"}) {
    ASSERT_TRUE(TypeKeys(w, {VK_CONTROL, 'O'}));
    HWND d = WaitForDialog(p.Pid(), "More options");
    ASSERT_NE(d, nullptr) << "Ctrl+O opened no dialog";
    EXPECT_FALSE(IsWindowEnabled(FindControl(d, "22")));  // the quiet hours' times wait for their check
    EXPECT_TRUE(IsWindowEnabled(FindControl(d, "Wake the computer for the alarm")));
    ASSERT_TRUE(ClickControl(d, "Quiet hours") && ClickControl(d, "Wake the computer for the alarm"));
    EXPECT_TRUE(IsWindowEnabled(FindControl(d, "22")));
    SaveScreenshot(OutputDir() + "more-options-dialog.bmp");
    ASSERT_TRUE(ClickControl(d, button));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }, 5000));
    const std::string stored = ReadValue(kSettingsKey, "QuietHours") + " " + ReadValue(kSettingsKey, "HoldBackFullScreen") +
                               " " + ReadValue(kSettingsKey, "SnoozeMinutes") + " " + ReadValue(kSettingsKey, "WakeForAlarm");
    EXPECT_EQ(stored, button[1] == 'O' ? "2200-0700 1 5 1" : "<absent> <absent> <absent> <absent>");
  }
  // Applied at once: the computer wakes for tomorrow's 07:00.
  EXPECT_EQ(p.Probe(kProbeWakeMinute), LRESULT(DaysFromCivil(2026, 12, 8) * 1440 + 7 * 60));
  EXPECT_EQ(p.Probe(kProbeWakeResume), 1);
  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "SNumSettings"), "6007000000");  // the other values as they were
}

TEST_F(SettingsE2E, MoreOptionsInModernStandbyShowsWakeDisabledWithItsReason) {
  WriteSettings("00101000000", "0100010001000000", "6007000000");
  WriteValue(kSettingsKey, "WakeForAlarm", "1");
  SetEnvironmentVariableA("ORLAVOX_TEST_MODERN_STANDBY", "1");
  ClockProcess p;
  const bool started = p.Start("2026-12-07 21:07:00");
  SetEnvironmentVariableA("ORLAVOX_TEST_MODERN_STANDBY", nullptr);
  ASSERT_TRUE(started);
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(TypeKeys(w, {VK_CONTROL, 'O'}));
  HWND d = WaitForDialog(p.Pid(), "More options");
  ASSERT_NE(d, nullptr);
  HWND wake = FindControl(d, "Wake the computer for the alarm");
  EXPECT_FALSE(IsWindowEnabled(wake));
  EXPECT_EQ(SendMessageA(wake, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  HWND reason = FindControl(d, "Modern standby on this computer does not wake for alarms.");
  EXPECT_TRUE(reason && IsWindowVisible(reason));
  SaveScreenshot(OutputDir() + "more-options-modern-standby.bmp");
  ASSERT_TRUE(p.Close());  // OK keeps the stored choice: AlarmFormTest
}

}  // namespace
}  // namespace orlavox::e2e
