// Norwegian (bokmål): "Klokka er fem over sju", "kvart over sju", "ti på halv
// åtte" (7:20), "halv åtte", "ti over halv åtte" (7:40), "kvart på åtte".
// From the sixteenth to the forty-fourth minute the minutes count from the half.
#include "speech/phrases/half_hour.h"
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

const HalfHourWords kWords = {"klokka_er", "ett_minutt", "minutter", "over", "pa", 15, 44};

void Compose(int hour, int minute, PhraseBuilder& out) { ComposeHalfHourTime(kWords, hour, minute, out); }

}  // namespace

const LanguageRules kNorwegianRules = {Language::Norwegian, "Norwegian", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
