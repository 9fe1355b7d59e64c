#include "alarm/alarm_form.h"

#include <commdlg.h>

#include <vector>

#include "alarm/alarm_sound_player.h"
#include "alarm/alarms_form_rules.h"
#include "display/face_images.h"
#include "resources/lang_text.h"
#include "shell/help_engine.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr DWORD kAlarmHelpTopic = 20;

constexpr const AlarmFormIds& c = kAlarmForm;

std::vector<ControlRow> AlarmFormTable() {
  return {
      GroupBox(c.GroupBox1, kOnForm, 0, {8, 12, 161, 93}, Tr(Str::alarm_GroupBox1)),
      Check(c.AlarmCheck, c.GroupBox1, 0, {8, 20, 97, 17}, Tr(Str::alarm_AlarmCheck)),
      Label("Label1", c.GroupBox1, {8, 44, 0, 0}, Tr(Str::alarm_Label1)),
      Edit(c.HourEdit, c.GroupBox1, 1, {8, 60, 29, 21}, "0").MaxLength(2),
      UpDown(c.HourUpDown, c.GroupBox1, 2, {37, 60, 16, 21}, c.HourEdit).Range(0, 23).WrapAround(),
      Label("Label2", c.GroupBox1, {60, 44, 0, 0}, Tr(Str::alarm_Label2)),
      Edit(c.MinEdit, c.GroupBox1, 3, {60, 60, 29, 21}, "0").MaxLength(2),
      UpDown(c.MinUpDown, c.GroupBox1, 4, {89, 60, 16, 21}, c.MinEdit).Range(0, 59).WrapAround(),
      Radio(c.AMRadio, c.GroupBox1, 5, {112, 54, 37, 21}, Tr(Str::alarm_AMRadio)),
      Radio(c.PMRadio, c.GroupBox1, 6, {112, 70, 37, 17}, Tr(Str::alarm_PMRadio)),
      GroupBox(c.GroupBox2, kOnForm, 1, {180, 12, 145, 93}, Tr(Str::alarm_GroupBox2)),
      Check(c.AnnCheck, c.GroupBox2, 0, {8, 20, 133, 17}, Tr(Str::alarm_AnnCheck)),
      Edit(c.AnnEdit, c.GroupBox2, 1, {8, 60, 33, 21}, "1").MaxLength(2),
      UpDown(c.AnnUpDown, c.GroupBox2, 2, {41, 60, 15, 21}, c.AnnEdit).Range(1, 60).At(1),
      Label("Label3", c.GroupBox2, {64, 64, 0, 0}, Tr(Str::alarm_Label3)),
      BitBtn(c.BitBtn1, kOnForm, 2, {9, 255, 73, 33}, ButtonRole::Ok, Tr(Str::alarm_BitBtn1)),
      BitBtn(c.BitBtn2, kOnForm, 3, {251, 255, 73, 33}, ButtonRole::Cancel, Tr(Str::alarm_BitBtn2)),
      GroupBox(c.GroupBox3, kOnForm, 4, {8, 112, 317, 129}, Tr(Str::alarm_GroupBox3)),
      Label("Label6", c.GroupBox3, {9, 18, 0, 0}, Tr(Str::alarm_Label6)),
      Combo(c.AlarmSoundCombo, c.GroupBox3, 4, {8, 34, 145, 21},
            AlarmSoundNames()),
      BitBtn(c.PreviewButton, c.GroupBox3, 5, {153, 34, 21, 20}, ButtonRole::Custom, "")
          .Glyph(int(Glyph::Play))
          .Hint(Tr(Str::alarm_PreviewButton_hint)),
      Label("Label4", c.GroupBox3, {185, 18, 0, 0}, Tr(Str::alarm_Label4)),
      Edit(c.AlarmIntEdit, c.GroupBox3, 2, {184, 34, 33, 21}, "1").ReadOnly().MaxLength(2),
      UpDown(c.AlmIntUpDown, c.GroupBox3, 3, {217, 34, 15, 21}, c.AlarmIntEdit).Range(0, 60).At(1),
      Label("Label5", c.GroupBox3, {240, 37, 0, 0}, Tr(Str::alarm_Label5)),
      Label("Label7", c.GroupBox3, {9, 60, 0, 0}, Tr(Str::alarm_Label7)),
      Edit(c.WaveFileEdit, c.GroupBox3, 0, {8, 76, 217, 21}, ""),
      Button(c.BrButton, c.GroupBox3, 1, {237, 76, 63, 21}, Tr(Str::alarm_BrButton)),
      Check(c.AlarmAnnCheck, c.GroupBox3, 6, {8, 105, 257, 17}, Tr(Str::alarm_AlarmAnnCheck)),
      BitBtn(c.HelpButton, kOnForm, 5, {128, 255, 75, 33}, ButtonRole::Help, Tr(Str::alarm_HelpButton)),
  };
}

}  // namespace

std::optional<std::string> BrowseForWaveFile(HWND owner, const std::string& presetText) {
  // The buffer holds the preset. Wide from end to end: a file under
  // C:\Users\Łukasz keeps its name.
  const std::wstring preset = Wide(presetText);
  std::vector<wchar_t> file(std::max<size_t>(preset.size() + 1, 32768), L'\0');
  preset.copy(file.data(), preset.size());
  // "WAV files", then the pattern: each ends with a null, the list with another.
  const std::wstring filter = Wide(Tr(Str::alarm_waveFilter)) + std::wstring(L"\0*.wav\0", 7);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return Utf8(file.data());
}

TAlarmForm::TAlarmForm(const ClockSettings& settings, const AlarmSoundList* sounds)
    : Dialog(Form(Tr(Str::alarm_caption), 332, 297), AlarmFormTable()),
      settings_(settings),
      sounds_(sounds),
      time_(*this, {c.HourEdit, c.HourUpDown, c.MinEdit, c.MinUpDown, c.AMRadio, c.PMRadio}, settings.Hour24,
            ShowError) {
  ShowError = [this](const char* text) { ShowTypingError(Handle(), text); };
  OnClick(c.AlarmCheck, [this] { AlarmCheckClick(); });
  OnClick(c.AnnCheck, [this] { AnnCheckClick(); });
  OnChange(c.AnnEdit, [this] { CheckTypedField(*this, c.AnnEdit, kAnnounceTyping, ShowError); });
  OnChange(c.AlarmSoundCombo, [this] { AlarmSoundComboChange(); });
  OnClick(c.BrButton, [this] { BrButtonClick(); });
  OnClick(c.PreviewButton, [this] { PreviewButtonClick(); });
  OnClick(c.HelpButton, [this] { HelpButtonClick(); });
  OnClick(c.BitBtn1, [this] { values_ = ReadValues(); });  // before the OK button closes the dialog
}

void TAlarmForm::FormCreate() {
  const ClockSettings& s = settings_;
  SetChecked(c.AlarmCheck, s.AlarmOn);
  // Only the edits and the radios follow the check; the arrows stay enabled.
  AlarmCheckClick();
  SetChecked(c.AnnCheck, s.AnnounceOn);
  SetChecked(c.AlarmAnnCheck, s.AlarmAnnounce);
  AnnCheckClick();
  time_.Show(s.AlarmHour, s.AlarmMinute);
  SetPosition(c.AnnUpDown, s.AnnounceInterval);
  SetItemIndex(c.AlarmSoundCombo, s.AlarmSound);
  SetText(c.WaveFileEdit, s.WaveFile);
  SetPosition(c.AlmIntUpDown, s.AlarmRepeatInterval);
  AlarmSoundComboChange();
}

void TAlarmForm::AlarmCheckClick() { time_.SetEnabled(Checked(c.AlarmCheck)); }

void TAlarmForm::AnnCheckClick() { SetEnabled(c.AnnEdit, Checked(c.AnnCheck)); }

void TAlarmForm::AlarmSoundComboChange() {
  const bool wave = WaveFileControlsEnabled(ItemIndex(c.AlarmSoundCombo));
  SetEnabled(c.WaveFileEdit, wave);
  SetEnabled(c.BrButton, wave);
}

void TAlarmForm::BrButtonClick() {
  // A cancelled dialog leaves the edit as it was.
  if (auto file = BrowseForWaveFile(Handle(), Text(c.WaveFileEdit))) SetText(c.WaveFileEdit, *file);
}

void TAlarmForm::PreviewButtonClick() {
  static const AlarmSoundList kNoSounds{};
  player_.Release();  // each preview reads the file afresh
  player_.Play(sounds_ ? *sounds_ : kNoSounds, ItemIndex(c.AlarmSoundCombo), Text(c.WaveFileEdit));
}

LRESULT TAlarmForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kWaveFileReadMessage) {
    player_.WaveFileRead();
    return 0;
  }
  if (msg == WM_DESTROY) player_.Release();
  return Dialog::HandleMessage(msg, wp, lp);
}

void TAlarmForm::HelpButtonClick() { ShowHelp(kHelpContext, kAlarmHelpTopic); }

AlarmFormValues TAlarmForm::ReadValues() const {
  AlarmFormValues v;
  v.AlarmOn = Checked(c.AlarmCheck);
  v.AnnounceOn = Checked(c.AnnCheck);
  v.AlarmAnnounce = Checked(c.AlarmAnnCheck);
  const TypedTime time = time_.Read();
  v.Pm = time.Pm;
  v.Hour = time.Hour;
  v.Minute = time.Minute;
  v.Hour24 = settings_.Hour24;
  v.SoundIndex = ItemIndex(c.AlarmSoundCombo);
  v.AnnounceInterval = Text(c.AnnEdit);
  v.RepeatInterval = Text(c.AlarmIntEdit);
  v.WaveFile = Text(c.WaveFileEdit);
  return v;
}

}  // namespace orlavox
