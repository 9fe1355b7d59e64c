#include "alarm/time_entry.h"

#include "resources/lang_text.h"
#include "win/wide_text.h"

namespace orlavox {

void ShowTypingError(HWND owner, const char* text) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(Tr(Str::msg_errorCaption)).c_str(), MB_OK);
}

void CheckTypedField(ui::Dialog& dialog, ui::EditId edit, TypingRange range, const TypingErrorBox& showError) {
  const TypingCheck check = CheckTyped(dialog.Text(edit), range);
  if (check == TypingCheck::Accepted) return;
  showError(TypingMessage(check));
  dialog.SetText(edit, "");  // fires the check again, which passes
}

void PadMinuteField(ui::Dialog& dialog, ui::EditId minute) {
  const std::string text = dialog.Text(minute);
  const std::string padded = PadMinute(text);
  if (padded != text) dialog.SetText(minute, padded);
}

TimeEntry::TimeEntry(ui::Dialog& dialog, TimeEntryIds ids, bool hour24, const TypingErrorBox& showError)
    : dialog_(dialog), ids_(ids), hour24_(hour24) {
  dialog.OnChange(ids.Hour, [this, &showError] {
    CheckTypedField(dialog_, ids_.Hour, HourTyping(hour24_), showError);
  });
  dialog.OnChange(ids.Minute, [this, &showError] {
    CheckTypedField(dialog_, ids_.Minute, kMinuteTyping, showError);
  });
  dialog.OnExit(ids.Minute, [this] { PadMinute(); });
  dialog.OnClick(ids.MinuteUpDown, [this] { PadMinute(); });
}

void TimeEntry::Show(int hour, int minute) {
  const HourEntry entry = HourEntryFor(hour, hour24_);
  dialog_.SetRange(ids_.HourUpDown, entry.Min, entry.Max);
  dialog_.SetPosition(ids_.HourUpDown, entry.Position);
  dialog_.SetChecked(ids_.Am, !entry.Pm);
  dialog_.SetChecked(ids_.Pm, entry.Pm);
  dialog_.SetVisible(ids_.Am, !hour24_);
  dialog_.SetVisible(ids_.Pm, !hour24_);
  dialog_.SetPosition(ids_.MinuteUpDown, minute);
}

void TimeEntry::SetEnabled(bool on) {
  dialog_.SetEnabled(ids_.Hour, on);
  dialog_.SetEnabled(ids_.Minute, on);
  dialog_.SetEnabled(ids_.Am, on);
  dialog_.SetEnabled(ids_.Pm, on);
}

TypedTime TimeEntry::Read() const {
  return {dialog_.Text(ids_.Hour), dialog_.Text(ids_.Minute), dialog_.Checked(ids_.Pm)};
}

}  // namespace orlavox
