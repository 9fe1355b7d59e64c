#include "alarm/more_options_form.h"

#include <string>
#include <vector>

#include "resources/lang_text.h"
#include "shell/help_engine.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr DWORD kMoreOptionsHelpTopic = 30;
constexpr const MoreOptionsIds& c = kMoreOptionsForm;
// The room the reason under the wake check takes: the alarm box, the rows
// below it and the form grow by it when the reason is shown.
constexpr int kReasonRoom = 16;
// The row of the windows' language, below the alarm box.
constexpr int kLanguageRoom = 30;

std::vector<std::string> LanguageChoices() {
  std::vector<std::string> items{Tr(Str::options_LanguageCombo_Automatic)};
  for (const LanguageInfo& info : kLanguages) items.push_back(info.OwnName);
  return items;
}

void AddTimeBox(std::vector<ControlRow>& t, const QuietTimeIds& box, const std::string& caption, int tab, int left) {
  const TimeEntryIds& e = box.Time;
  t.push_back(GroupBox(box.Box, kOnForm, tab, {left, 30, 153, 57}, caption));
  t.push_back(Edit(e.Hour, box.Box, 0, {8, 24, 29, 21}, "0").MaxLength(2));
  t.push_back(UpDown(e.HourUpDown, box.Box, 1, {37, 24, 16, 21}, e.Hour).Range(0, 23).WrapAround());
  t.push_back(Edit(e.Minute, box.Box, 2, {60, 24, 29, 21}, "0").MaxLength(2));
  t.push_back(UpDown(e.MinuteUpDown, box.Box, 3, {89, 24, 16, 21}, e.Minute).Range(0, 59).WrapAround());
  t.push_back(Radio(e.Am, box.Box, 4, {112, 16, 37, 17}, Tr(Str::options_AMRadio)));
  t.push_back(Radio(e.Pm, box.Box, 5, {112, 33, 37, 17}, Tr(Str::options_PMRadio)));
}

std::vector<ControlRow> MoreOptionsTable(bool modernStandby) {
  const int grow = modernStandby ? kReasonRoom : 0;
  std::vector<ControlRow> t = {
      Check(c.QuietCheck, kOnForm, 0, {8, 8, 200, 17}, Tr(Str::options_QuietCheck)),
      Check(c.FullScreenCheck, kOnForm, 3, {8, 95, 317, 17},
            Tr(Str::options_FullScreenCheck)),
      GroupBox(c.AlarmBox, kOnForm, 4, {8, 120, 317, 73 + grow}, Tr(Str::options_AlarmBox)),
      Label("SnoozeLabel", c.AlarmBox, {8, 24, 0, 0}, Tr(Str::options_SnoozeLabel)),
      Edit(c.SnoozeEdit, c.AlarmBox, 0, {56, 20, 33, 21}, "5").MaxLength(2),
      UpDown(c.SnoozeUpDown, c.AlarmBox, 1, {89, 20, 15, 21}, c.SnoozeEdit).Range(1, 60).At(5),
      Label("MinutesLabel", c.AlarmBox, {112, 24, 0, 0}, Tr(Str::options_MinutesLabel)),
      Check(c.WakeCheck, c.AlarmBox, 2, {8, 48, 297, 17}, Tr(Str::options_WakeCheck)),
      Label("LanguageLabel", kOnForm, {8, 207 + grow, 0, 0}, Tr(Str::options_LanguageLabel)),
      Combo(c.LanguageCombo, kOnForm, 5, {180, 203 + grow, 145, 21}, LanguageChoices()),
      BitBtn(c.BitBtn1, kOnForm, 6, {9, 205 + kLanguageRoom + grow, 73, 33}, ButtonRole::Ok, Tr(Str::options_BitBtn1)),
      BitBtn(c.HelpButton, kOnForm, 7, {128, 205 + kLanguageRoom + grow, 75, 33}, ButtonRole::Help,
             Tr(Str::options_HelpButton)),
      BitBtn(c.BitBtn2, kOnForm, 8, {251, 205 + kLanguageRoom + grow, 73, 33}, ButtonRole::Cancel,
             Tr(Str::options_BitBtn2)),
  };
  if (modernStandby)
    t.push_back(Label(c.WakeReason, c.AlarmBox, {8, 68, 0, 0}, Tr(Str::options_WakeReason)));
  AddTimeBox(t, c.From, Tr(Str::options_FromBox), 1, 8);
  AddTimeBox(t, c.To, Tr(Str::options_ToBox), 2, 172);
  return t;
}

}  // namespace

TMoreOptionsForm::TMoreOptionsForm(const MoreOptions& options, bool hour24, bool modernStandby)
    : Dialog(Form(Tr(Str::options_caption), 332, 246 + kLanguageRoom + (modernStandby ? kReasonRoom : 0)), MoreOptionsTable(modernStandby)),
      options_(options),
      modernStandby_(modernStandby),
      from_(*this, c.From.Time, hour24, ShowError),
      to_(*this, c.To.Time, hour24, ShowError) {
  ShowError = [this](const char* text) { ShowTypingError(Handle(), text); };
  OnClick(c.QuietCheck, [this] { QuietCheckClick(); });
  OnChange(c.SnoozeEdit, [this] { CheckTypedField(*this, c.SnoozeEdit, kSnoozeTyping, ShowError); });
  OnClick(c.HelpButton, [] { ShowHelp(kHelpContext, kMoreOptionsHelpTopic); });
  OnClick(c.BitBtn1, [this] { values_ = ReadValues(); });  // before the OK button closes the dialog
}

void TMoreOptionsForm::FormCreate() {
  SetChecked(c.QuietCheck, options_.Quiet.On);
  from_.Show(options_.Quiet.From / 60, options_.Quiet.From % 60);
  to_.Show(options_.Quiet.To / 60, options_.Quiet.To % 60);
  QuietCheckClick();
  SetChecked(c.FullScreenCheck, options_.HoldBackFullScreen);
  SetPosition(c.SnoozeUpDown, options_.SnoozeMinutes);
  SetChecked(c.WakeCheck, options_.WakeForAlarm && !modernStandby_);
  SetEnabled(c.WakeCheck, !modernStandby_);
  SetItemIndex(c.LanguageCombo, WindowLanguageChoice);
}

void TMoreOptionsForm::FormShow() {
  from_.PadMinute();
  to_.PadMinute();
}

void TMoreOptionsForm::QuietCheckClick() {
  // As in the alarm dialog: the edits and radios follow the check, the arrows stay enabled.
  const bool on = Checked(c.QuietCheck);
  from_.SetEnabled(on);
  to_.SetEnabled(on);
}

MoreOptionsFormValues TMoreOptionsForm::ReadValues() const {
  MoreOptionsFormValues v;
  v.QuietOn = Checked(c.QuietCheck);
  const TypedTime from = from_.Read(), to = to_.Read();
  v.FromHour = from.Hour;
  v.FromMinute = from.Minute;
  v.FromPm = from.Pm;
  v.ToHour = to.Hour;
  v.ToMinute = to.Minute;
  v.ToPm = to.Pm;
  v.HoldBackFullScreen = Checked(c.FullScreenCheck);
  v.SnoozeMinutes = Text(c.SnoozeEdit);
  v.WakeForAlarm = modernStandby_ ? options_.WakeForAlarm : Checked(c.WakeCheck);
  v.WindowLanguage = ItemIndex(c.LanguageCombo);
  return v;
}

}  // namespace orlavox
