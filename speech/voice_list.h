#pragma once
// The voice library's decisions: the names of older plug-ins and where they
// move, the sorted voice list, the language menu's item names and the
// stored selection. The Win32 side (voice_host.h) reads the folders and
// carries the decisions out.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlavox {

inline constexpr const char* kVoiceFolderName = "voice";
inline constexpr const char* kNoLanguage = "[No language]";
inline constexpr const char* kLegacyLanguageFile = "LANG.DAT";
inline constexpr const char* kLanguageMenuPrefix = "MI_";

// The messages below are in the windows' language, e.g.
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

// The name the voice menu shows: a voice that comes with the clock (and
// "[No language]") in the windows' language, "Deutsch (weiblich)" for
// "German (female)"; any other voice as its file is named.
std::string VoiceMenuName(std::string_view voiceName);

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

// The mark a voice leaves in the settings while it loads: the voice, the
// start that loads it (its process id and creation time: a later process
// given the same id is not that start) and the voices that start had passed
// over already. A mark found at a start whose writer no longer runs names a
// voice that hung or took the program down while loading; a mark whose
// writer runs belongs to another copy still loading, and is left alone.
// Stored as its fields joined by '|', which no file name holds; a mark of
// an older version, the voice's name alone, has no writer.
struct VoiceLoadingMark {
  std::string Voice;  // "" when nothing loads: every voice was passed over
  uint32_t WriterId = 0;
  uint64_t WriterStarted = 0;
  std::vector<std::string> PassedOver;
};
std::string EncodeVoiceLoadingMark(const VoiceLoadingMark& mark);
VoiceLoadingMark DecodeVoiceLoadingMark(std::string_view text);
// Whether the mark was written by a start that still runs: never for a
// mark without writer; else `runs(id, started)` tells.
bool MarkWriterRuns(const VoiceLoadingMark& mark, const std::function<bool(uint32_t, uint64_t)>& runs);

// The voice a start loads when it finds the mark of a start that has gone:
// the selection, unless that start or an earlier one passed it over (the
// mark's voice and its PassedOver); then the first voice not passed over,
// and none at all when every voice was. PassedOver goes into this start's
// own mark, so that voices that hang in turn cost one start each; Skipped
// names the selection when it is the voice that hung at the last start.
struct StartVoice {
  int Index = 0;
  bool Load = true;
  std::string Skipped;  // the voice passed over for this start; "" when none
  std::vector<std::string> PassedOver;
};
StartVoice ChooseStartVoice(const std::vector<std::string>& voices, int selected, const VoiceLoadingMark& mark);
// "Skipped " + name + ".DLL - it did not finish loading at the last start."
std::string SkippedVoiceMessage(std::string_view voiceName);

}  // namespace orlavox
