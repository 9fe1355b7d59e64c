// Swedish: "Klockan är fem över sju", "kvart över sju", "fem i halv åtta"
// (7:25), "halv åtta", "fem över halv åtta", "tjugo i åtta", "kvart i åtta".
// The minutes from the twenty-first to the thirty-ninth count from the half.
#include "speech/phrases/half_hour.h"
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

const HalfHourWords kWords = {"klockan_ar", "en_minut", "minuter", "over", "i", 20, 39};

void Compose(int hour, int minute, PhraseBuilder& out) { ComposeHalfHourTime(kWords, hour, minute, out); }

}  // namespace

const LanguageRules kSwedishRules = {Language::Swedish, "Swedish", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
