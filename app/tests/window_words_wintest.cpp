// Every dialog's words fit their controls in every language, at 96 DPI and
// at 150 %: each text measured on its own font against its control, after
// the dialog has widened what needed it. English keeps the forms' sizes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "alarm/alarm_alert.h"
#include "alarm/alarm_editor_form.h"
#include "alarm/alarm_form.h"
#include "alarm/alarms_form.h"
#include "alarm/more_options_form.h"
#include "resources/lang_text.h"
#include "settings/notices.h"
#include "settings/settings_dialog.h"
#include "shell/info_dialogs.h"
#include "ui/tests/scripted_dialog.h"

namespace orlavox {
namespace {

class QuietHost : public AlarmAlertHost {
 public:
  const ClockSettings& AlarmSettings() const override { return settings_; }
  bool StartAlarmAnnouncement() override { return false; }
  bool VoiceSpeaking() const override { return false; }
  void SoundAlarm(AlarmSoundPlayer&) override {}

 private:
  ClockSettings settings_;
};

// The windows speak `language`, from its strings file.
void UseLanguage(const LanguageInfo& language) {
  std::ifstream in(std::string(ORLAVOX_LANG_DIR) + "\\" + language.Code + ".txt", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  ASSERT_FALSE(bytes.str().empty()) << language.Code;
  UseTexts(language.Id, TextsOf(ParseLangFile(bytes.str())));
}

// The dialog's first text that does not fit at 96 DPI, else at 150 %; an
// English dialog wider than its form is one too.
template <class D>
std::string Misfit(ui::Scripted<D>& d, const char* name, const LanguageInfo& language) {
  std::string misfit;
  d.Steps = {[&] {
    RECT client;
    GetClientRect(d.Handle(), &client);
    misfit = ui::FirstMisfit(d.Handle(), 96);
    if (misfit.empty() && language.Id == Language::English && client.right != d.FormWidth())
      misfit = "the form, " + std::to_string(client.right) + " wide, not " + std::to_string(d.FormWidth());
    if (misfit.empty()) {
      ui::ChangeScale(d.Handle(), 144);
      misfit = ui::FirstMisfit(d.Handle(), 144);
      if (!misfit.empty()) misfit += " at 144 DPI";
    }
    d.CloseWith(ui::kResultOk);
  }};
  d.Run();
  return misfit.empty() ? misfit : std::string(name) + " in " + language.Code + ": " + misfit;
}

TEST(WindowWords, FitTheirControlsInEveryLanguage) {
  for (const LanguageInfo& language : kLanguages) {
    UseLanguage(language);
    ClockSettings s;
    QuietHost host;
    ui::Scripted<TSettingsForm> settings(s);
    ui::Scripted<TAlarmForm> alarm(s, nullptr);
    ui::Scripted<TMoreOptionsForm> more(MoreOptions{}, false, true);  // with the reason under its wake check
    ui::Scripted<TAlarmAlertForm> alert(host, Tr(Str::alert_Label1), "Pills");
    ui::Scripted<TAlarmsForm> alarms(std::vector<AlarmEntry>(2), false, LocaleWeek{}, nullptr);
    ui::Scripted<TAlarmEditorForm> editor(AlarmEntry{}, true, false, LocaleWeek{}, nullptr);
    ui::Scripted<TAboutForm> about;
    ui::Scripted<TZentraInfoForm> zentra("");
    ui::Scripted<TInfoForm> welcome;
    ui::Scripted<TNewVerForm> upgrade;
    for (const std::string& misfit :
         {Misfit(settings, "Settings", language), Misfit(alarm, "the alarm dialog", language),
          Misfit(more, "More options", language), Misfit(alert, "the alert", language),
          Misfit(alarms, "Alarms", language), Misfit(editor, "the alarm editor", language),
          Misfit(about, "About", language), Misfit(zentra, "the edition dialog", language),
          Misfit(welcome, "Welcome", language), Misfit(upgrade, "the upgrade notice", language)})
      EXPECT_EQ(misfit, "");
  }
  UseTexts(Language::English, {});
}

}  // namespace
}  // namespace orlavox
