#include "speech/voice_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "resources/lang_text.h"
#include "speech/phrases/phrase.h"

namespace orlavox {

// How gtest prints a step of a failing plan.
void PrintTo(const MigrationStep& s, std::ostream* os) {
  *os << (s.action == MigrationStep::Action::Move ? "move " : "delete ") << s.source << " " << s.target;
}

namespace {

using Steps = std::vector<MigrationStep>;

MigrationStep Move(const std::string& from, const std::string& to) { return {MigrationStep::Action::Move, from, to}; }
MigrationStep Delete(const std::string& name) { return {MigrationStep::Action::Delete, name, {}}; }

TEST(VoiceList, SortsWithoutCaseAndNamesTheMenuItems) {
  std::vector<std::string> list = BuildVoiceList({"b.dll", "A.DLL", "c.Dll"});
  EXPECT_EQ(list, (std::vector<std::string>{"A", "b", "c"}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(LanguageMenuItemName(i), "MI_" + std::to_string(i));
    EXPECT_EQ(LanguageIndexFromMenuItemName(LanguageMenuItemName(i)), i);
  }
}

TEST(VoiceList, DropsNamesThatCompareEqualAndFillsAnEmptyFolder) {
  EXPECT_EQ(BuildVoiceList({"German (male).dll", "german (MALE).DLL", "English (female).dll"}),
            (std::vector<std::string>{"English (female)", "German (male)"}));
  EXPECT_EQ(BuildVoiceList({}), (std::vector<std::string>{"[No language]"}));
  // Only the last four characters go, whatever they are.
  EXPECT_EQ(BuildVoiceList({"x.dll", ".DLL"}), (std::vector<std::string>{"", "x"}));
}

TEST(VoiceList, IgnoringCaseComparesAsciiLettersOnly) {
  EXPECT_EQ(CompareTextIgnoringCase("abc", "ABC"), 0);
  EXPECT_LT(CompareTextIgnoringCase("ab", "abc"), 0);
  EXPECT_GT(CompareTextIgnoringCase("b", "A"), 0);
  EXPECT_LT(CompareTextIgnoringCase("Z", "_"), 0);  // 'Z' < '_' < 'a'
}

TEST(VoiceList, MenuIndexIsTheNumberFromTheFourthCharacter) {
  EXPECT_EQ(LanguageIndexFromMenuItemName("MI_12"), 12);
  EXPECT_EQ(LanguageIndexFromMenuItemName("MI_"), std::nullopt);
  EXPECT_EQ(LanguageIndexFromMenuItemName("MI_1x"), std::nullopt);
  EXPECT_EQ(LanguageIndexFromMenuItemName("MI_-1"), std::nullopt);
  EXPECT_EQ(LanguageIndexFromMenuItemName("MI_12345678901"), std::nullopt);
}

TEST(VoiceList, SelectionOutsideTheListSelectsTheFirstVoice) {
  EXPECT_EQ(ClampSelectedLanguage(5, 3), 0);
  EXPECT_EQ(ClampSelectedLanguage(3, 3), 0);
  EXPECT_EQ(ClampSelectedLanguage(-1, 3), 0);
  EXPECT_EQ(ClampSelectedLanguage(2, 3), 2);
  EXPECT_EQ(ClampSelectedLanguage(0, 1), 0);
}

TEST(VoiceList, VoicesThatHungWhileLoadingArePassedOver) {
  const std::vector<std::string> voices{"Dutch (male)", "English (female)", "German (male)"};
  auto start = [](const std::vector<std::string>& list, int selected, const std::string& markText) {
    const StartVoice c = ChooseStartVoice(list, selected, DecodeVoiceLoadingMark(markText));
    std::string passed;
    for (const std::string& v : c.PassedOver) passed += "|" + v;
    return std::to_string(c.Index) + (c.Load ? " load " : " none ") + c.Skipped + passed;
  };
  // A mark of an older version: the name alone.
  EXPECT_EQ(start(voices, 2, "German (male)"), "0 load German (male)|German (male)");
  EXPECT_EQ(start(voices, 0, "Dutch (male)|7|99"), "1 load Dutch (male)|Dutch (male)");
  EXPECT_EQ(start(voices, 1, "German (male)|7|99"), "1 load |German (male)");  // another voice hung: the choice stands
  EXPECT_EQ(start({"Dutch (male)"}, 0, "Dutch (male)"), "0 none Dutch (male)|Dutch (male)");
  // The substitute hung as well: the third voice, never back to the first.
  EXPECT_EQ(start(voices, 1, "English (female)|7|99|Dutch (male)"), "2 load English (female)|Dutch (male)|English (female)");
  EXPECT_EQ(start({"Dutch (male)", "English (female)"}, 1, "English (female)|7|99|Dutch (male)|Gone"),
            "1 none English (female)|Dutch (male)|English (female)");
  // Nothing loaded at the last start: the voices stay passed over, without a word.
  EXPECT_EQ(start({"Dutch (male)", "English (female)"}, 1, "|0|0|Dutch (male)|English (female)"),
            "1 none |Dutch (male)|English (female)");
}

TEST(VoiceList, LoadingMarkNamesItsWriter) {
  const VoiceLoadingMark mark{"German (male)", 4242, 133000000000000001ull, {"Dutch (male)"}};
  const std::string text = EncodeVoiceLoadingMark(mark);
  const VoiceLoadingMark back = DecodeVoiceLoadingMark(text);
  EXPECT_EQ(back.Voice + "|" + std::to_string(back.WriterId) + "|" + std::to_string(back.WriterStarted), "German (male)|4242|133000000000000001");
  EXPECT_EQ(back.PassedOver, mark.PassedOver);
  auto runs = [](uint32_t id, uint64_t started) { return id == 4242 && started == 133000000000000001ull; };
  EXPECT_TRUE(MarkWriterRuns(back, runs));
  EXPECT_FALSE(MarkWriterRuns(DecodeVoiceLoadingMark("German (male)|4242|5"), runs));  // the id given to a later process
  // Without a writer, or an unreadable one: gone.
  EXPECT_FALSE(MarkWriterRuns(DecodeVoiceLoadingMark("German (male)"), runs));
  EXPECT_FALSE(MarkWriterRuns(DecodeVoiceLoadingMark("German (male)|x42|133000000000000001"), runs));
  EXPECT_FALSE(MarkWriterRuns(DecodeVoiceLoadingMark("German (male)|99999999999|133000000000000001"), runs));
}

TEST(VoiceList, Messages) {
  EXPECT_EQ(LoadFailedMessage("[No language]"),
            "Could not load [No language].DLL - time announcements will not be available.");
  EXPECT_EQ(SpeakMissingMessage("German (male)"),
            "Error in German (male).DLL - time announcements will not be available.");
  // The voice menu names the shipped voices in the windows' language; others keep their file's name.
  UseTexts(Language::German, TextsOf(ParseLangFile("menu.voice.GermanFemale = Deutsch (weiblich)")));
  EXPECT_EQ(VoiceMenuName("german (FEMALE)"), "Deutsch (weiblich)");
  EXPECT_EQ(VoiceMenuName("German (male)"), "German (male)");
  EXPECT_EQ(VoiceMenuName("Klingon (male)"), "Klingon (male)");
  UseTexts(Language::English, TextsOf(LangFile{}));
}

TEST(LegacyMigration, MovesLegacyNamesInAnyCaseAndLeavesOthers) {
  auto nothingThere = [](const std::string&) { return false; };
  EXPECT_EQ(PlanLegacyMigration({"gerMa.dll", "helper.dll", "ENGLI.DLL", "GERMAN.DLL"}, nothingThere, false),
            (Steps{Move("gerMa.dll", "voice\\German (male).dll"), Move("ENGLI.DLL", "voice\\English (female).dll")}));
}

TEST(LegacyMigration, DeletesWhenTheTargetExists) {
  std::vector<std::string> asked;
  auto exists = [&](const std::string& name) {
    asked.push_back(name);
    return name == "Polish (female).dll";
  };
  EXPECT_EQ(PlanLegacyMigration({"POLIS.DLL", "DUTCH.DLL"}, exists, false),
            (Steps{Delete("POLIS.DLL"), Move("DUTCH.DLL", "voice\\Dutch (male).dll")}));
  EXPECT_EQ(asked, (std::vector<std::string>{"Polish (female).dll", "Dutch (male).dll"}));
}

TEST(LegacyMigration, DeletesLangDatEvenWithoutLegacyPlugins) {
  auto nothingThere = [](const std::string&) { return false; };
  EXPECT_EQ(PlanLegacyMigration({}, nothingThere, true), (Steps{Delete("LANG.DAT")}));
  EXPECT_EQ(PlanLegacyMigration({"other.dll"}, nothingThere, true), (Steps{Delete("LANG.DAT")}));
  EXPECT_EQ(PlanLegacyMigration({"ITALI.DLL"}, nothingThere, true),
            (Steps{Move("ITALI.DLL", "voice\\Italian (female).dll"), Delete("LANG.DAT")}));
  EXPECT_TRUE(PlanLegacyMigration({}, nothingThere, false).empty());
}

TEST(LegacyMigration, AFileFoundTwiceMovesOnce) {
  // Under Wine the program folder can hold names that differ only in case.
  auto nothingThere = [](const std::string&) { return false; };
  EXPECT_EQ(PlanLegacyMigration({"SWEDI.DLL", "swedi.dll"}, nothingThere, false),
            (Steps{Move("SWEDI.DLL", "voice\\Swedish (female).dll"), Delete("swedi.dll")}));
}

// The table's names follow the 8.3 and "Language (speaker).dll" forms, and
// every voice built from speech/voices/voices.txt has its row.
TEST(LegacyVoiceNamesTable, FormsAndShippedVoices) {
  std::set<std::string> oldNames, currentNames;
  for (const LegacyVoiceName& row : LegacyVoiceNames) {
    const std::string oldName = row.OldName, current = row.CurrentName;
    EXPECT_TRUE(oldNames.insert(oldName).second) << oldName;
    EXPECT_TRUE(currentNames.insert(current).second) << current;
    ASSERT_EQ(oldName.size(), 9u) << oldName;
    EXPECT_EQ(oldName.substr(5), ".DLL");
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(oldName[i] >= 'A' && oldName[i] <= 'Z') << oldName;
    const size_t open = current.find(" (");
    ASSERT_NE(open, std::string::npos) << current;
    EXPECT_EQ(current.substr(current.size() - 5), ").dll") << current;
    EXPECT_EQ(FindLegacyVoice(oldName), &row);
  }
  EXPECT_EQ(oldNames.size(), 41u);

  std::ifstream voices(ORLAVOX_VOICE_CATALOGUE);
  ASSERT_TRUE(voices) << ORLAVOX_VOICE_CATALOGUE;
  int shipped = 0;
  for (std::string line; std::getline(voices, line);) {
    if (line.empty() || line[0] == '#') continue;
    const size_t bar1 = line.find('|'), bar2 = line.find('|', bar1 + 1);
    const std::string language = line.substr(0, bar1), speaker = line.substr(bar1 + 1, bar2 - bar1 - 1);
    EXPECT_NE(FindLanguage(language), nullptr) << line;
    EXPECT_EQ(currentNames.count(language + " (" + speaker + ").dll"), 1u) << line;
    ++shipped;
  }
  EXPECT_GE(shipped, 8);
}

TEST(VoiceList, NewUserHearsTheirOwnLanguage) {
  const std::vector<std::string> voices = {"Dutch (male)", "English (female)", "English (male)", "Germanic",
                                           "German (male)", "System voice"};
  EXPECT_EQ(PreferredVoiceIndex(voices, VoiceLanguageName(0x0407)), 4);  // de-DE: not "Germanic"
  EXPECT_EQ(PreferredVoiceIndex(voices, VoiceLanguageName(0x0C07)), 4);  // de-AT, same language
  EXPECT_EQ(PreferredVoiceIndex(voices, VoiceLanguageName(0x0809)), 1);  // en-GB: the first English voice
  EXPECT_EQ(PreferredVoiceIndex(voices, "english"), 1);
  EXPECT_EQ(PreferredVoiceIndex(voices, VoiceLanguageName(0x0411)), 0);  // Japanese: no voice, the first
  EXPECT_EQ(PreferredVoiceIndex({}, "German"), 0);
  EXPECT_EQ(PreferredVoiceIndex({"German"}, "German"), 0);
  EXPECT_EQ(PreferredVoiceIndex({"Dutch", "Polish"}, VoiceLanguageName(0x0415)), 1);
}

}  // namespace
}  // namespace orlavox
