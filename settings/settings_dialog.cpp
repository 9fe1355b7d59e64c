#include "settings/settings_dialog.h"

#include "resources/lang_text.h"
#include "shell/help_engine.h"

namespace orlavox {
namespace {

using namespace ui;

// The help topic of this dialog in the help file.
constexpr DWORD_PTR kSettingsHelpContext = 10;

// The controls the dialog's code addresses; the table is built from them.
constexpr struct {
  GroupBoxId GroupBox1{"GroupBox1"}, GroupBox2{"GroupBox2"}, GroupBox3{"GroupBox3"};
  CheckId WindowlessCheck{"WindowlessCheck"}, EuroCheck{"EuroCheck"}, OnTopCheck{"OnTopCheck"},
      TransButtonsCheck{"TransButtonsCheck"};
  UpDownId UpDown1{"UpDown1"};
  EditId UpdateEdit{"UpdateEdit"};
  BitBtnId BitBtn1{"BitBtn1"}, BitBtn2{"BitBtn2"};
  CheckId AutoStartCheck{"AutoStartCheck"}, TrayCheck{"TrayCheck"}, TaskBarCheck{"TaskBarCheck"},
      GlobalShortcutCheck{"GlobalShortcutCheck"};
  BitBtnId HelpButton{"HelpButton"};
} c{};

}  // namespace

TSettingsForm::TSettingsForm(const ClockSettings& settings)
    : Dialog(Form(Tr(Str::settings_caption), 381, 190),
             {
                 GroupBox(c.GroupBox1, kOnForm, 0, {12, 12, 177, 117}, Tr(Str::settings_GroupBox1)),
                 Check(c.WindowlessCheck, c.GroupBox1, 0, {12, 20, 157, 17}, Tr(Str::settings_WindowlessCheck)),
                 Check(c.EuroCheck, c.GroupBox1, 1, {12, 40, 97, 17}, Tr(Str::settings_EuroCheck)),
                 Check(c.OnTopCheck, c.GroupBox1, 2, {12, 59, 157, 21}, Tr(Str::settings_OnTopCheck)),
                 Check(c.TransButtonsCheck, c.GroupBox1, 3, {12, 80, 157, 21}, Tr(Str::settings_TransButtonsCheck)),
                 GroupBox(c.GroupBox2, kOnForm, 1, {12, 132, 178, 47}, Tr(Str::settings_GroupBox2)),
                 UpDown(c.UpDown1, c.GroupBox2, 0, {67, 19, 15, 21}, c.UpdateEdit).Range(100, 1000).Increment(100).At(100),
                 Edit(c.UpdateEdit, c.GroupBox2, 1, {10, 19, 57, 21}, "100").ReadOnly(),
                 Label("StaticText1", c.GroupBox2, {90, 23, 35, 17}, Tr(Str::settings_StaticText1)),
                 BitBtn(c.BitBtn1, kOnForm, 2, {198, 137, 71, 40}, ButtonRole::Ok, Tr(Str::settings_BitBtn1)),
                 BitBtn(c.BitBtn2, kOnForm, 3, {302, 137, 71, 40}, ButtonRole::Cancel, Tr(Str::settings_BitBtn2)),
                 GroupBox(c.GroupBox3, kOnForm, 4, {196, 12, 177, 117}, Tr(Str::settings_GroupBox3)),
                 Check(c.AutoStartCheck, c.GroupBox3, 0, {12, 40, 149, 17}, Tr(Str::settings_AutoStartCheck)),
                 Check(c.TrayCheck, c.GroupBox3, 1, {12, 20, 149, 17}, Tr(Str::settings_TrayCheck)),
                 Check(c.TaskBarCheck, c.GroupBox3, 2, {12, 59, 149, 17}, Tr(Str::settings_TaskBarCheck)),
                 Check(c.GlobalShortcutCheck, c.GroupBox3, 3, {12, 80, 149, 17}, Tr(Str::settings_GlobalShortcutCheck)),
                 Label("StaticText2", c.GroupBox3, {31, 96, 103, 17}, Tr(Str::settings_StaticText2)),
                 // Only its glyph shows.
                 BitBtn(c.HelpButton, kOnForm, 5, {272, 137, 26, 40}, ButtonRole::Help, "").Hint(Tr(Str::settings_HelpButton_hint)),
             }),
      settings_(settings) {
  OnClick(c.HelpButton, [] { ShowHelp(kHelpContext, kSettingsHelpContext); });
  OnClick(c.BitBtn1, [this] { ReadControls(); });
}

void TSettingsForm::FormCreate() {
  const ClockSettings& s = settings_;
  SetChecked(c.WindowlessCheck, s.Windowless);
  SetChecked(c.EuroCheck, s.Hour24);
  SetChecked(c.TrayCheck, s.StartInTray);
  SetChecked(c.TransButtonsCheck, s.TransparentButtons);
  SetChecked(c.AutoStartCheck, s.AutoStart);
  SetChecked(c.OnTopCheck, s.OnTop);
  SetChecked(c.TaskBarCheck, s.ShowInTaskbar);
  SetChecked(c.GlobalShortcutCheck, s.GlobalShortcut);
  SetPosition(c.UpDown1, int(uint16_t(s.UpdateInterval)));
}

void TSettingsForm::ReadControls() {
  ClockSettings& s = settings_;
  s.Windowless = Checked(c.WindowlessCheck);
  s.Hour24 = Checked(c.EuroCheck);
  s.StartInTray = Checked(c.TrayCheck);
  s.TransparentButtons = Checked(c.TransButtonsCheck);
  s.AutoStart = Checked(c.AutoStartCheck);
  s.OnTop = Checked(c.OnTopCheck);
  s.ShowInTaskbar = Checked(c.TaskBarCheck);
  s.GlobalShortcut = Checked(c.GlobalShortcutCheck);
  s.UpdateInterval = Position(c.UpDown1);
}

}  // namespace orlavox
