#pragma once
// The settings dialog: the display and start-up switches of ClockSettings
// and the clock's update interval. It edits a copy of the settings; the
// caller applies the copy when the dialog closed with OK.
#include "settings/clock_settings.h"
#include "ui/dialog.h"

namespace orlavox {

class TSettingsForm : public ui::Dialog {
 public:
  // `settings`: what the controls start from.
  explicit TSettingsForm(const ClockSettings& settings);
  // After OK: the settings with the dialog's choices; otherwise as given.
  const ClockSettings& Settings() const { return settings_; }

 protected:
  void FormCreate() override;

 private:
  void ReadControls();
  ClockSettings settings_;
};

}  // namespace orlavox
