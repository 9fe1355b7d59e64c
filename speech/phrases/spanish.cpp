// Spanish: "Son las siete y cinco", "Es la una y cuarto", "Son las ocho menos
// veinte", "Es medianoche", "Es mediodía". From twenty-five to the hour on
// the minutes count down to the next hour; before it they are added
// ("Son las siete y treinta y dos").
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"es_la_una", "Es la una"},
    {"son_las", "Son las"},
    {"es_medianoche", "Es medianoche"},
    {"es_mediodia", "Es mediodía"},
    {"y", "y"},
    {"menos", "menos"},
    {"cuarto", "cuarto"},
    {"media", "media"},
    {"un_minuto", "un minuto"},
    {"n2", "dos"},
    {"n3", "tres"},
    {"n4", "cuatro"},
    {"n5", "cinco"},
    {"n6", "seis"},
    {"n7", "siete"},
    {"n8", "ocho"},
    {"n9", "nueve"},
    {"n10", "diez"},
    {"n11", "once"},
    {"n12", "doce"},
    {"n13", "trece"},
    {"n14", "catorce"},
    {"n16", "dieciséis"},
    {"n17", "diecisiete"},
    {"n18", "dieciocho"},
    {"n19", "diecinueve"},
    {"n20", "veinte"},
    {"n21", "veintiuno"},
    {"n22", "veintidós"},
    {"n23", "veintitrés"},
    {"n24", "veinticuatro"},
    {"n25", "veinticinco"},
    {"n26", "veintiséis"},
    {"n27", "veintisiete"},
    {"n28", "veintiocho"},
    {"n29", "veintinueve"},
    {"n31", "treinta y uno"},
    {"n32", "treinta y dos"},
    {"n33", "treinta y tres"},
    {"n34", "treinta y cuatro"},
};

// "Es la una", "Son las siete".
void AddHour(int hour, PhraseBuilder& out) {
  if (Hour12(hour) == 1) {
    out.Add("es_la_una");
  } else {
    out.Add("son_las");
    out.Add("n", Hour12(hour));
  }
}

void AddMinutes(int count, PhraseBuilder& out) {
  if (count == 1) {
    out.Add("un_minuto");
  } else if (count == 15) {
    out.Add("cuarto");
  } else if (count == 30) {
    out.Add("media");
  } else {
    out.Add("n", count);
  }
}

constexpr int kCountDownFrom = 35;

void Compose(int hour, int minute, PhraseBuilder& out) {
  if (minute == 0 && hour == 0) {
    out.Add("es_medianoche");
  } else if (minute == 0 && hour == 12) {
    out.Add("es_mediodia");
  } else if (minute == 0) {
    AddHour(hour, out);
  } else if (minute < kCountDownFrom) {
    AddHour(hour, out);
    out.Add("y");
    AddMinutes(minute, out);
  } else {
    AddHour((hour + 1) % 24, out);
    out.Add("menos");
    AddMinutes(60 - minute, out);
  }
}

}  // namespace

const LanguageRules kSpanishRules = {Language::Spanish, "Spanish", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
