#include "settings/settings_dialog.h"

#include "shell/help_engine.h"

namespace orlavox {
namespace {

using namespace ui;

// The help topic of this dialog in the help file.
constexpr DWORD_PTR kSettingsHelpContext = 10;

}  // namespace

TSettingsForm::TSettingsForm(const ClockSettings& settings)
    : Dialog(Form("Settings", 381, 190),
             {
                 GroupBox("GroupBox1", "", 0, {12, 12, 177, 117}, "Display"),
                 Check("WindowlessCheck", "GroupBox1", 0, {12, 20, 157, 17}, "Windowless (no title bar)"),
                 Check("EuroCheck", "GroupBox1", 1, {12, 40, 97, 17}, "24 hr format"),
                 Check("OnTopCheck", "GroupBox1", 2, {12, 59, 157, 21}, "Always on top"),
                 Check("TransButtonsCheck", "GroupBox1", 3, {12, 80, 157, 21}, "Transparent buttons"),
                 GroupBox("GroupBox2", "", 1, {12, 132, 178, 47}, "Update frequency"),
                 UpDown("UpDown1", "GroupBox2", 0, {67, 19, 15, 21}, "UpdateEdit").Range(100, 1000).Increment(100).At(100),
                 Edit("UpdateEdit", "GroupBox2", 1, {10, 19, 57, 21}, "100").ReadOnly(),
                 Label("StaticText1", "GroupBox2", {90, 23, 35, 17}, "(msec)"),
                 BitBtn("BitBtn1", "", 2, {198, 137, 71, 40}, ButtonRole::Ok, "&OK"),
                 BitBtn("BitBtn2", "", 3, {302, 137, 71, 40}, ButtonRole::Cancel, "&Cancel"),
                 GroupBox("GroupBox3", "", 4, {196, 12, 177, 117}, "Options"),
                 Check("AutoStartCheck", "GroupBox3", 0, {12, 40, 149, 17}, "Start clock with Windows"),
                 Check("TrayCheck", "GroupBox3", 1, {12, 20, 149, 17}, "Start minimized in tray"),
                 Check("TaskBarCheck", "GroupBox3", 2, {12, 59, 149, 17}, "Show program in taskbar"),
                 Check("GlobalShortcutCheck", "GroupBox3", 3, {12, 80, 149, 17}, "Enable global shortcut"),
                 Label("StaticText2", "GroupBox3", {31, 96, 103, 17}, "for speech (Ctrl-Alt-S)"),
                 // Only its glyph shows.
                 BitBtn("HelpButton", "", 5, {272, 137, 26, 40}, ButtonRole::Help, "").Hint("Help"),
             }),
      settings_(settings) {
  OnClick("HelpButton", [] { ShowHelp(kHelpContext, kSettingsHelpContext); });
  OnClick("BitBtn1", [this] { ReadControls(); });
}

void TSettingsForm::FormCreate() {
  const ClockSettings& s = settings_;
  SetChecked("WindowlessCheck", s.Windowless);
  SetChecked("EuroCheck", s.Hour24);
  SetChecked("TrayCheck", s.StartInTray);
  SetChecked("TransButtonsCheck", s.TransparentButtons);
  SetChecked("AutoStartCheck", s.AutoStart);
  SetChecked("OnTopCheck", s.OnTop);
  SetChecked("TaskBarCheck", s.ShowInTaskbar);
  SetChecked("GlobalShortcutCheck", s.GlobalShortcut);
  SetPosition("UpDown1", int(uint16_t(s.UpdateInterval)));
}

void TSettingsForm::ReadControls() {
  ClockSettings& s = settings_;
  s.Windowless = Checked("WindowlessCheck");
  s.Hour24 = Checked("EuroCheck");
  s.StartInTray = Checked("TrayCheck");
  s.TransparentButtons = Checked("TransButtonsCheck");
  s.AutoStart = Checked("AutoStartCheck");
  s.OnTop = Checked("OnTopCheck");
  s.ShowInTaskbar = Checked("TaskBarCheck");
  s.GlobalShortcut = Checked("GlobalShortcutCheck");
  s.UpdateInterval = Position("UpDown1");
}

}  // namespace orlavox
