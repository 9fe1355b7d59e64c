// German: "Es ist fünf nach sieben", "Viertel vor acht", "halb acht" (7:30),
// "fünf vor halb acht" (7:25), "fünf nach halb acht" (7:35); the minutes
// around the half count from it. "ein Uhr" but "fünf nach eins".
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"es_ist", "Es ist"},
    {"uhr", "Uhr"},
    {"nach", "nach"},
    {"vor", "vor"},
    {"halb", "halb"},
    {"viertel", "Viertel"},
    {"eine_minute", "eine Minute"},
    {"minuten", "Minuten"},
    {"mitternacht", "Mitternacht"},
    {"ein", "ein"},
    {"n1", "eins"},
    {"n2", "zwei"},
    {"n3", "drei"},
    {"n4", "vier"},
    {"n5", "fünf"},
    {"n6", "sechs"},
    {"n7", "sieben"},
    {"n8", "acht"},
    {"n9", "neun"},
    {"n10", "zehn"},
    {"n11", "elf"},
    {"n12", "zwölf"},
    {"n13", "dreizehn"},
    {"n14", "vierzehn"},
    {"n16", "sechzehn"},
    {"n17", "siebzehn"},
    {"n18", "achtzehn"},
    {"n19", "neunzehn"},
    {"n20", "zwanzig"},
};

// "eine Minute", "drei Minuten", "fünf".
void Count(int count, PhraseBuilder& out) {
  if (count == 1) {
    out.Add("eine_minute");
    return;
  }
  out.Add("n", count);
  if (count % 5 != 0) out.Add("minuten");
}

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("es_ist");
  const int next = (hour + 1) % 24;
  if (minute == 0) {
    if (hour == 0) {
      out.Add("mitternacht");
      return;
    }
    if (Hour12(hour) == 1) {
      out.Add("ein");
    } else {
      out.Add("n", Hour12(hour));
    }
    out.Add("uhr");
    return;
  }
  if (minute <= 20) {
    if (minute == 15) {
      out.Add("viertel");
    } else {
      Count(minute, out);
    }
    out.Add("nach");
    out.Add("n", Hour12(hour));
  } else if (minute < 30) {
    Count(30 - minute, out);
    out.Add("vor");
    out.Add("halb");
    out.Add("n", Hour12(next));
  } else if (minute == 30) {
    out.Add("halb");
    out.Add("n", Hour12(next));
  } else if (minute < 40) {
    Count(minute - 30, out);
    out.Add("nach");
    out.Add("halb");
    out.Add("n", Hour12(next));
  } else {
    if (minute == 45) {
      out.Add("viertel");
    } else {
      Count(60 - minute, out);
    }
    out.Add("vor");
    out.Add("n", Hour12(next));
  }
}

}  // namespace

const LanguageRules kGermanRules = {Language::German, "German", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
