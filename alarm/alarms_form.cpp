#include "alarm/alarms_form.h"

#include "alarm/alarm_editor_form.h"
#include "resources/lang_text.h"
#include "shell/help_engine.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr const AlarmsFormIds& c = kAlarmsForm;

std::vector<ControlRow> AlarmsTable() {
  return {
      LabelFor(c.AlarmList, "ListLabel", kOnForm, {8, 8, 0, 0}, Tr(Str::alarms_ListLabel)),
      ListView(c.AlarmList, kOnForm, 0, {8, 24, 454, 196},
               {{Tr(Str::alarms_column_On), 36}, {Tr(Str::alarms_column_Time), 70}, {Tr(Str::alarms_column_Days), 126}, {Tr(Str::alarms_column_Name), 130}, {Tr(Str::alarms_column_Sound), 84}}),
      Button(c.NewButton, kOnForm, 1, {8, 228, 75, 25}, Tr(Str::alarms_NewButton)),
      Button(c.EditButton, kOnForm, 2, {91, 228, 75, 25}, Tr(Str::alarms_EditButton)),
      Button(c.DeleteButton, kOnForm, 3, {174, 228, 75, 25}, Tr(Str::alarms_DeleteButton)),
      BitBtn(c.OkButton, kOnForm, 4, {9, 261, 73, 33}, ButtonRole::Ok, Tr(Str::alarms_OkButton)),
      BitBtn(c.HelpButton, kOnForm, 5, {198, 261, 75, 33}, ButtonRole::Help, Tr(Str::alarms_HelpButton)),
      BitBtn(c.CancelButton, kOnForm, 6, {389, 261, 73, 33}, ButtonRole::Cancel, Tr(Str::alarms_CancelButton)),
  };
}

}  // namespace

TAlarmsForm::TAlarmsForm(std::vector<AlarmEntry> alarms, bool hour24, const LocaleWeek& week,
                         const AlarmSoundList* sounds)
    : Dialog(Form(Tr(Str::alarms_caption), 470, 302), AlarmsTable()),
      alarms_(std::move(alarms)),
      hour24_(hour24),
      week_(week),
      sounds_(sounds) {
  Confirm = [this](const std::string& question) {
    return MessageBoxW(Handle(), Wide(question).c_str(), Wide(Tr(Str::alarms_caption)).c_str(), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
  };
  EditAlarm = [this](AlarmEntry& alarm, bool isNew) {
    TAlarmEditorForm editor(alarm, isNew, hour24_, week_, sounds_);
    if (editor.ShowModal(Handle()) != kResultOk) return false;
    alarm = editor.Entry();
    return true;
  };
  OnClick(c.NewButton, [this] { NewClick(); });
  OnClick(c.EditButton, [this] { EditClick(); });
  OnClick(c.DeleteButton, [this] { DeleteClick(); });
  OnClick(c.HelpButton, [] { ShowHelp(kHelpContext, kAlarmsHelpTopic); });
  OnClick(c.OkButton, [this] { ReadChecks(); });  // before the OK button closes the dialog
  OnActivate(c.AlarmList, [this] { EditClick(); });
  OnKeyDown(c.AlarmList, [this](unsigned key) {
    if (key == VK_DELETE) DeleteClick();
  });
  OnChange(c.AlarmList, [this] { ListChange(); });
}

void TAlarmsForm::FormCreate() {
  Refresh(0);
  Focus(c.AlarmList);
}

void TAlarmsForm::ReadChecks() {
  for (size_t i = 0; i < alarms_.size() && int(i) < RowCount(c.AlarmList); ++i)
    alarms_[i].On = RowChecked(c.AlarmList, int(i));
}

void TAlarmsForm::Refresh(int focus) {
  std::vector<ListRow> rows;
  for (const AlarmEntry& a : alarms_)
    rows.push_back({a.On, {"", AlarmTimeText(a.Hour, a.Minute, hour24_), DaysText(a, week_), a.Name, SoundText(a)}});
  filling_ = true;
  SetRows(c.AlarmList, rows);
  filling_ = false;
  SelectRow(c.AlarmList, focus);
  ListChange();
}

void TAlarmsForm::ListChange() {
  if (filling_) return;
  const int row = FocusedRow(c.AlarmList);
  SetEnabled(c.NewButton, int(alarms_.size()) < kMaxAlarms);
  SetEnabled(c.EditButton, row >= 0);
  SetEnabled(c.DeleteButton, row > 0);  // the first alarm stays
}

void TAlarmsForm::NewClick() {
  if (int(alarms_.size()) >= kMaxAlarms) return;
  ReadChecks();
  AlarmEntry a;
  a.On = true;
  a.Hour = 7;
  if (!alarms_.empty()) {  // the sound as the first alarm's
    a.Sound = alarms_[0].Sound;
    a.WaveFile = alarms_[0].WaveFile;
    a.RepeatInterval = alarms_[0].RepeatInterval;
  }
  const bool added = EditAlarm(a, true);
  if (added) alarms_.push_back(a);
  Refresh(added ? int(alarms_.size()) - 1 : FocusedRow(c.AlarmList));
  Focus(c.AlarmList);
}

void TAlarmsForm::EditClick() {
  const int row = FocusedRow(c.AlarmList);
  if (row < 0 || row >= int(alarms_.size())) return;
  ReadChecks();
  AlarmEntry a = alarms_[size_t(row)];
  if (EditAlarm(a, false)) alarms_[size_t(row)] = a;
  Refresh(row);
  Focus(c.AlarmList);
}

void TAlarmsForm::DeleteClick() {
  const int row = FocusedRow(c.AlarmList);
  if (row <= 0 || row >= int(alarms_.size())) {
    MessageBeep(MB_OK);  // the first alarm is the daily one of the settings
    return;
  }
  ReadChecks();
  const AlarmEntry& a = alarms_[size_t(row)];
  std::string what = AlarmTimeText(a.Hour, a.Minute, hour24_);
  if (!a.Name.empty()) what += " \"" + a.Name + "\"";
  if (Confirm(Tr(Str::alarms_deleteQuestion, {what}))) {
    alarms_.erase(alarms_.begin() + row);
    Refresh(row < int(alarms_.size()) ? row : row - 1);
  }
  Focus(c.AlarmList);
}

}  // namespace orlavox
