// Polish: the hour as a feminine ordinal ("Jest siódma"); "pięć po siódmej",
// "kwadrans po siódmej", "wpół do ósmej" (7:30), "pięć po wpół do ósmej"
// (7:35; nobody says "za dwadzieścia pięć ósma"), and from 7:40 on
// "za dwadzieścia ósma", "za kwadrans ósma"; "Jest północ", "Jest południe". The minute noun follows
// the number: "minuta", "dwie minuty", "pięć minut", "za minutę".
#include "speech/phrases/language_rules.h"

namespace orlavox {
namespace {

const Clip kClips[] = {
    {"jest", "Jest"},
    {"polnoc", "północ"},
    {"poludnie", "południe"},
    {"po", "po"},
    {"za", "za"},
    {"wpol_do", "wpół do"},
    {"kwadrans", "kwadrans"},
    {"minuta", "minuta"},
    {"minute", "minutę"},
    {"minuty", "minuty"},
    {"minut", "minut"},
    // The hour in the nominative ("Jest siódma", "za pięć ósma").
    {"h1", "pierwsza"},
    {"h2", "druga"},
    {"h3", "trzecia"},
    {"h4", "czwarta"},
    {"h5", "piąta"},
    {"h6", "szósta"},
    {"h7", "siódma"},
    {"h8", "ósma"},
    {"h9", "dziewiąta"},
    {"h10", "dziesiąta"},
    {"h11", "jedenasta"},
    {"h12", "dwunasta"},
    // The hour after "po" and "wpół do", where both cases sound alike.
    {"ho1", "pierwszej"},
    {"ho2", "drugiej"},
    {"ho3", "trzeciej"},
    {"ho4", "czwartej"},
    {"ho5", "piątej"},
    {"ho6", "szóstej"},
    {"ho7", "siódmej"},
    {"ho8", "ósmej"},
    {"ho9", "dziewiątej"},
    {"ho10", "dziesiątej"},
    {"ho11", "jedenastej"},
    {"ho12", "dwunastej"},
    {"n2", "dwie"},
    {"n3", "trzy"},
    {"n4", "cztery"},
    {"n5", "pięć"},
    {"n6", "sześć"},
    {"n7", "siedem"},
    {"n8", "osiem"},
    {"n9", "dziewięć"},
    {"n10", "dziesięć"},
    {"n11", "jedenaście"},
    {"n12", "dwanaście"},
    {"n13", "trzynaście"},
    {"n14", "czternaście"},
    {"n16", "szesnaście"},
    {"n17", "siedemnaście"},
    {"n18", "osiemnaście"},
    {"n19", "dziewiętnaście"},
    {"n20", "dwadzieścia"},
    {"n21", "dwadzieścia jeden"},
    {"n22", "dwadzieścia dwie"},
    {"n23", "dwadzieścia trzy"},
    {"n24", "dwadzieścia cztery"},
    {"n25", "dwadzieścia pięć"},
    {"n26", "dwadzieścia sześć"},
    {"n27", "dwadzieścia siedem"},
    {"n28", "dwadzieścia osiem"},
    {"n29", "dwadzieścia dziewięć"},
};

// A count of minutes; afterZa picks the accusative "minutę" for one.
void Count(int count, bool afterZa, PhraseBuilder& out) {
  if (count == 15) {
    out.Add("kwadrans");
  } else if (count == 1) {
    out.Add(afterZa ? "minute" : "minuta");
  } else {
    out.Add("n", count);
    if (count % 5 == 0) return;
    const int last = count % 10;
    const bool teen = count >= 12 && count <= 14;
    out.Add(last >= 2 && last <= 4 && !teen ? "minuty" : "minut");
  }
}

void Compose(int hour, int minute, PhraseBuilder& out) {
  out.Add("jest");
  const int next = Hour12((hour + 1) % 24);
  if (minute == 0) {
    if (hour == 0) {
      out.Add("polnoc");
    } else if (hour == 12) {
      out.Add("poludnie");
    } else {
      out.Add("h", Hour12(hour));
    }
  } else if (minute < 30) {
    Count(minute, false, out);
    out.Add("po");
    out.Add("ho", Hour12(hour));
  } else if (minute == 30) {
    out.Add("wpol_do");
    out.Add("ho", next);
  } else if (minute < 40) {
    Count(minute - 30, false, out);
    out.Add("po");
    out.Add("wpol_do");
    out.Add("ho", next);
  } else {
    out.Add("za");
    Count(60 - minute, true, out);
    out.Add("h", next);
  }
}

}  // namespace

const LanguageRules kPolishRules = {Language::Polish, "Polish", kClips, CountOf(kClips), Compose};

}  // namespace orlavox
