// English: "It's ten past seven", "It's quarter to eight", "It's midnight".
// Minutes past the hour up to the half, to the next hour after it; the word
// "minutes" only where the count is not a multiple of five.
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"its", "It's"},         {"oclock", "o'clock"},     {"past", "past"},
    {"to", "to"},            {"minute", "minute"},      {"minutes", "minutes"},
    {"quarter", "quarter"},  {"half", "half"},          {"midnight", "midnight"},
    {"noon", "noon"},        {"n1", "one"},             {"n2", "two"},
    {"n3", "three"},         {"n4", "four"},            {"n5", "five"},
    {"n6", "six"},           {"n7", "seven"},           {"n8", "eight"},
    {"n9", "nine"},          {"n10", "ten"},            {"n11", "eleven"},
    {"n12", "twelve"},       {"n13", "thirteen"},       {"n14", "fourteen"},
    {"n16", "sixteen"},      {"n17", "seventeen"},      {"n18", "eighteen"},
    {"n19", "nineteen"},     {"n20", "twenty"},         {"n21", "twenty-one"},
    {"n22", "twenty-two"},   {"n23", "twenty-three"},   {"n24", "twenty-four"},
    {"n25", "twenty-five"},  {"n26", "twenty-six"},     {"n27", "twenty-seven"},
    {"n28", "twenty-eight"}, {"n29", "twenty-nine"},
};

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("its");
  if (minute == 0) {
    if (hour == 0) {
      out.Add("midnight");
    } else if (hour == 12) {
      out.Add("noon");
    } else {
      out.Add("n", Hour12(hour));
      out.Add("oclock");
    }
    return;
  }
  const bool past = minute <= 30;
  const int count = past ? minute : 60 - minute;
  const int named = past ? hour : (hour + 1) % 24;
  if (count == 15) {
    out.Add("quarter");
  } else if (count == 30) {
    out.Add("half");
  } else {
    out.Add("n", count);
    if (count % 5 != 0) out.Add(count == 1 ? "minute" : "minutes");
  }
  out.Add(past ? "past" : "to");
  if (named == 0) {
    out.Add("midnight");
  } else {
    out.Add("n", Hour12(named));
  }
}

}  // namespace

const LanguageRules kEnglishRules = {Language::English, "English", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
