// The alarm dialog driven as a user would: keys and clicks posted to its
// controls, one step at a time while it is open.
#include "alarm/alarm_form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "alarm/alarm_editor_form.h"
#include "alarm/alarms_form.h"
#include "alarm/more_options_form.h"
#include "resources/lang_text.h"
#include "settings/settings_dialog.h"
#include "ui/dpi.h"
#include "ui/tests/scripted_dialog.h"

namespace orlavox {
namespace {

constexpr const AlarmFormIds& a = kAlarmForm;

class ScriptedAlarmForm : public ui::Scripted<TAlarmForm> {
 public:
  ScriptedAlarmForm(const ClockSettings& s) : Scripted(s, nullptr) {
    ShownError = ShowError;
    ShowError = [this](const char* text) { Errors.push_back(text); };
  }
  std::function<void(const char* text)> ShownError;  // the message box the program shows
  std::vector<std::string> Errors;

  void Type(ui::EditId edit, const std::string& chars) {
    for (char c : chars) PostMessageA(Control(edit), WM_CHAR, WPARAM(uint8_t(c)), 0);
  }
  void Key(ui::EditId edit, UINT vk) { PostMessageA(Control(edit), WM_KEYDOWN, vk, 0); }
  bool Visible(ui::RadioId radio) const { return IsWindowVisible(Control(radio)) != FALSE; }
};

// The text of the open typing error box, " with an icon" when it shows one; closes it.
std::string ErrorBoxText() {
  HWND b = FindWindowA("#32770", "Error");
  std::string box(64, '\0');
  box.resize(size_t(GetDlgItemTextA(b, 0xFFFF, box.data(), 64)));
  for (HWND c = GetWindow(b, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageA(c, STM_GETICON, 0, 0))
      box += " with an icon";
  PostMessageA(b, WM_COMMAND, IDOK, 0);
  return box;
}

TEST(AlarmFormTest, TwelveHourFormTypingChecksAndTheMinutesLeadingZero) {
  ClockSettings s;
  s.AlarmOn = true;
  s.AlarmHour = 0;
  s.AlarmMinute = 7;
  ScriptedAlarmForm d(s);
  std::string opened, amChecked, radiosShown, wrapped, afterExit;
  std::vector<std::string> hourAfter;
  d.Steps = {
      [&] {
        opened = d.Text(a.HourEdit) + ":" + d.Text(a.MinEdit);
        amChecked = d.Checked(a.AMRadio) && !d.Checked(a.PMRadio) ? "AM" : "PM";
        radiosShown = d.Visible(a.AMRadio) && d.Visible(a.PMRadio) ? "shown" : "hidden";
        d.SetText(a.HourEdit, "");
        d.Type(a.HourEdit, "13");
      },
      [&] { hourAfter.push_back(d.Text(a.HourEdit)); d.Type(a.HourEdit, "x"); },
      [&] { hourAfter.push_back(d.Text(a.HourEdit)); d.Type(a.HourEdit, "-"); },
      [&] { hourAfter.push_back(d.Text(a.HourEdit)); d.SetText(a.MinEdit, "59"); d.Focus(a.MinEdit); },
      [&] { d.Key(a.MinEdit, VK_UP); },  // the arrows of MinUpDown wrap from 59
      [&] { wrapped = d.Text(a.MinEdit); d.SetText(a.MinEdit, ""); d.Type(a.MinEdit, "5"); },
      [&] { d.Focus(a.HourEdit); },
      [&] { afterExit = d.Text(a.MinEdit); d.SetText(a.HourEdit, "12"); },
      [&] { PostMessageA(d.Control(a.BitBtn1), BM_CLICK, 0, 0); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_EQ(opened, "12:07");
  EXPECT_EQ(amChecked, "AM");
  EXPECT_EQ(radiosShown, "shown");
  EXPECT_EQ(hourAfter, (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(d.Errors, (std::vector<std::string>{"Numeric value out of range!", "Only numeric values allowed!",
                                                 "Only numeric values allowed!"}));
  EXPECT_EQ(wrapped, "00");
  EXPECT_EQ(afterExit, "05");
  ClockSettings back = s;
  ApplyAlarmForm(d.Values(), back);
  EXPECT_EQ(back.AlarmHour, 0);  // 12 AM
  EXPECT_EQ(back.AlarmMinute, 5);
}

TEST(AlarmFormTest, EnablingFollowsTheChecksAndTheSoundAndOkWritesEverything) {
  ClockSettings s;
  s.Hour24 = true;
  s.AlarmHour = 17;
  s.AnnounceInterval = 30;
  s.AlarmRepeatInterval = 59;
  s.AlarmSound = 1;
  s.WaveFile = "C:\\alarms\\ring.wav";
  ScriptedAlarmForm d(s);
  std::vector<std::string> seen;
  auto look = [&](const char* tag) {
    std::string line = tag;
    for (bool on : {d.Enabled(a.HourEdit), d.Enabled(a.MinEdit), d.Enabled(a.AMRadio), d.Enabled(a.PMRadio),
                    d.Enabled(a.HourUpDown), d.Enabled(a.MinUpDown), d.Enabled(a.AnnEdit), d.Enabled(a.AnnUpDown),
                    d.Enabled(a.WaveFileEdit), d.Enabled(a.BrButton)})
      line += on ? "1" : "0";
    seen.push_back(line);
  };
  std::string hour, radios, interval;
  std::vector<HWND> tabs, wanted;  // where Tab goes from each edit: past its up-down
  std::string box;  // the typing check's message box
  bool readOnly = false;
  d.Steps = {
      [&] {
        look("open ");
        hour = d.Text(a.HourEdit);
        radios = d.Visible(a.AMRadio) || d.Visible(a.PMRadio) ? "shown" : "hidden";
        readOnly = (GetWindowLongA(d.Control(a.AlarmIntEdit), GWL_STYLE) & ES_READONLY) != 0;
        PostMessageA(d.Control(a.AlarmCheck), BM_CLICK, 0, 0);
        PostMessageA(d.Control(a.AnnCheck), BM_CLICK, 0, 0);
      },
      [&] {
        look("checked ");
        for (ui::EditId edit : {a.HourEdit, a.MinEdit, a.AnnEdit, a.AlarmIntEdit})
          tabs.push_back(GetNextDlgTabItem(d.Handle(), d.Control(edit), FALSE));
        wanted = {d.Control(a.MinEdit), d.Control(a.AnnCheck), d.Control(a.BitBtn1), d.Control(a.AlarmSoundCombo)};
        d.Focus(a.AlarmIntEdit);
        d.Key(a.AlarmIntEdit, VK_UP);
        d.Key(a.AlarmIntEdit, VK_UP);  // stops at 60
      },
      [&] {
        interval = d.Text(a.AlarmIntEdit);
        d.SetItemIndex(a.AlarmSoundCombo, 5);
        SendMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(d.Control(a.AlarmSoundCombo)), CBN_SELCHANGE),
                     LPARAM(d.Control(a.AlarmSoundCombo)));
        look("wave ");
        d.SetItemIndex(a.AlarmSoundCombo, 3);
        SendMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(d.Control(a.AlarmSoundCombo)), CBN_SELCHANGE),
                     LPARAM(d.Control(a.AlarmSoundCombo)));
        d.SetText(a.AnnEdit, "0");  // accepted while typing, kept out on OK
        d.SetText(a.HourEdit, "23");
      },
      [&] { d.ShownError("Numeric value out of range!"); },  // open until the next step
      [&] { box = ErrorBoxText(); },
      [&] { PostMessageA(d.Control(a.BitBtn1), BM_CLICK, 0, 0); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_EQ(box, "Numeric value out of range!");  // a plain message box, no error icon
  // Off at first: the edits and radios only; the arrows stay enabled.
  EXPECT_EQ(seen, (std::vector<std::string>{"open 0000110100", "checked 1111111100", "wave 1111111111"}));
  EXPECT_EQ(tabs, wanted);
  EXPECT_EQ(hour, "17");
  EXPECT_EQ(radios, "hidden");
  EXPECT_TRUE(readOnly);
  EXPECT_EQ(interval, "60");
  EXPECT_TRUE(d.Errors.empty());
  ClockSettings back = s;
  ApplyAlarmForm(d.Values(), back);
  EXPECT_TRUE(back.AlarmOn);
  EXPECT_TRUE(back.AnnounceOn);
  EXPECT_EQ(back.AlarmHour, 23);
  EXPECT_EQ(back.AnnounceInterval, 30);
  EXPECT_EQ(back.AlarmRepeatInterval, 60);
  EXPECT_EQ(back.AlarmSound, 3);
  EXPECT_EQ(back.WaveFile, "C:\\alarms\\ring.wav");  // written back from the disabled edit
}

// More options shows its values, checks its times as the alarm dialog does, in
// the same plain box, and gives back what was changed.
TEST(AlarmFormTest, MoreOptionsShowsRefusesABadHourAndOkGivesTheNewOnes) {
  const MoreOptions o{{true, 22 * 60 + 30, 6 * 60 + 5}, false, 12, true};
  ui::Scripted<TMoreOptionsForm> d(o, false);  // 12-hour
  const MoreOptionsIds& c = kMoreOptionsForm;
  std::string opened, box;
  auto click = [&](ui::CheckId check) { PostMessageA(d.Control(check), BM_CLICK, 0, 0); };
  d.Steps = {
      [&] {
        for (const TimeEntryIds* t : {&c.From.Time, &c.To.Time})
          opened += d.Text(t->Hour) + ":" + d.Text(t->Minute) + (d.Checked(t->Pm) ? " PM " : " AM ");
        opened += d.Text(c.SnoozeEdit) + (d.Checked(c.QuietCheck) ? " quiet" : "") +
                  (d.Checked(c.FullScreenCheck) ? " full-screen" : "") + (d.Checked(c.WakeCheck) ? " wake" : "");
        d.SetText(c.To.Time.Hour, "13");  // the box stays open until the next step
      },
      [&] { box = ErrorBoxText(); },
      [&] {
        box += " [" + d.Text(c.To.Time.Hour) + "]";
        d.SetText(c.To.Time.Hour, "7");
        d.SetText(c.SnoozeEdit, "30");
        click(c.FullScreenCheck);
        click(c.WakeCheck);
      },
      [&] { PostMessageA(d.Control(c.BitBtn1), BM_CLICK, 0, 0); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_EQ(opened, "10:30 PM 6:05 AM 12 quiet wake");
  EXPECT_EQ(d.Control(c.WakeReason), nullptr);  // no reason where the wake timer works
  EXPECT_EQ(box, "Numeric value out of range! []");  // no error icon
  MoreOptions back = o;
  ApplyMoreOptionsForm(d.Values(), false, back);
  EXPECT_TRUE(back.Quiet.On && back.HoldBackFullScreen && !back.WakeForAlarm);
  EXPECT_EQ(back.Quiet.From, 22 * 60 + 30);
  EXPECT_EQ(back.Quiet.To, 7 * 60 + 5);
  EXPECT_EQ(back.SnoozeMinutes, 30);
}

TEST(AlarmFormTest, MoreOptionsInModernStandbyShowsWakeOffDisabledWithItsReasonAndKeepsTheChoice) {
  const MoreOptions o{{false, 0, 0}, true, 5, true};
  ui::Scripted<TMoreOptionsForm> d(o, false, true);
  const MoreOptionsIds& c = kMoreOptionsForm;
  std::string seen;
  RECT check{}, reason{}, box{}, ok{};
  d.Steps = {
      [&] {
        seen = std::string(d.Checked(c.WakeCheck) ? "checked" : "off") + (d.Enabled(c.WakeCheck) ? " enabled" : "") +
               (IsWindowVisible(d.Control(c.WakeReason)) ? " | " + d.Text(c.WakeReason) : "");
        GetWindowRect(d.Control(c.WakeCheck), &check);
        GetWindowRect(d.Control(c.WakeReason), &reason);
        GetWindowRect(d.Control(c.AlarmBox), &box);
        GetWindowRect(d.Control(c.BitBtn1), &ok);
      },
      [&] { PostMessageA(d.Control(c.BitBtn1), BM_CLICK, 0, 0); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_EQ(seen, "off | Modern standby on this computer does not wake for alarms.");
  // One line under the check box, inside the alarm box, which ends above the buttons.
  EXPECT_TRUE(reason.top >= check.bottom && reason.bottom < box.bottom && reason.right < box.right && box.bottom < ok.top)
      << reason.top << " " << check.bottom << " " << reason.bottom << " " << box.bottom << " " << ok.top;
  MoreOptions back = o;
  back.WakeForAlarm = false;
  ApplyMoreOptionsForm(d.Values(), false, back);
  EXPECT_TRUE(back.WakeForAlarm);  // the stored choice, not the check shown off
}

// Moved onto a monitor at 150 % and back: every control, the up-downs too,
// keeps its place at the new scale; the window answers and takes the size of
// its client at that scale, framed as Windows frames it there.
TEST(AlarmFormTest, AlarmMoreOptionsAndSettingsFollowTheScaleOfTheirMonitor) {
  ClockSettings s;
  ScriptedAlarmForm alarm(s);
  ui::Scripted<TMoreOptionsForm> more(MoreOptions{}, true);
  ui::Scripted<TSettingsForm> settings(s);
  ui::Scripted<TAlarmsForm> alarms(std::vector<AlarmEntry>(2), true, LocaleWeek{}, nullptr);
  ui::Scripted<TAlarmEditorForm> editor(AlarmEntry{}, true, false, LocaleWeek{}, nullptr);
  auto check = [](auto& d, const char* name, int width, int height) {
    std::vector<ui::ChildRect> base, scaled, back;
    SIZE answered{}, restored{};
    RECT framed{0, 0, MulDiv(width, 144, 96), MulDiv(height, 144, 96)}, window{}, start{};
    d.Steps = {[&] {
      GetWindowRect(d.Handle(), &start);
      base = ui::LayoutOf(d.Handle());
      answered = ui::ChangeScale(d.Handle(), 144);
      // Framed as Windows frames it at that scale: on a per-monitor v2
      // thread at the new scale, elsewhere (Wine, Windows 10 1607) at the system's.
      using ForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);  // Windows 10 and Wine have it
      const DWORD style = DWORD(GetWindowLongA(d.Handle(), GWL_STYLE)), ex = DWORD(GetWindowLongA(d.Handle(), GWL_EXSTYLE));
      if (ui::ThreadPerMonitorV2())
        reinterpret_cast<ForDpi>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("user32"), "AdjustWindowRectExForDpi")))(&framed, style, FALSE, ex, 144);
      else
        AdjustWindowRectEx(&framed, style, FALSE, ex);
      GetWindowRect(d.Handle(), &window);
      scaled = ui::LayoutOf(d.Handle());
      restored = ui::ChangeScale(d.Handle(), 96);
      back = ui::LayoutOf(d.Handle());
      d.CloseWith(ui::kResultCancel);
    }};
    d.Run();
    ui::ExpectLayoutScaled(base, scaled, 144, name);
    ui::ExpectLayoutScaled(base, back, 96, name);
    EXPECT_EQ(answered.cx, framed.right - framed.left) << name;
    EXPECT_EQ(answered.cy, framed.bottom - framed.top) << name;
    EXPECT_EQ(window.right - window.left, answered.cx) << name;
    EXPECT_EQ(window.bottom - window.top, answered.cy) << name;
    EXPECT_EQ(restored.cx, start.right - start.left) << name;
    EXPECT_EQ(restored.cy, start.bottom - start.top) << name;
  };
  check(alarm, "the alarm dialog", 332, 297);
  check(more, "More options", 332, 276);
  check(settings, "Settings", 381, 190);
  check(alarms, "Alarms", 470, 302);
  check(editor, "the alarm editor", 372, 362);
}

// "Alarms" from the keyboard: Space switches the focused alarm, Enter edits
// it, Delete asks and deletes (never the first); New stops at twenty.
TEST(AlarmsFormTest, SpaceTogglesEnterEditsDeleteAsksAndTwentyAtMost) {
  constexpr const AlarmsFormIds& l = kAlarmsForm;
  std::vector<AlarmEntry> alarms(19);
  alarms[1].On = true;
  alarms[1].Hour = 9;
  alarms[1].Name = "Gym";
  alarms[2].Name = "third";
  ui::Scripted<TAlarmsForm> d(alarms, true, LocaleWeek{}, nullptr);
  std::vector<std::string> edited, questions;
  d.EditAlarm = [&](AlarmEntry& a, bool isNew) {
    edited.push_back(isNew ? "new" : a.Name);
    a.Name += "!";
    return true;
  };
  d.Confirm = [&](const std::string& q) {
    questions.push_back(q);
    return questions.size() > 1;  // No, then Yes
  };
  auto key = [&](WPARAM vk) { PostMessageA(d.Control(l.AlarmList), WM_KEYDOWN, vk, 0); };
  bool newAt19 = false, newAt20 = true, deleteOnFirst = true;
  int rowsAt20 = 0, rowsAfterNo = 0;
  std::string row1;
  d.Steps = {
      [&] { newAt19 = d.Enabled(l.NewButton); PostMessageA(d.Control(l.NewButton), BM_CLICK, 0, 0); },
      [&] { rowsAt20 = d.RowCount(l.AlarmList); newAt20 = d.Enabled(l.NewButton); d.SelectRow(l.AlarmList, 0); },
      [&] { deleteOnFirst = d.Enabled(l.DeleteButton); key(VK_SPACE); },
      [&] { key(VK_DELETE); },  // the first alarm stays, unasked
      [&] { key(VK_DOWN); },
      [&] { key(VK_RETURN); },
      [&] { row1 = d.CellText(l.AlarmList, 1, 1) + " " + d.CellText(l.AlarmList, 1, 3); key(VK_DELETE); },
      [&] { rowsAfterNo = d.RowCount(l.AlarmList); key(VK_DELETE); },
      [&] { PostMessageA(d.Control(l.OkButton), BM_CLICK, 0, 0); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_TRUE(newAt19);
  EXPECT_EQ(rowsAt20, 20);
  EXPECT_FALSE(newAt20);
  EXPECT_FALSE(deleteOnFirst);
  EXPECT_EQ(edited, (std::vector<std::string>{"new", "Gym"}));
  EXPECT_EQ(row1, "09:00 Gym!");
  EXPECT_EQ(questions, (std::vector<std::string>{"Delete the alarm at 09:00 \"Gym!\"?",
                                                 "Delete the alarm at 09:00 \"Gym!\"?"}));
  EXPECT_EQ(rowsAfterNo, 20);
  ASSERT_EQ(d.List().size(), 19u);
  EXPECT_TRUE(d.List()[0].On);  // switched on by Space
  EXPECT_EQ(d.List()[1].Name, "third");
  EXPECT_EQ(d.List()[18].Name, "!");  // the new one, last
}

// The editor: the days in the locale's order, each field after its label,
// and OK refused for a repeating alarm without a day.
TEST(AlarmsFormTest, EditorDaysInTheLocalesOrderAndARepeatingAlarmNeedsADay) {
  constexpr const AlarmEditorIds& e = kAlarmEditor;
  const LocaleWeek week = LocaleWeekFrom(0, {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"});
  AlarmEntry alarm;
  alarm.Days = kWeekdays;
  ui::Scripted<TAlarmEditorForm> d(alarm, false, true, week, nullptr);
  std::vector<std::string> errors;
  d.ShowError = [&](const char* text) { errors.push_back(text); };
  std::string captions, checks;
  bool labelled = false;
  auto text = [](HWND w) {
    char t[32] = "";
    GetWindowTextA(w, t, sizeof t);
    return std::string(t);
  };
  auto click = [&](ui::CheckId box) { PostMessageA(d.Control(box), BM_CLICK, 0, 0); };
  d.Steps = {
      [&] {
        for (const ui::CheckId& day : e.Days) {
          captions += text(d.Control(day)) + " ";
          checks += d.Checked(day) ? "1" : "0";
        }
        HWND before = GetWindow(d.Control(e.NameEdit), GW_HWNDPREV);
        labelled = text(before) == "&Name" && text(d.Control(e.PreviewButton)) == "Play current sound";
        for (int i = 0; i < 5; ++i) click(e.Days[i]);
        d.SetText(e.NameEdit, "Pills");
      },
      [&] { PostMessageA(d.Control(e.OkButton), BM_CLICK, 0, 0); },
      [&] { click(e.OnceCheck); },
      [&] { PostMessageA(d.Control(e.OkButton), BM_CLICK, 0, 0); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_EQ(captions, "Mo Di Mi Do Fr Sa So ");
  EXPECT_EQ(checks, "1111100");
  EXPECT_TRUE(labelled);
  EXPECT_EQ(errors, std::vector<std::string>{Tr(Str::editor_noDay)});
  EXPECT_TRUE(d.Entry().Once);
  EXPECT_EQ(d.Entry().Name, "Pills");
}

}  // namespace
}  // namespace orlavox
