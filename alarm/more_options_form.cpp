#include "alarm/more_options_form.h"

#include <string>
#include <vector>

#include "shell/help_engine.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr DWORD kMoreOptionsHelpTopic = 30;
const char* const kTimeBoxes[] = {"From", "To"};

std::string Named(const char* box, const char* control) { return std::string(box) + control; }

// One of the two times of the quiet hours, in a group box of its own so that
// each has its own AM and PM.
void AddTimeBox(std::vector<ControlRow>& t, const char* box, int tab, int left) {
  t.push_back(GroupBox(Named(box, "Box"), "", tab, {left, 30, 153, 57}, box));
  const std::string parent = Named(box, "Box");
  t.push_back(Edit(Named(box, "HourEdit"), parent, 0, {8, 24, 29, 21}, "0").MaxLength(2));
  t.push_back(UpDown(Named(box, "HourUpDown"), parent, 1, {37, 24, 16, 21}, Named(box, "HourEdit")).Range(0, 23).WrapAround());
  t.push_back(Edit(Named(box, "MinEdit"), parent, 2, {60, 24, 29, 21}, "0").MaxLength(2));
  t.push_back(UpDown(Named(box, "MinUpDown"), parent, 3, {89, 24, 16, 21}, Named(box, "MinEdit")).Range(0, 59).WrapAround());
  t.push_back(Radio(Named(box, "AMRadio"), parent, 4, {112, 16, 37, 17}, "AM"));
  t.push_back(Radio(Named(box, "PMRadio"), parent, 5, {112, 33, 37, 17}, "PM"));
}

std::vector<ControlRow> MoreOptionsTable() {
  std::vector<ControlRow> t = {
      Check("QuietCheck", "", 0, {8, 8, 200, 17}, "Quiet hours"),
      Check("FullScreenCheck", "", 3, {8, 95, 317, 17}, "Stay quiet while a full-screen program or presentation runs"),
      GroupBox("AlarmBox", "", 4, {8, 120, 317, 73}, "Alarm"),
      Label("SnoozeLabel", "AlarmBox", {8, 24, 0, 0}, "Snooze"),
      Edit("SnoozeEdit", "AlarmBox", 0, {56, 20, 33, 21}, "5").MaxLength(2),
      UpDown("SnoozeUpDown", "AlarmBox", 1, {89, 20, 15, 21}, "SnoozeEdit").Range(1, 60).At(5),
      Label("MinutesLabel", "AlarmBox", {112, 24, 0, 0}, "minutes"),
      Check("WakeCheck", "AlarmBox", 2, {8, 48, 297, 17}, "Wake the computer for the alarm"),
      BitBtn("BitBtn1", "", 5, {9, 205, 73, 33}, ButtonRole::Ok, "&OK"),
      BitBtn("HelpButton", "", 6, {128, 205, 75, 33}, ButtonRole::Help, "&Help"),
      BitBtn("BitBtn2", "", 7, {251, 205, 73, 33}, ButtonRole::Cancel, "&Cancel"),
  };
  AddTimeBox(t, kTimeBoxes[0], 1, 8);
  AddTimeBox(t, kTimeBoxes[1], 2, 172);
  return t;
}

}  // namespace

TMoreOptionsForm::TMoreOptionsForm(const MoreOptions& options, bool hour24)
    : Dialog(Form("More options", 332, 246), MoreOptionsTable()), options_(options), hour24_(hour24) {
  ShowError = [this](const char* text) { MessageBoxA(Handle(), text, "Error", MB_OK); };
  OnClick("QuietCheck", [this] { QuietCheckClick(); });
  for (const char* box : kTimeBoxes) {
    const std::string hour = Named(box, "HourEdit"), minute = Named(box, "MinEdit");
    OnChange(hour, [this, hour] { CheckField(hour.c_str(), HourTyping(hour24_)); });
    OnChange(minute, [this, minute] { CheckField(minute.c_str(), kMinuteTyping); });
    OnExit(minute, [this, minute] { PadMinuteField(minute.c_str()); });
    OnClick(Named(box, "MinUpDown"), [this, minute] { PadMinuteField(minute.c_str()); });
  }
  OnChange("SnoozeEdit", [this] { CheckField("SnoozeEdit", kSnoozeTyping); });
  OnClick("HelpButton", [] { ShowHelp(kHelpContext, kMoreOptionsHelpTopic); });
  OnClick("BitBtn1", [this] { values_ = ReadValues(); });  // before the OK button closes the dialog
}

void TMoreOptionsForm::ShowTime(const char* box, int minuteOfDay) {
  const HourEntry hour = HourEntryFor(minuteOfDay / 60, hour24_);
  SetRange(Named(box, "HourUpDown"), hour.Min, hour.Max);
  SetPosition(Named(box, "HourUpDown"), hour.Position);
  SetChecked(Named(box, "AMRadio"), !hour.Pm);
  SetChecked(Named(box, "PMRadio"), hour.Pm);
  SetVisible(Named(box, "AMRadio"), !hour24_);
  SetVisible(Named(box, "PMRadio"), !hour24_);
  SetPosition(Named(box, "MinUpDown"), minuteOfDay % 60);
}

void TMoreOptionsForm::FormCreate() {
  SetChecked("QuietCheck", options_.Quiet.On);
  ShowTime(kTimeBoxes[0], options_.Quiet.From);
  ShowTime(kTimeBoxes[1], options_.Quiet.To);
  QuietCheckClick();
  SetChecked("FullScreenCheck", options_.HoldBackFullScreen);
  SetPosition("SnoozeUpDown", options_.SnoozeMinutes);
  SetChecked("WakeCheck", options_.WakeForAlarm);
}

void TMoreOptionsForm::FormShow() {
  for (const char* box : kTimeBoxes) PadMinuteField(Named(box, "MinEdit").c_str());
}

void TMoreOptionsForm::QuietCheckClick() {
  // As in the alarm dialog: the edits and radios follow the check, the arrows stay enabled.
  const bool on = Checked("QuietCheck");
  for (const char* box : kTimeBoxes)
    for (const char* control : {"HourEdit", "MinEdit", "AMRadio", "PMRadio"}) SetEnabled(Named(box, control), on);
}

void TMoreOptionsForm::CheckField(const char* name, TypingRange range) {
  const TypingCheck check = CheckTyped(Text(name), range);
  if (check == TypingCheck::Accepted) return;
  ShowError(TypingMessage(check));
  SetText(name, "");  // fires the check again, which passes
}

void TMoreOptionsForm::PadMinuteField(const char* name) {
  const std::string text = Text(name);
  const std::string padded = PadMinute(text);
  if (padded != text) SetText(name, padded);
}

MoreOptionsFormValues TMoreOptionsForm::ReadValues() const {
  MoreOptionsFormValues v;
  v.QuietOn = Checked("QuietCheck");
  v.FromHour = Text("FromHourEdit");
  v.FromMinute = Text("FromMinEdit");
  v.FromPm = Checked("FromPMRadio");
  v.ToHour = Text("ToHourEdit");
  v.ToMinute = Text("ToMinEdit");
  v.ToPm = Checked("ToPMRadio");
  v.HoldBackFullScreen = Checked("FullScreenCheck");
  v.SnoozeMinutes = Text("SnoozeEdit");
  v.WakeForAlarm = Checked("WakeCheck");
  return v;
}

}  // namespace orlavox
