// The alarm dialog driven as a user would: keys and clicks posted to its
// controls, one step at a time while it is open.
#include "alarm/alarm_form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "ui/tests/scripted_dialog.h"

namespace orlavox {
namespace {

class ScriptedAlarmForm : public ui::Scripted<TAlarmForm> {
 public:
  ScriptedAlarmForm(const ClockSettings& s) : Scripted(s, nullptr) {
    ShownError = ShowError;
    ShowError = [this](const char* text) { Errors.push_back(text); };
  }
  std::function<void(const char* text)> ShownError;  // the message box the program shows
  std::vector<std::string> Errors;

  void Type(const char* name, const std::string& chars) {
    for (char c : chars) PostMessageA(Control(name), WM_CHAR, WPARAM(uint8_t(c)), 0);
  }
  void Key(const char* name, UINT vk) { PostMessageA(Control(name), WM_KEYDOWN, vk, 0); }
  bool Visible(const char* name) const { return IsWindowVisible(Control(name)) != FALSE; }
};

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
        opened = d.Text("HourEdit") + ":" + d.Text("MinEdit");
        amChecked = d.Checked("AMRadio") && !d.Checked("PMRadio") ? "AM" : "PM";
        radiosShown = d.Visible("AMRadio") && d.Visible("PMRadio") ? "shown" : "hidden";
        d.SetText("HourEdit", "");
        d.Type("HourEdit", "13");
      },
      [&] { hourAfter.push_back(d.Text("HourEdit")); d.Type("HourEdit", "x"); },
      [&] { hourAfter.push_back(d.Text("HourEdit")); d.Type("HourEdit", "-"); },
      [&] { hourAfter.push_back(d.Text("HourEdit")); d.SetText("MinEdit", "59"); d.Focus("MinEdit"); },
      [&] { d.Key("MinEdit", VK_UP); },  // the arrows of MinUpDown wrap from 59
      [&] { wrapped = d.Text("MinEdit"); d.SetText("MinEdit", ""); d.Type("MinEdit", "5"); },
      [&] { d.Focus("HourEdit"); },
      [&] { afterExit = d.Text("MinEdit"); d.SetText("HourEdit", "12"); },
      [&] { PostMessageA(d.Control("BitBtn1"), BM_CLICK, 0, 0); },
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
    for (const char* n : {"HourEdit", "MinEdit", "AMRadio", "PMRadio", "HourUpDown", "MinUpDown", "AnnEdit",
                          "AnnUpDown", "WaveFileEdit", "BrButton"})
      line += d.Enabled(n) ? "1" : "0";
    seen.push_back(line);
  };
  std::string hour, radios, interval;
  std::vector<HWND> tabs, wanted;  // where Tab goes from each edit: past its up-down
  std::string box;  // the typing check's message box
  bool readOnly = false;
  d.Steps = {
      [&] {
        look("open ");
        hour = d.Text("HourEdit");
        radios = d.Visible("AMRadio") || d.Visible("PMRadio") ? "shown" : "hidden";
        readOnly = (GetWindowLongA(d.Control("AlarmIntEdit"), GWL_STYLE) & ES_READONLY) != 0;
        PostMessageA(d.Control("AlarmCheck"), BM_CLICK, 0, 0);
        PostMessageA(d.Control("AnnCheck"), BM_CLICK, 0, 0);
      },
      [&] {
        look("checked ");
        for (const char* edit : {"HourEdit", "MinEdit", "AnnEdit", "AlarmIntEdit"})
          tabs.push_back(GetNextDlgTabItem(d.Handle(), d.Control(edit), FALSE));
        for (const char* next : {"MinEdit", "AnnCheck", "BitBtn1", "AlarmSoundCombo"}) wanted.push_back(d.Control(next));
        d.Focus("AlarmIntEdit");
        d.Key("AlarmIntEdit", VK_UP);
        d.Key("AlarmIntEdit", VK_UP);  // stops at 60
      },
      [&] {
        interval = d.Text("AlarmIntEdit");
        d.SetItemIndex("AlarmSoundCombo", 5);
        SendMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(d.Control("AlarmSoundCombo")), CBN_SELCHANGE),
                     LPARAM(d.Control("AlarmSoundCombo")));
        look("wave ");
        d.SetItemIndex("AlarmSoundCombo", 3);
        SendMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(d.Control("AlarmSoundCombo")), CBN_SELCHANGE),
                     LPARAM(d.Control("AlarmSoundCombo")));
        d.SetText("AnnEdit", "0");  // accepted while typing, kept out on OK
        d.SetText("HourEdit", "23");
      },
      [&] { d.ShownError("Numeric value out of range!"); },  // open until the next step
      [&] {
        HWND b = FindWindowA("#32770", "Error");
        box.resize(64);
        box.resize(size_t(GetDlgItemTextA(b, 0xFFFF, box.data(), 64)));
        for (HWND c = GetWindow(b, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
          if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageA(c, STM_GETICON, 0, 0))
            box += " with an icon";
        PostMessageA(b, WM_COMMAND, IDOK, 0);
      },
      [&] { PostMessageA(d.Control("BitBtn1"), BM_CLICK, 0, 0); },
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

}  // namespace
}  // namespace orlavox
