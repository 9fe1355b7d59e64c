#pragma once
// The voice library's decisions: the names of older plug-ins and where they
// move, the sorted voice list, the language menu's item names and the
// stored selection. The Win32 side (voice_host.h) reads the folders and
// carries the decisions out.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlavox {

inline constexpr const char* kVoiceFolderName = "voice";
inline constexpr const char* kNoLanguage = "[No language]";
inline constexpr const char* kLegacyLanguageFile = "LANG.DAT";
inline constexpr const char* kVoiceFolderError = "Fatal error: Could not create \"voice\" folder";
inline constexpr const char* kLanguageMenuPrefix = "MI_";

// "Could not load " + name + ".DLL - time announcements will not be available."
std::string LoadFailedMessage(std::string_view voiceName);
// "Error in " + name + ".DLL - time announcements will not be available."
std::string SpeakMissingMessage(std::string_view voiceName);

// An older plug-in's 8.3 file name and the name it has in the voice folder.
struct LegacyVoiceName {
  const char* OldName;      // "ENGLI.DLL"
  const char* CurrentName;  // "English (female).dll"
};
inline constexpr int kLegacyVoiceCount = 41;
extern const LegacyVoiceName LegacyVoiceNames[kLegacyVoiceCount];

// The first row whose old name equals the upper-case form of fileName.
const LegacyVoiceName* FindLegacyVoice(std::string_view fileName);

struct MigrationStep {
  enum class Action { Move, Delete };
  Action action;
  std::string source;  // relative to the program folder
  std::string target;  // relative to the program folder; empty for Delete

  bool operator==(const MigrationStep& o) const {
    return action == o.action && source == o.source && target == o.target;
  }
};

// What to do with the *.DLL files found in the program folder: a legacy
// plug-in moves to "voice\<current name>", or is deleted when that target
// already exists; other names are left alone. LANG.DAT is deleted last when
// it exists, whether or not any plug-in was found.
// targetExists is asked with the current name, e.g. "English (female).dll".
std::vector<MigrationStep> PlanLegacyMigration(const std::vector<std::string>& foundFiles,
                                               const std::function<bool(const std::string&)>& targetExists,
                                               bool legacyLanguageFileExists);

// The English name of a language as the voices' file names begin with it
// ("German" for "German (female).dll"), from the primary language of a
// Windows language id (its low ten bits); "" for a language no voice speaks.
std::string_view VoiceLanguageName(unsigned languageId);
// The voice a new user hears first: the first in the sorted list whose name
// is `language` or begins with `language` followed by " (", compared without
// case; 0 when none is (or the language is "").
int PreferredVoiceIndex(const std::vector<std::string>& sortedVoices, std::string_view language);

// Three-way text comparison: negative, zero or positive.
using TextCompare = int (*)(std::string_view, std::string_view);
// ASCII letters compared without case; other bytes by value.
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

// The voice list from the file names in the voice folder: each name without
// its last four characters, sorted with compare, names that compare equal
// kept once; "[No language]" alone when there are none. The Win32 side
// passes the user locale's comparison.
std::vector<std::string> BuildVoiceList(const std::vector<std::string>& fileNames,
                                        TextCompare compare = CompareTextIgnoringCase);

// "MI_" + index; and back: the number from the name's fourth character on.
std::string LanguageMenuItemName(int index);
std::optional<int> LanguageIndexFromMenuItemName(std::string_view name);

// A stored selection outside 0..count-1 selects the first voice.
int ClampSelectedLanguage(int selected, int count);

// The voice a start loads when the last one left the loading mark of
// `markedVoice` (a voice that hung or crashed while loading): the selection,
// unless it names that voice; then the first voice, or the first other one
// when the first is that voice, and none at all when it is the only voice.
struct StartVoice {
  int Index = 0;
  bool Load = true;
  std::string Skipped;  // the voice passed over for this start; "" when none
};
StartVoice ChooseStartVoice(const std::vector<std::string>& voices, int selected, std::string_view markedVoice);
// "Skipped " + name + ".DLL - it did not finish loading at the last start."
std::string SkippedVoiceMessage(std::string_view voiceName);

}  // namespace orlavox
