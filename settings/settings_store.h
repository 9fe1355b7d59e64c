#pragma once
// Where ClockSettings live: HKEY_CURRENT_USER\Software\Brenvik\Orlavox Lite,
// plus the log-on entry under the Run keys. The meaning of the stored
// strings is in clock_settings.h; this is only the registry traffic.
#include <optional>
#include <string>

#include "settings/clock_settings.h"
#include "settings/more_options.h"

namespace orlavox {

// The first-run test: neither edition has left its settings.
bool CheckFirstRunInRegistry();

// Reads the settings key (creating it), writes "CurrentVer" when it differs
// from this version, and decodes what was read.
LoadedSettings LoadSettingsFromRegistry(bool firstRun, DesktopSize desktop);

// Writes the settings and creates or removes the log-on entry (programPath
// in UTF-8, stored as RunCommand(programPath)). Returns false
// when a value could not be written; the caller goes on all the same.
bool SaveSettingsToRegistry(const ClockSettings& s, int32_t windowTop, int32_t windowLeft,
                            const std::string& programPath);

// The face's zoom, kept beside the settings as the string value "Zoom" in
// per cent ("100" to "300" in steps of 25); missing or bad reads as 100.
int LoadZoomFromRegistry();
bool SaveZoomToRegistry(int zoom);
// The mark a voice leaves while it loads (its name, UTF-8): written before
// the load, removed once it has returned. Found at a start, it names a voice
// that hung or took the program down while loading.
void MarkVoiceLoading(const std::string& voiceName);
void ClearVoiceLoadingMark();
// The mark's voice name; nullopt when there is none.
std::optional<std::string> VoiceLoadingMark();

// The local minute (since 1970) of the alarm occurrence last rung, the string
// value "AlarmRung" in decimal: written as the alarm rings, read at start-up.
// Missing or unreadable reads as none (nullopt).
std::optional<int64_t> LoadAlarmRungFromRegistry();
bool SaveAlarmRungToRegistry(int64_t minute);

// The values of the "More options" dialog: read at start-up, written only
// when that dialog's OK applies them (never by the save at close).
MoreOptions LoadMoreOptionsFromRegistry();
bool SaveMoreOptionsToRegistry(const MoreOptions& o);

}  // namespace orlavox
