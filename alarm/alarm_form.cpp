#include "alarm/alarm_form.h"

#include <commdlg.h>

#include <vector>

#include "alarm/alarm_sound_player.h"
#include "display/face_images.h"
#include "shell/help_engine.h"
#include "ui/wide_text.h"

namespace orlavox {
namespace {

using namespace ui;

constexpr DWORD kAlarmHelpTopic = 20;

std::vector<ControlRow> AlarmFormTable() {
  return {
      GroupBox("GroupBox1", "", 0, {8, 12, 161, 93}, "Alarm"),
      Check("AlarmCheck", "GroupBox1", 0, {8, 20, 97, 17}, "Alarm on"),
      Label("Label1", "GroupBox1", {8, 44, 0, 0}, "Hour"),
      Edit("HourEdit", "GroupBox1", 1, {8, 60, 29, 21}, "0").MaxLength(2),
      UpDown("HourUpDown", "GroupBox1", 2, {37, 60, 16, 21}, "HourEdit").Range(0, 23).WrapAround(),
      Label("Label2", "GroupBox1", {60, 44, 0, 0}, "Minute"),
      Edit("MinEdit", "GroupBox1", 3, {60, 60, 29, 21}, "0").MaxLength(2),
      UpDown("MinUpDown", "GroupBox1", 4, {89, 60, 16, 21}, "MinEdit").Range(0, 59).WrapAround(),
      Radio("AMRadio", "GroupBox1", 5, {112, 54, 37, 21}, "AM"),
      Radio("PMRadio", "GroupBox1", 6, {112, 70, 37, 17}, "PM"),
      GroupBox("GroupBox2", "", 1, {180, 12, 145, 93}, "Announce"),
      Check("AnnCheck", "GroupBox2", 0, {8, 20, 133, 17}, "Announce time every"),
      Edit("AnnEdit", "GroupBox2", 1, {8, 60, 33, 21}, "1").MaxLength(2),
      UpDown("AnnUpDown", "GroupBox2", 2, {41, 60, 15, 21}, "AnnEdit").Range(1, 60).At(1),
      Label("Label3", "GroupBox2", {64, 64, 0, 0}, "minutes"),
      BitBtn("BitBtn1", "", 2, {9, 255, 73, 33}, ButtonRole::Ok, "&OK"),
      BitBtn("BitBtn2", "", 3, {251, 255, 73, 33}, ButtonRole::Cancel, "&Cancel"),
      GroupBox("GroupBox3", "", 4, {8, 112, 317, 129}, "Alarm options"),
      Label("Label6", "GroupBox3", {9, 18, 0, 0}, "Sound"),
      Combo("AlarmSoundCombo", "GroupBox3", 4, {8, 34, 145, 21},
            {"System beep", "Yipe", "Lazer", "Whistle", "Fanfare", "Wave file..."}),
      BitBtn("PreviewButton", "GroupBox3", 5, {153, 34, 21, 20}, ButtonRole::Custom, "")
          .Glyph(int(Glyph::Play))
          .Hint("Play current sound"),
      Label("Label4", "GroupBox3", {185, 18, 0, 0}, "Sound interval"),
      Edit("AlarmIntEdit", "GroupBox3", 2, {184, 34, 33, 21}, "1").ReadOnly().MaxLength(2),
      UpDown("AlmIntUpDown", "GroupBox3", 3, {217, 34, 15, 21}, "AlarmIntEdit").Range(0, 60).At(1),
      Label("Label5", "GroupBox3", {240, 37, 0, 0}, "seconds"),
      Label("Label7", "GroupBox3", {9, 60, 0, 0}, "Wave file"),
      Edit("WaveFileEdit", "GroupBox3", 0, {8, 76, 217, 21}, ""),
      Button("BrButton", "GroupBox3", 1, {237, 76, 63, 21}, "Browse..."),
      Check("AlarmAnnCheck", "GroupBox3", 6, {8, 105, 257, 17}, "Announce the time before playing the sound"),
      BitBtn("HelpButton", "", 5, {128, 255, 75, 33}, ButtonRole::Help, "&Help"),
  };
}

}  // namespace

TAlarmForm::TAlarmForm(const ClockSettings& settings, const AlarmSoundList* sounds)
    : Dialog(Form("Alarm settings", 332, 297), AlarmFormTable()), settings_(settings), sounds_(sounds) {
  ShowError = [this](const char* text) { MessageBoxA(Handle(), text, "Error", MB_OK); };
  OnClick("AlarmCheck", [this] { AlarmCheckClick(); });
  OnClick("AnnCheck", [this] { AnnCheckClick(); });
  OnChange("HourEdit", [this] { HourEditChange(); });
  OnChange("MinEdit", [this] { MinEditChange(); });
  OnChange("AnnEdit", [this] { AnnEditChange(); });
  OnExit("MinEdit", [this] { MinEditExit(); });
  OnClick("MinUpDown", [this] { MinUpDownClick(); });
  OnChange("AlarmSoundCombo", [this] { AlarmSoundComboChange(); });
  OnClick("BrButton", [this] { BrButtonClick(); });
  OnClick("PreviewButton", [this] { PreviewButtonClick(); });
  OnClick("HelpButton", [this] { HelpButtonClick(); });
  OnClick("BitBtn1", [this] { values_ = ReadValues(); });  // before the OK button closes the dialog
}

void TAlarmForm::FormCreate() {
  const ClockSettings& s = settings_;
  SetChecked("AlarmCheck", s.AlarmOn);
  // Only the edits and the radios follow the check; the arrows stay enabled.
  AlarmCheckClick();
  SetChecked("AnnCheck", s.AnnounceOn);
  SetChecked("AlarmAnnCheck", s.AlarmAnnounce);
  AnnCheckClick();

  const HourEntry hour = HourEntryFor(s.AlarmHour, s.Hour24);
  SetRange("HourUpDown", hour.Min, hour.Max);
  SetPosition("HourUpDown", hour.Position);
  SetChecked("AMRadio", !hour.Pm);
  SetChecked("PMRadio", hour.Pm);

  SetPosition("MinUpDown", s.AlarmMinute);
  SetPosition("AnnUpDown", s.AnnounceInterval);
  SetItemIndex("AlarmSoundCombo", s.AlarmSound);
  SetText("WaveFileEdit", s.WaveFile);
  SetPosition("AlmIntUpDown", s.AlarmRepeatInterval);
  AlarmSoundComboChange();
  SetVisible("AMRadio", !s.Hour24);
  SetVisible("PMRadio", !s.Hour24);
}

void TAlarmForm::AlarmCheckClick() {
  const bool on = Checked("AlarmCheck");
  for (const char* name : {"HourEdit", "MinEdit", "AMRadio", "PMRadio"}) SetEnabled(name, on);
}

void TAlarmForm::AnnCheckClick() { SetEnabled("AnnEdit", Checked("AnnCheck")); }

void TAlarmForm::AlarmSoundComboChange() {
  const bool wave = WaveFileControlsEnabled(ItemIndex("AlarmSoundCombo"));
  SetEnabled("WaveFileEdit", wave);
  SetEnabled("BrButton", wave);
}

void TAlarmForm::CheckField(const char* name, TypingRange range) {
  const TypingCheck check = CheckTyped(Text(name), range);
  if (check == TypingCheck::Accepted) return;
  ShowError(TypingMessage(check));
  SetText(name, "");  // fires the check again, which passes
}

void TAlarmForm::PadMinuteField() {
  const std::string text = Text("MinEdit");
  const std::string padded = PadMinute(text);
  if (padded != text) SetText("MinEdit", padded);
}

void TAlarmForm::BrButtonClick() {
  // The buffer holds whatever the edit holds; a cancelled dialog leaves the edit as it was.
  // Wide from end to end: a file under C:\Users\Łukasz keeps its name.
  const std::wstring preset = Wide(Text("WaveFileEdit"));
  std::vector<wchar_t> file(std::max<size_t>(preset.size() + 1, 32768), L'\0');
  preset.copy(file.data(), preset.size());
  static const wchar_t kFilter[] = L"WAV files\0*.wav\0";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Handle();
  ofn.lpstrFilter = kFilter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (GetOpenFileNameW(&ofn)) SetText("WaveFileEdit", Utf8(file.data()));
}

void TAlarmForm::PreviewButtonClick() {
  static const AlarmSoundList kNoSounds{};
  player_.Release();  // each preview reads the file afresh
  player_.Play(sounds_ ? *sounds_ : kNoSounds, ItemIndex("AlarmSoundCombo"), Text("WaveFileEdit"));
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
  v.AlarmOn = Checked("AlarmCheck");
  v.AnnounceOn = Checked("AnnCheck");
  v.AlarmAnnounce = Checked("AlarmAnnCheck");
  v.Pm = Checked("PMRadio");
  v.Hour24 = settings_.Hour24;
  v.SoundIndex = ItemIndex("AlarmSoundCombo");
  v.Hour = Text("HourEdit");
  v.Minute = Text("MinEdit");
  v.AnnounceInterval = Text("AnnEdit");
  v.RepeatInterval = Text("AlarmIntEdit");
  v.WaveFile = Text("WaveFileEdit");
  return v;
}

}  // namespace orlavox
