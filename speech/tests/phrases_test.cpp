#include "speech/phrases/phrase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace orlavox {
namespace {

std::string Say(Language language, int hour, int minute) {
  Phrase phrase = ComposePhrase(language, hour, minute);
  EXPECT_TRUE(phrase.complete) << RulesFor(language).name << " " << hour << ":" << minute;
  char text[256];
  PhraseText(language, phrase, text, sizeof text);
  return text;
}

struct Expected {
  int hour;
  int minute;
  const char* text;
};

void ExpectPhrases(Language language, const std::vector<Expected>& cases) {
  for (const Expected& c : cases) {
    EXPECT_EQ(Say(language, c.hour, c.minute), c.text) << RulesFor(language).name << " " << c.hour << ":" << c.minute;
  }
}

// Each language's first seven rows are the same times: midnight, a minute
// after it, 07:05, noon, 12:30, 13:45 and a minute before midnight.

TEST(PhraseRules, English) {
  ExpectPhrases(Language::English, {
      {0, 0, "It's midnight"}, {0, 1, "It's one minute past midnight"}, {7, 5, "It's five past seven"},
      {12, 0, "It's noon"}, {12, 30, "It's half past twelve"}, {13, 45, "It's quarter to two"},
      {23, 59, "It's one minute to midnight"}, {7, 0, "It's seven o'clock"}, {7, 10, "It's ten past seven"},
      {7, 15, "It's quarter past seven"}, {7, 29, "It's twenty-nine minutes past seven"},
      {7, 31, "It's twenty-nine minutes to eight"}, {7, 35, "It's twenty-five to eight"},
      {11, 50, "It's ten to twelve"}, {23, 30, "It's half past eleven"},
  });
}

TEST(PhraseRules, German) {
  ExpectPhrases(Language::German, {
      {0, 0, "Es ist Mitternacht"}, {0, 1, "Es ist eine Minute nach zwölf"}, {7, 5, "Es ist fünf nach sieben"},
      {12, 0, "Es ist zwölf Uhr"}, {12, 30, "Es ist halb eins"}, {13, 45, "Es ist Viertel vor zwei"},
      {23, 59, "Es ist eine Minute vor zwölf"}, {1, 0, "Es ist ein Uhr"}, {13, 5, "Es ist fünf nach eins"},
      {7, 20, "Es ist zwanzig nach sieben"}, {7, 22, "Es ist acht Minuten vor halb acht"},
      {7, 25, "Es ist fünf vor halb acht"}, {7, 30, "Es ist halb acht"}, {7, 35, "Es ist fünf nach halb acht"},
      {7, 31, "Es ist eine Minute nach halb acht"}, {7, 40, "Es ist zwanzig vor acht"},
      {7, 43, "Es ist siebzehn Minuten vor acht"}, {23, 30, "Es ist halb zwölf"},
  });
}

TEST(PhraseRules, French) {
  ExpectPhrases(Language::French, {
      {0, 0, "Il est minuit"}, {0, 1, "Il est minuit une"}, {7, 5, "Il est sept heures cinq"},
      {12, 0, "Il est midi"}, {12, 30, "Il est midi et demi"}, {13, 45, "Il est deux heures moins le quart"},
      {23, 59, "Il est minuit moins une"}, {1, 0, "Il est une heure"},
      {7, 15, "Il est sept heures et quart"}, {7, 30, "Il est sept heures et demie"},
      {7, 21, "Il est sept heures vingt et une"}, {7, 34, "Il est sept heures trente-quatre"},
      {7, 35, "Il est huit heures moins vingt-cinq"}, {7, 38, "Il est huit heures moins vingt-deux"},
      {7, 40, "Il est huit heures moins vingt"}, {23, 55, "Il est minuit moins cinq"},
      {23, 56, "Il est minuit moins quatre"}, {11, 50, "Il est midi moins dix"},
      {11, 39, "Il est midi moins vingt et une"}, {0, 31, "Il est minuit trente et une"},
  });
}

TEST(PhraseRules, Spanish) {
  ExpectPhrases(Language::Spanish, {
      {0, 0, "Es medianoche"}, {0, 1, "Son las doce y un minuto"}, {7, 5, "Son las siete y cinco"},
      {12, 0, "Es mediodía"}, {12, 30, "Son las doce y media"}, {13, 45, "Son las dos menos cuarto"},
      {23, 59, "Son las doce menos un minuto"}, {1, 0, "Es la una"}, {13, 15, "Es la una y cuarto"},
      {12, 45, "Es la una menos cuarto"}, {7, 40, "Son las ocho menos veinte"},
      {7, 31, "Son las siete y treinta y uno"}, {7, 34, "Son las siete y treinta y cuatro"},
      {7, 35, "Son las ocho menos veinticinco"}, {12, 33, "Son las doce y treinta y tres"},
      {0, 34, "Son las doce y treinta y cuatro"},
  });
}

TEST(PhraseRules, Italian) {
  ExpectPhrases(Language::Italian, {
      {0, 0, "È mezzanotte"}, {0, 1, "È mezzanotte e un minuto"}, {7, 5, "Sono le sette e cinque"},
      {12, 0, "È mezzogiorno"}, {12, 30, "È mezzogiorno e mezza"}, {13, 45, "Sono le due meno un quarto"},
      {23, 59, "È mezzanotte meno un minuto"}, {13, 0, "È l'una"}, {7, 15, "Sono le sette e un quarto"},
      {7, 38, "Sono le sette e trentotto"}, {7, 40, "Sono le otto meno venti"},
      {12, 50, "È l'una meno dieci"},
  });
}

TEST(PhraseRules, Dutch) {
  ExpectPhrases(Language::Dutch, {
      {0, 0, "Het is middernacht"}, {0, 1, "Het is één minuut over twaalf"}, {7, 5, "Het is vijf over zeven"},
      {12, 0, "Het is twaalf uur"}, {12, 30, "Het is half één"}, {13, 45, "Het is kwart voor twee"},
      {23, 59, "Het is één minuut voor twaalf"}, {7, 15, "Het is kwart over zeven"},
      {7, 20, "Het is tien voor half acht"}, {7, 30, "Het is half acht"},
      {7, 40, "Het is tien over half acht"}, {7, 44, "Het is veertien minuten over half acht"},
      {7, 46, "Het is veertien minuten voor acht"}, {7, 16, "Het is veertien minuten voor half acht"},
  });
}

TEST(PhraseRules, Swedish) {
  ExpectPhrases(Language::Swedish, {
      {0, 0, "Klockan är tolv"}, {0, 1, "Klockan är en minut över tolv"}, {7, 5, "Klockan är fem över sju"},
      {12, 0, "Klockan är tolv"}, {12, 30, "Klockan är halv ett"}, {13, 45, "Klockan är kvart i två"},
      {23, 59, "Klockan är en minut i tolv"}, {13, 0, "Klockan är ett"},
      {7, 20, "Klockan är tjugo över sju"}, {7, 25, "Klockan är fem i halv åtta"},
      {7, 35, "Klockan är fem över halv åtta"}, {7, 40, "Klockan är tjugo i åtta"},
      {7, 13, "Klockan är tretton minuter över sju"},
  });
}

TEST(PhraseRules, Norwegian) {
  ExpectPhrases(Language::Norwegian, {
      {0, 0, "Klokka er tolv"}, {0, 1, "Klokka er ett minutt over tolv"}, {7, 5, "Klokka er fem over sju"},
      {12, 0, "Klokka er tolv"}, {12, 30, "Klokka er halv ett"}, {13, 45, "Klokka er kvart på to"},
      {23, 59, "Klokka er ett minutt på tolv"}, {7, 20, "Klokka er ti på halv åtte"},
      {7, 40, "Klokka er ti over halv åtte"}, {7, 47, "Klokka er tretten minutter på åtte"},
  });
}

TEST(PhraseRules, Polish) {
  ExpectPhrases(Language::Polish, {
      {0, 0, "Jest północ"}, {0, 1, "Jest minuta po dwunastej"}, {7, 5, "Jest pięć po siódmej"},
      {12, 0, "Jest południe"}, {12, 30, "Jest wpół do pierwszej"}, {13, 45, "Jest za kwadrans druga"},
      {23, 59, "Jest za minutę dwunasta"}, {7, 0, "Jest siódma"}, {7, 15, "Jest kwadrans po siódmej"},
      {7, 30, "Jest wpół do ósmej"}, {7, 40, "Jest za dwadzieścia ósma"},
      {7, 2, "Jest dwie minuty po siódmej"}, {7, 12, "Jest dwanaście minut po siódmej"},
      {7, 21, "Jest dwadzieścia jeden minut po siódmej"}, {7, 22, "Jest dwadzieścia dwie minuty po siódmej"},
      {7, 31, "Jest minuta po wpół do ósmej"}, {7, 35, "Jest pięć po wpół do ósmej"},
      {7, 36, "Jest sześć minut po wpół do ósmej"}, {23, 39, "Jest dziewięć minut po wpół do dwunastej"},
      {23, 41, "Jest za dziewiętnaście minut dwunasta"},
  });
}

// Over the whole day every phrase is found in the table, and every clip of
// the table is spoken at some time: a clip no time uses is a typo in a key
// or a word the voices would carry for nothing. With ORLAVOX_TEST_OUTPUT set,
// each language's day is written there ("phrases-French.txt") for a native
// speaker to read.
TEST(PhraseRules, TablesAndRulesAgreeOverTheWholeDay) {
  const char* outputDir = std::getenv("ORLAVOX_TEST_OUTPUT");
  for (int l = 0; l < kLanguageCount; ++l) {
    const Language language = static_cast<Language>(l);
    const LanguageRules& rules = RulesFor(language);
    FILE* day = outputDir ? std::fopen((std::string(outputDir) + "/phrases-" + rules.name + ".txt").c_str(), "w")
                          : nullptr;
    if (day) {
      for (int minute = 0; minute < 24 * 60; ++minute)
        std::fprintf(day, "%02d:%02d %s\n", minute / 60, minute % 60, Say(language, minute / 60, minute % 60).c_str());
      std::fclose(day);
    }
    EXPECT_EQ(rules.language, language);
    std::set<std::string> keys;
    for (int i = 0; i < rules.clipCount; ++i) {
      EXPECT_TRUE(keys.insert(rules.clips[i].key).second) << rules.name << " repeats " << rules.clips[i].key;
    }
    std::vector<bool> used(rules.clipCount);
    for (int hour = 0; hour < 24; ++hour) {
      for (int minute = 0; minute < 60; ++minute) {
        Phrase phrase = ComposePhrase(language, hour, minute);
        ASSERT_TRUE(phrase.complete) << rules.name << " " << hour << ":" << minute;
        ASSERT_GE(phrase.count, 1) << rules.name << " " << hour << ":" << minute;
        for (int i = 0; i < phrase.count; ++i) used[phrase.clips[i]] = true;
      }
    }
    for (int i = 0; i < rules.clipCount; ++i) {
      EXPECT_TRUE(used[i]) << rules.name << " never says " << rules.clips[i].key;
    }
  }
}

TEST(PhraseRules, OutOfRangeTimesGiveNoPhrase) {
  EXPECT_EQ(ComposePhrase(Language::English, 24, 0).count, 0);
  EXPECT_EQ(ComposePhrase(Language::English, -1, 0).count, 0);
  EXPECT_EQ(ComposePhrase(Language::German, 7, 60).count, 0);
}

TEST(PhraseRules, BuilderFlagsUnknownKeysAndOverflow) {
  const Clip clips[] = {{"a", "A"}, {"n7", "seven"}};
  PhraseBuilder builder(clips, 2);
  builder.Add("n", 7);
  EXPECT_TRUE(builder.Result().complete);
  builder.Add("n", 8);
  EXPECT_FALSE(builder.Result().complete);
  EXPECT_EQ(builder.Result().count, 1);

  PhraseBuilder full(clips, 2);
  for (int i = 0; i < Phrase::kMaxClips; ++i) full.Add("a");
  EXPECT_TRUE(full.Result().complete);
  full.Add("a");
  EXPECT_FALSE(full.Result().complete);
  EXPECT_EQ(full.Result().count, Phrase::kMaxClips);
}

TEST(PhraseRules, TextIsCutToTheBufferButReportsItsLength) {
  Phrase phrase = ComposePhrase(Language::English, 7, 5);  // "It's five past seven"
  char small[8];
  EXPECT_EQ(PhraseText(Language::English, phrase, small, sizeof small), 20u);
  EXPECT_STREQ(small, "It's fi");
  EXPECT_EQ(PhraseText(Language::English, phrase, nullptr, 0), 20u);
}

TEST(PhraseRules, LanguagesByNameAndWindowsLanguageId) {
  EXPECT_EQ(FindLanguage("Polish"), &RulesFor(Language::Polish));
  EXPECT_EQ(FindLanguage("polish"), nullptr);
  EXPECT_EQ(LanguageForPrimaryLangId(0x07), &RulesFor(Language::German));   // LANG_GERMAN
  EXPECT_EQ(LanguageForPrimaryLangId(0x14), &RulesFor(Language::Norwegian));  // LANG_NORWEGIAN
  EXPECT_EQ(LanguageForPrimaryLangId(0x05), nullptr);                         // LANG_CZECH
  for (int l = 0; l < kLanguageCount; ++l) {
    const LanguageRules& rules = RulesFor(static_cast<Language>(l));
    EXPECT_EQ(FindLanguage(rules.name), &rules);
  }
}

TEST(PhraseRules, SystemVoiceFallsBackToEnglishText) {
  EXPECT_EQ(SystemVoiceTextLanguage(0x0c, true), Language::French);
  EXPECT_EQ(SystemVoiceTextLanguage(0x0c, false), Language::English);  // an English or other voice
  EXPECT_EQ(SystemVoiceTextLanguage(0x05, true), Language::English);   // Czech: no rules
}

}  // namespace
}  // namespace orlavox
