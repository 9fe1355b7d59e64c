#pragma once
// The rules of every language, defined one file a language.
#include "speech/phrases/phrase.h"

namespace orlavox {

extern const LanguageRules kEnglishRules;
extern const LanguageRules kGermanRules;
extern const LanguageRules kFrenchRules;
extern const LanguageRules kSpanishRules;
extern const LanguageRules kItalianRules;
extern const LanguageRules kDutchRules;
extern const LanguageRules kSwedishRules;
extern const LanguageRules kNorwegianRules;
extern const LanguageRules kPolishRules;

// A table's clip count, for the rules' definitions.
template <int N>
constexpr int CountOf(const Clip (&)[N]) {
  return N;
}

}  // namespace orlavox
