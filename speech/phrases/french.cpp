// French, as said in conversation: "Il est sept heures cinq", "sept heures et
// quart", "huit heures moins le quart", "midi et demi", "minuit moins cinq".
// From twenty-five to the hour on, every minute counts down to the next hour
// ("huit heures moins vingt-trois", "minuit moins une"); before it the
// minutes are read after the hour ("sept heures trente-deux").
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

// The hours are whole clips so that the liaison ("deux heures", "neuf
// heures") is spoken as one word.
const Clip kClips[] = {
    {"il_est", "Il est"},
    {"midi", "midi"},
    {"minuit", "minuit"},
    {"et_quart", "et quart"},
    {"et_demie", "et demie"},
    {"et_demi", "et demi"},
    {"moins", "moins"},
    {"moins_le_quart", "moins le quart"},
    {"h1", "une heure"},
    {"h2", "deux heures"},
    {"h3", "trois heures"},
    {"h4", "quatre heures"},
    {"h5", "cinq heures"},
    {"h6", "six heures"},
    {"h7", "sept heures"},
    {"h8", "huit heures"},
    {"h9", "neuf heures"},
    {"h10", "dix heures"},
    {"h11", "onze heures"},
    {"m1", "une"},
    {"m2", "deux"},
    {"m3", "trois"},
    {"m4", "quatre"},
    {"m5", "cinq"},
    {"m6", "six"},
    {"m7", "sept"},
    {"m8", "huit"},
    {"m9", "neuf"},
    {"m10", "dix"},
    {"m11", "onze"},
    {"m12", "douze"},
    {"m13", "treize"},
    {"m14", "quatorze"},
    {"m16", "seize"},
    {"m17", "dix-sept"},
    {"m18", "dix-huit"},
    {"m19", "dix-neuf"},
    {"m20", "vingt"},
    {"m21", "vingt et une"},
    {"m22", "vingt-deux"},
    {"m23", "vingt-trois"},
    {"m24", "vingt-quatre"},
    {"m25", "vingt-cinq"},
    {"m26", "vingt-six"},
    {"m27", "vingt-sept"},
    {"m28", "vingt-huit"},
    {"m29", "vingt-neuf"},
    {"m31", "trente et une"},
    {"m32", "trente-deux"},
    {"m33", "trente-trois"},
    {"m34", "trente-quatre"},
};

void AddHour(int hour, PhraseBuilder& out) {
  if (hour == 0) {
    out.Add("minuit");
  } else if (hour == 12) {
    out.Add("midi");
  } else {
    out.Add("h", hour % 12);
  }
}

constexpr int kCountDownFrom = 35;

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("il_est");
  const int next = (hour + 1) % 24;
  if (minute == 45) {
    AddHour(next, out);
    out.Add("moins_le_quart");
  } else if (minute >= kCountDownFrom) {
    AddHour(next, out);
    out.Add("moins");
    out.Add("m", 60 - minute);
  } else {
    AddHour(hour, out);
    if (minute == 15) {
      out.Add("et_quart");
    } else if (minute == 30) {
      // "demi" agrees with the masculine midi and minuit.
      out.Add(hour % 12 == 0 ? "et_demi" : "et_demie");
    } else if (minute != 0) {
      out.Add("m", minute);
    }
  }
}

}  // namespace

const LanguageRules kFrenchRules = {Language::French, "French", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
