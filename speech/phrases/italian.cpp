// Italian: "Sono le sette e cinque", "È l'una e un quarto", "Sono le otto meno
// venti", "È mezzogiorno e mezza", "È mezzanotte meno un minuto". From the
// fortieth minute on the minutes count down to the next hour.
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"e_mezzanotte", "È mezzanotte"},
    {"e_mezzogiorno", "È mezzogiorno"},
    {"e_luna", "È l'una"},
    {"sono_le", "Sono le"},
    {"e", "e"},
    {"meno", "meno"},
    {"un_quarto", "un quarto"},
    {"mezza", "mezza"},
    {"un_minuto", "un minuto"},
    {"n2", "due"},
    {"n3", "tre"},
    {"n4", "quattro"},
    {"n5", "cinque"},
    {"n6", "sei"},
    {"n7", "sette"},
    {"n8", "otto"},
    {"n9", "nove"},
    {"n10", "dieci"},
    {"n11", "undici"},
    {"n12", "dodici"},
    {"n13", "tredici"},
    {"n14", "quattordici"},
    {"n16", "sedici"},
    {"n17", "diciassette"},
    {"n18", "diciotto"},
    {"n19", "diciannove"},
    {"n20", "venti"},
    {"n21", "ventuno"},
    {"n22", "ventidue"},
    {"n23", "ventitré"},
    {"n24", "ventiquattro"},
    {"n25", "venticinque"},
    {"n26", "ventisei"},
    {"n27", "ventisette"},
    {"n28", "ventotto"},
    {"n29", "ventinove"},
    {"n31", "trentuno"},
    {"n32", "trentadue"},
    {"n33", "trentatré"},
    {"n34", "trentaquattro"},
    {"n35", "trentacinque"},
    {"n36", "trentasei"},
    {"n37", "trentasette"},
    {"n38", "trentotto"},
    {"n39", "trentanove"},
};

void AddHour(int hour, PhraseBuilder& out) {
  if (hour == 0) {
    out.Add("e_mezzanotte");
  } else if (hour == 12) {
    out.Add("e_mezzogiorno");
  } else if (Hour12(hour) == 1) {
    out.Add("e_luna");
  } else {
    out.Add("sono_le");
    out.Add("n", Hour12(hour));
  }
}

void AddMinutes(int count, PhraseBuilder& out) {
  if (count == 1) {
    out.Add("un_minuto");
  } else if (count == 15) {
    out.Add("un_quarto");
  } else if (count == 30) {
    out.Add("mezza");
  } else {
    out.Add("n", count);
  }
}

void Compose(int hour, int minute, PhraseBuilder& out) {
  if (minute == 0) {
    AddHour(hour, out);
  } else if (minute < 40) {
    AddHour(hour, out);
    out.Add("e");
    AddMinutes(minute, out);
  } else {
    AddHour((hour + 1) % 24, out);
    out.Add("meno");
    AddMinutes(60 - minute, out);
  }
}

}  // namespace

const LanguageRules kItalianRules = {Language::Italian, "Italian", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
