// Norwegian (bokmål): "Klokka er fem over sju", "kvart over sju", "ti på halv
// åtte" (7:20), "halv åtte", "ti over halv åtte" (7:40), "kvart på åtte".
// From the sixteenth to the forty-fourth minute the minutes count from the half.
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"klokka_er", "Klokka er"},
    {"over", "over"},
    {"pa", "på"},
    {"halv", "halv"},
    {"kvart", "kvart"},
    {"ett_minutt", "ett minutt"},
    {"minutter", "minutter"},
    {"ett", "ett"},
    {"n2", "to"},
    {"n3", "tre"},
    {"n4", "fire"},
    {"n5", "fem"},
    {"n6", "seks"},
    {"n7", "sju"},
    {"n8", "åtte"},
    {"n9", "ni"},
    {"n10", "ti"},
    {"n11", "elleve"},
    {"n12", "tolv"},
    {"n13", "tretten"},
    {"n14", "fjorten"},
};

void AddHour(int hour, PhraseBuilder& out) {
  if (Hour12(hour) == 1) {
    out.Add("ett");
  } else {
    out.Add("n", Hour12(hour));
  }
}

// "fem", "ett minutt", "tre minutter", "kvart".
void Count(int count, PhraseBuilder& out) {
  if (count == 1) {
    out.Add("ett_minutt");
  } else if (count == 15) {
    out.Add("kvart");
  } else {
    out.Add("n", count);
    if (count % 5 != 0) out.Add("minutter");
  }
}

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("klokka_er");
  const int next = (hour + 1) % 24;
  if (minute == 0) {
    AddHour(hour, out);
  } else if (minute <= 15) {
    Count(minute, out);
    out.Add("over");
    AddHour(hour, out);
  } else if (minute < 30) {
    Count(30 - minute, out);
    out.Add("pa");
    out.Add("halv");
    AddHour(next, out);
  } else if (minute == 30) {
    out.Add("halv");
    AddHour(next, out);
  } else if (minute < 45) {
    Count(minute - 30, out);
    out.Add("over");
    out.Add("halv");
    AddHour(next, out);
  } else {
    Count(60 - minute, out);
    out.Add("pa");
    AddHour(next, out);
  }
}

}  // namespace

const LanguageRules kNorwegianRules = {Language::Norwegian, "Norwegian", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
