#include "alarm/alarm_editor_form.h"

#include "alarm/alarm_form.h"
#include "display/face_images.h"
#include "resources/lang_text.h"
#include "shell/help_engine.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr const AlarmEditorIds& c = kAlarmEditor;

std::vector<ControlRow> EditorTable(const LocaleWeek& week, const std::array<int, 7>& order) {
  std::vector<ControlRow> t = {
      GroupBox(c.AlarmBox, kOnForm, 0, {8, 8, 356, 93}, Tr(Str::editor_AlarmBox)),
      Check(c.OnCheck, c.AlarmBox, 0, {8, 20, 97, 17}, Tr(Str::editor_OnCheck)),
      LabelFor(c.HourEdit, "HourLabel", c.AlarmBox, {8, 44, 0, 0}, Tr(Str::editor_HourLabel)),
      Edit(c.HourEdit, c.AlarmBox, 1, {8, 60, 29, 21}, "0").MaxLength(2),
      UpDown(c.HourUpDown, c.AlarmBox, 2, {37, 60, 16, 21}, c.HourEdit).Range(0, 23).WrapAround(),
      LabelFor(c.MinEdit, "MinuteLabel", c.AlarmBox, {60, 44, 0, 0}, Tr(Str::editor_MinuteLabel)),
      Edit(c.MinEdit, c.AlarmBox, 3, {60, 60, 29, 21}, "0").MaxLength(2),
      UpDown(c.MinUpDown, c.AlarmBox, 4, {89, 60, 16, 21}, c.MinEdit).Range(0, 59).WrapAround(),
      Radio(c.AMRadio, c.AlarmBox, 5, {112, 54, 37, 21}, Tr(Str::editor_AMRadio)),
      Radio(c.PMRadio, c.AlarmBox, 6, {112, 70, 37, 17}, Tr(Str::editor_PMRadio)),
      LabelFor(c.NameEdit, "NameLabel", c.AlarmBox, {160, 44, 0, 0}, Tr(Str::editor_NameLabel)),
      Edit(c.NameEdit, c.AlarmBox, 7, {160, 60, 188, 21}, "").MaxLength(int(kMaxAlarmNameChars)),
      GroupBox(c.DaysBox, kOnForm, 1, {8, 108, 356, 69}, Tr(Str::editor_DaysBox)),
      Check(c.OnceCheck, c.DaysBox, 7, {8, 44, 160, 17}, Tr(Str::editor_OnceCheck)),
      GroupBox(c.SoundBox, kOnForm, 2, {8, 184, 356, 129}, Tr(Str::editor_SoundBox)),
      LabelFor(c.SoundCombo, "SoundLabel", c.SoundBox, {9, 18, 0, 0}, Tr(Str::editor_SoundLabel)),
      Combo(c.SoundCombo, c.SoundBox, 0, {8, 34, 145, 21}, AlarmSoundNames()),
      BitBtn(c.PreviewButton, c.SoundBox, 1, {153, 34, 21, 20}, ButtonRole::Custom, "")
          .Glyph(int(Glyph::Play))
          .Hint(Tr(Str::editor_PreviewButton_hint)),
      LabelFor(c.IntervalEdit, "IntervalLabel", c.SoundBox, {185, 18, 0, 0}, Tr(Str::editor_IntervalLabel)),
      Edit(c.IntervalEdit, c.SoundBox, 2, {184, 34, 33, 21}, "1").ReadOnly().MaxLength(2),
      UpDown(c.IntervalUpDown, c.SoundBox, 3, {217, 34, 15, 21}, c.IntervalEdit).Range(0, 60).At(1),
      Label("SecondsLabel", c.SoundBox, {240, 37, 0, 0}, Tr(Str::editor_SecondsLabel)),
      LabelFor(c.WaveFileEdit, "WaveFileLabel", c.SoundBox, {9, 60, 0, 0}, Tr(Str::editor_WaveFileLabel)),
      Edit(c.WaveFileEdit, c.SoundBox, 4, {8, 76, 217, 21}, ""),
      Button(c.BrButton, c.SoundBox, 5, {237, 76, 63, 21}, Tr(Str::editor_BrButton)),
      Check(c.AnnounceCheck, c.SoundBox, 6, {8, 105, 257, 17}, Tr(Str::editor_AnnounceCheck)),
      BitBtn(c.OkButton, kOnForm, 3, {9, 321, 73, 33}, ButtonRole::Ok, Tr(Str::editor_OkButton)),
      BitBtn(c.HelpButton, kOnForm, 4, {150, 321, 75, 33}, ButtonRole::Help, Tr(Str::editor_HelpButton)),
      BitBtn(c.CancelButton, kOnForm, 5, {291, 321, 73, 33}, ButtonRole::Cancel, Tr(Str::editor_CancelButton)),
  };
  for (int i = 0; i < 7; ++i)
    t.push_back(Check(c.Days[i], c.DaysBox, i, {8 + 49 * i, 20, 47, 17}, week.ShortNames[size_t(order[size_t(i)])]));
  return t;
}

}  // namespace

LocaleWeek UserLocaleWeek() {
  auto info = [](LCTYPE type) {
    wchar_t text[80] = L"";
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 80);
    return n > 1 ? Utf8(text, n - 1) : std::string();
  };
  std::array<std::string, 7> names;
  for (int i = 0; i < 7; ++i) names[size_t(i)] = info(LOCALE_SABBREVDAYNAME1 + LCTYPE(i));
  const LocaleWeek fallback;
  for (int i = 0; i < 7; ++i)
    if (names[size_t(i)].empty()) names[size_t(i)] = fallback.ShortNames[size_t((i + 1) % 7)];
  const std::string first = info(LOCALE_IFIRSTDAYOFWEEK);
  return LocaleWeekFrom(first.size() == 1 ? first[0] - '0' : 0, names);
}

TAlarmEditorForm::TAlarmEditorForm(const AlarmEntry& alarm, bool isNew, bool hour24, const LocaleWeek& week,
                                   const AlarmSoundList* sounds)
    : Dialog(Form(Tr(isNew ? Str::editor_newCaption : Str::editor_editCaption), 372, 362), EditorTable(week, WeekOrder(week))),
      alarm_(alarm),
      hour24_(hour24),
      order_(WeekOrder(week)),
      sounds_(sounds),
      time_(*this, {c.HourEdit, c.HourUpDown, c.MinEdit, c.MinUpDown, c.AMRadio, c.PMRadio}, hour24, ShowError) {
  ShowError = [this](const char* text) { ShowTypingError(Handle(), text); };
  OnClick(c.OnceCheck, [this] { OnceClick(); });
  OnChange(c.SoundCombo, [this] { SoundComboChange(); });
  OnClick(c.BrButton, [this] {
    if (auto file = BrowseForWaveFile(Handle(), Text(c.WaveFileEdit))) SetText(c.WaveFileEdit, *file);
  });
  OnClick(c.PreviewButton, [this] {
    static const AlarmSoundList kNoSounds{};
    player_.Release();  // each preview reads the file afresh
    player_.Play(sounds_ ? *sounds_ : kNoSounds, ItemIndex(c.SoundCombo), Text(c.WaveFileEdit));
  });
  OnClick(c.HelpButton, [] { ShowHelp(kHelpContext, kAlarmsHelpTopic); });
}

void TAlarmEditorForm::FormCreate() {
  SetChecked(c.OnCheck, alarm_.On);
  time_.Show(alarm_.Hour, alarm_.Minute);
  SetText(c.NameEdit, alarm_.Name);
  for (int i = 0; i < 7; ++i) SetChecked(c.Days[i], (alarm_.Days >> order_[size_t(i)]) & 1);
  SetChecked(c.OnceCheck, alarm_.Once);
  OnceClick();
  SetItemIndex(c.SoundCombo, alarm_.Sound);
  SetText(c.WaveFileEdit, alarm_.WaveFile);
  SetPosition(c.IntervalUpDown, alarm_.RepeatInterval);
  SetChecked(c.AnnounceCheck, alarm_.Announce);
  SoundComboChange();
}

void TAlarmEditorForm::OnceClick() {
  const bool repeating = !Checked(c.OnceCheck);
  for (const CheckId& day : c.Days) SetEnabled(day, repeating);
}

void TAlarmEditorForm::SoundComboChange() {
  const bool wave = WaveFileControlsEnabled(ItemIndex(c.SoundCombo));
  SetEnabled(c.WaveFileEdit, wave);
  SetEnabled(c.BrButton, wave);
}

AlarmEditorValues TAlarmEditorForm::ReadValues() const {
  AlarmEditorValues v;
  v.On = Checked(c.OnCheck);
  v.Once = Checked(c.OnceCheck);
  v.Announce = Checked(c.AnnounceCheck);
  const TypedTime time = time_.Read();
  v.Hour = time.Hour;
  v.Minute = time.Minute;
  v.Pm = time.Pm;
  v.Hour24 = hour24_;
  for (int i = 0; i < 7; ++i)
    if (Checked(c.Days[i])) v.Days |= uint8_t(1u << order_[size_t(i)]);
  v.Sound = ItemIndex(c.SoundCombo);
  v.RepeatInterval = Text(c.IntervalEdit);
  v.Name = Text(c.NameEdit);
  v.WaveFile = Text(c.WaveFileEdit);
  return v;
}

bool TAlarmEditorForm::FormOkQuery() {
  const AlarmEditorValues v = ReadValues();
  if (const std::string problem = AlarmEditorProblem(v); !problem.empty()) {
    ShowError(problem.c_str());
    Focus(c.Days[0]);
    return false;
  }
  alarm_ = ApplyAlarmEditor(v, alarm_);
  return true;
}

LRESULT TAlarmEditorForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kWaveFileReadMessage) {
    player_.WaveFileRead();
    return 0;
  }
  if (msg == WM_DESTROY) player_.Release();
  return Dialog::HandleMessage(msg, wp, lp);
}

}  // namespace orlavox
