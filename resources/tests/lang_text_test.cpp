#include "resources/lang_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orlavox {
namespace {

LangFile ReadLang(const std::string& code, bool& found) {
  std::ifstream in(std::string(ORLAVOX_LANG_DIR) + "/" + code + ".txt", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  found = bool(in);
  return ParseLangFile(bytes.str());
}

// Every language's file holds exactly the keys of en.txt, each text with the
// same placeholders, mnemonics and line breaks; the build's English texts are
// en.txt's own.
TEST(LangFiles, EveryLanguageMatchesTheReference) {
  bool found = false;
  const LangFile english = ReadLang("en", found);
  ASSERT_TRUE(found);
  EXPECT_TRUE(english.Problems.empty());
  const std::vector<std::string> built = TextsOf(LangFile{});
  ASSERT_EQ(english.Entries.size(), built.size());
  for (size_t i = 0; i < built.size(); ++i) {
    EXPECT_EQ(english.Entries[i].Key, kStrKeys[i]);
    EXPECT_EQ(english.Entries[i].Text, built[i]) << kStrKeys[i];
  }
  for (const LanguageInfo& info : kLanguages) {
    const LangFile file = ReadLang(info.Code, found);
    EXPECT_TRUE(found) << info.Code << ".txt is missing";
    if (!found) continue;
    std::string differences;
    for (const std::string& d : CompareWithReference(english, file)) differences += "\n  " + d;
    EXPECT_EQ(differences, "") << "in " << info.Code << ".txt";
  }
}

TEST(LangFiles, ReadsLinesAndFindsEveryDifference) {
  const LangFile ref = ParseLangFile(
      "\xEF\xBB\xBF# comment\r\n\r\n a.b  =  Two\\nlines, 100\\\\%% \r\nmsg.x = Load %s (%d)\nmenu.y = &Open && close\n");
  ASSERT_EQ(ref.Entries.size(), 3u);
  EXPECT_EQ(ref.Entries[0].Key, "a.b");
  EXPECT_EQ(ref.Entries[0].Text, "Two\nlines, 100\\%%");
  EXPECT_EQ(ref.Entries[2].Line, 5);
  EXPECT_TRUE(ref.Problems.empty());

  const LangFile bad = ParseLangFile("a.b = Zwei Zeilen\nmsg.x = Laden %d (%s)\nmenu.y = Offen\nnew.z = Neu\nno key\n"
                                     "new.z = again\n");
  const std::vector<std::string> d = CompareWithReference(ref, bad);
  ASSERT_EQ(d.size(), 6u);
  EXPECT_EQ(d[0], "line 5: not \"key = text\"");
  EXPECT_EQ(d[1], "line 6: new.z given again");
  EXPECT_NE(d[2].find("a.b: placeholders \"\", 0 &, 0 line breaks where English has"), std::string::npos) << d[2];
  EXPECT_NE(d[3].find("msg.x: placeholders \"%d%s\""), std::string::npos) << d[3];
  EXPECT_NE(d[4].find("menu.y: placeholders \"\", 0 &"), std::string::npos) << d[4];
  EXPECT_EQ(d[5], "new.z: not a key of the reference");
  EXPECT_TRUE(CompareWithReference(ref, ParseLangFile("menu.y=&Auf\nmsg.x=%s: %d\na.b=x\\ny")).size() == 0);
}

TEST(LangFiles, TextsFallBackToEnglishAndFillTheirPlaceholders) {
  const std::vector<std::string> texts = TextsOf(ParseLangFile("settings.caption = Einstellungen\nnot.a.key = x\n"));
  EXPECT_EQ(texts[size_t(Str::settings_caption)], "Einstellungen");
  EXPECT_EQ(texts[size_t(Str::alarm_caption)], "Alarm settings");
  UseTexts(Language::German, texts);
  EXPECT_EQ(Tr(Str::settings_caption), "Einstellungen");
  EXPECT_EQ(WindowLanguage(), Language::German);
  UseTexts(Language::English, TextsOf(LangFile{}));
  EXPECT_EQ(Tr(Str::msg_voiceLoadFailed, {"Polski (kobieta)"}),
            "Could not load Polski (kobieta).DLL - time announcements will not be available.");
  EXPECT_EQ(FormatText("%d%% of %s, %s", {"5", "x"}), "5% of x, ");

  EXPECT_EQ(ChooseWindowLanguage("pl", 0x0407), Language::Polish);
  EXPECT_EQ(ChooseWindowLanguage("", 0x0407), Language::German);
  EXPECT_EQ(ChooseWindowLanguage("xx", 0x0411), Language::English);
  EXPECT_EQ(LanguageChoiceIndex("pl"), 9);
  EXPECT_EQ(LanguageChoiceIndex("xx") + LanguageChoiceIndex(""), 0);
  EXPECT_EQ(LanguageChoiceCode(9) + LanguageChoiceCode(1) + LanguageChoiceCode(0) + LanguageChoiceCode(10), "plen");
}

}  // namespace
}  // namespace orlavox
