// Dutch: "Het is vijf over zeven", "kwart over zeven", "tien voor half acht"
// (7:20), "half acht" (7:30), "vijf over half acht", "kwart voor acht". From
// the sixteenth to the forty-fourth minute the minutes count from the half.
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"het_is", "Het is"},   {"uur", "uur"},         {"over", "over"},
    {"voor", "voor"},       {"half", "half"},       {"kwart", "kwart"},
    {"minuut", "minuut"},   {"minuten", "minuten"}, {"middernacht", "middernacht"},
    {"n1", "één"},          {"n2", "twee"},         {"n3", "drie"},
    {"n4", "vier"},         {"n5", "vijf"},         {"n6", "zes"},
    {"n7", "zeven"},        {"n8", "acht"},         {"n9", "negen"},
    {"n10", "tien"},        {"n11", "elf"},         {"n12", "twaalf"},
    {"n13", "dertien"},     {"n14", "veertien"},
};

// "vijf", "één minuut", "drie minuten", "kwart".
void Count(int count, PhraseBuilder& out) {
  if (count == 15) {
    out.Add("kwart");
    return;
  }
  out.Add("n", count);
  if (count % 5 != 0) out.Add(count == 1 ? "minuut" : "minuten");
}

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("het_is");
  const int next = Hour12((hour + 1) % 24);
  if (minute == 0) {
    if (hour == 0) {
      out.Add("middernacht");
    } else {
      out.Add("n", Hour12(hour));
      out.Add("uur");
    }
  } else if (minute <= 15) {
    Count(minute, out);
    out.Add("over");
    out.Add("n", Hour12(hour));
  } else if (minute < 30) {
    Count(30 - minute, out);
    out.Add("voor");
    out.Add("half");
    out.Add("n", next);
  } else if (minute == 30) {
    out.Add("half");
    out.Add("n", next);
  } else if (minute < 45) {
    Count(minute - 30, out);
    out.Add("over");
    out.Add("half");
    out.Add("n", next);
  } else {
    Count(60 - minute, out);
    out.Add("voor");
    out.Add("n", next);
  }
}

}  // namespace

const LanguageRules kDutchRules = {Language::Dutch, "Dutch", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
