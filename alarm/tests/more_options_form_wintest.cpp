// "More options" driven as a user would, one step at a time while it is open.
#include "alarm/more_options_form.h"

#include <gtest/gtest.h>

#include "ui/tests/scripted_dialog.h"

namespace orlavox {
namespace {

TEST(MoreOptionsFormTest, ShowsTheOptionsRefusesABadHourAndOkGivesTheNewOnes) {
  const MoreOptions o{{true, 22 * 60 + 30, 6 * 60 + 5}, false, 12, true};
  ui::Scripted<TMoreOptionsForm> d(o, false);  // 12-hour
  std::string opened, box;
  auto click = [&](const char* name) { PostMessageA(d.Control(name), BM_CLICK, 0, 0); };
  d.Steps = {
      [&] {
        for (const char* t : {"From", "To"})
          opened += d.Text(std::string(t) + "HourEdit") + ":" + d.Text(std::string(t) + "MinEdit") +
                    (d.Checked(std::string(t) + "PMRadio") ? " PM " : " AM ");
        opened += d.Text("SnoozeEdit") + (d.Checked("QuietCheck") ? " quiet" : "") +
                  (d.Checked("FullScreenCheck") ? " full-screen" : "") + (d.Checked("WakeCheck") ? " wake" : "");
        d.SetText("ToHourEdit", "13");  // the box stays open until the next step
      },
      [&] {
        HWND b = FindWindowA("#32770", "Error");
        box.resize(64);
        box.resize(size_t(GetDlgItemTextA(b, 0xFFFF, box.data(), 64)));
        for (HWND c = GetWindow(b, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
          if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageA(c, STM_GETICON, 0, 0))
            box += " with an icon";  // none: the alarm dialog's plain box
        PostMessageA(b, WM_COMMAND, IDOK, 0);
      },
      [&] {
        box += " [" + d.Text("ToHourEdit") + "]";
        d.SetText("ToHourEdit", "7");
        d.SetText("SnoozeEdit", "30");
        click("FullScreenCheck");
        click("WakeCheck");
      },
      [&] { click("BitBtn1"); },
  };
  ASSERT_EQ(d.Run(), ui::kResultOk);
  EXPECT_EQ(opened, "10:30 PM 6:05 AM 12 quiet wake");
  EXPECT_EQ(box, "Numeric value out of range! []");
  MoreOptions back = o;
  ApplyMoreOptionsForm(d.Values(), false, back);
  EXPECT_TRUE(back.Quiet.On && back.HoldBackFullScreen && !back.WakeForAlarm);
  EXPECT_EQ(back.Quiet.From, 22 * 60 + 30);
  EXPECT_EQ(back.Quiet.To, 7 * 60 + 5);
  EXPECT_EQ(back.SnoozeMinutes, 30);
}

}  // namespace
}  // namespace orlavox
