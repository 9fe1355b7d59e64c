// Swedish: "Klockan är fem över sju", "kvart över sju", "fem i halv åtta"
// (7:25), "halv åtta", "fem över halv åtta", "tjugo i åtta", "kvart i åtta".
// The minutes from the twenty-first to the thirty-ninth count from the half.
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"klockan_ar", "Klockan är"},
    {"over", "över"},
    {"i", "i"},
    {"halv", "halv"},
    {"kvart", "kvart"},
    {"en_minut", "en minut"},
    {"minuter", "minuter"},
    {"ett", "ett"},
    {"n2", "två"},
    {"n3", "tre"},
    {"n4", "fyra"},
    {"n5", "fem"},
    {"n6", "sex"},
    {"n7", "sju"},
    {"n8", "åtta"},
    {"n9", "nio"},
    {"n10", "tio"},
    {"n11", "elva"},
    {"n12", "tolv"},
    {"n13", "tretton"},
    {"n14", "fjorton"},
    {"n16", "sexton"},
    {"n17", "sjutton"},
    {"n18", "arton"},
    {"n19", "nitton"},
    {"n20", "tjugo"},
};

void AddHour(int hour, PhraseBuilder& out) {
  if (Hour12(hour) == 1) {
    out.Add("ett");
  } else {
    out.Add("n", Hour12(hour));
  }
}

// "fem", "en minut", "tre minuter", "kvart".
void Count(int count, PhraseBuilder& out) {
  if (count == 1) {
    out.Add("en_minut");
  } else if (count == 15) {
    out.Add("kvart");
  } else {
    out.Add("n", count);
    if (count % 5 != 0) out.Add("minuter");
  }
}

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("klockan_ar");
  const int next = (hour + 1) % 24;
  if (minute == 0) {
    AddHour(hour, out);
  } else if (minute <= 20) {
    Count(minute, out);
    out.Add("over");
    AddHour(hour, out);
  } else if (minute < 30) {
    Count(30 - minute, out);
    out.Add("i");
    out.Add("halv");
    AddHour(next, out);
  } else if (minute == 30) {
    out.Add("halv");
    AddHour(next, out);
  } else if (minute < 40) {
    Count(minute - 30, out);
    out.Add("over");
    out.Add("halv");
    AddHour(next, out);
  } else {
    Count(60 - minute, out);
    out.Add("i");
    AddHour(next, out);
  }
}

}  // namespace

const LanguageRules kSwedishRules = {Language::Swedish, "Swedish", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
