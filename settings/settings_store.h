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
// from this version, and decodes what was read. The installer's request
// "SetAutoStart" becomes the AutoStart switch and sets the log-on entry for
// programPath at once; the request stays until a save has stored the switch,
// so a clock ended before it saves keeps the choice.
LoadedSettings LoadSettingsFromRegistry(bool firstRun, DesktopSize desktop, const std::string& programPath);

// Writes the settings and creates or removes the log-on entry (programPath
// in UTF-8, stored as RunCommand(programPath)). Returns false
// when a value could not be written; the caller goes on all the same.
bool SaveSettingsToRegistry(const ClockSettings& s, int32_t windowTop, int32_t windowLeft,
                            const std::string& programPath);

// The face's zoom, kept beside the settings as the string value "Zoom" in
// per cent ("100" to "300" in steps of 25); missing or bad reads as 100.
int LoadZoomFromRegistry();
bool SaveZoomToRegistry(int zoom);
// The mark a voice leaves while it loads (the text of speech/voice_list.h's
// VoiceLoadingMark, UTF-8): written before the load, removed once it has
// returned. Found at a start, it may name a voice that hung or took the
// program down while loading.
void MarkVoiceLoading(const std::string& markText);
void ClearVoiceLoadingMark();
// The mark's text; nullopt when there is none.
std::optional<std::string> ReadVoiceLoadingMark();
// The selection alone ("SelLang"), stored before a start loads a voice in
// place of one that hung.
bool SaveSelectedLanguageToRegistry(int selected);

// The local minute (since 1970) of the alarm occurrence last rung, the string
// value "AlarmRung" in decimal: written as the alarm rings, read at start-up.
// Missing or unreadable reads as none (nullopt).
std::optional<int64_t> LoadAlarmRungFromRegistry();
bool SaveAlarmRungToRegistry(int64_t minute);

// The language the user chose for the windows in "More options", the string
// value "WindowLanguage": a language's code ("de"); "" for Automatic (the
// value missing, or unreadable).
std::string LoadWindowLanguageChoice();
bool SaveWindowLanguageChoice(const std::string& code);  // "" removes the value

// The values of the "More options" dialog: read at start-up, written only
// when that dialog's OK applies them (never by the save at close).
MoreOptions LoadMoreOptionsFromRegistry();
bool SaveMoreOptionsToRegistry(const MoreOptions& o);

}  // namespace orlavox
