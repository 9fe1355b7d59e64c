#include "speech/phrases/phrase.h"

#include <cstring>

#include "speech/phrases/language_rules.h"

namespace orlavox {

void PhraseBuilder::Add(std::string_view key) {
  if (phrase_.count == Phrase::kMaxClips) {
    phrase_.complete = false;
    return;
  }
  for (int i = 0; i < clipCount_; ++i) {
    if (key == clips_[i].key) {
      phrase_.clips[phrase_.count++] = static_cast<uint16_t>(i);
      return;
    }
  }
  phrase_.complete = false;
}

void PhraseBuilder::Add(std::string_view prefix, int number) {
  char key[16];
  if (prefix.size() > 8 || number < 0 || number > 99) {
    phrase_.complete = false;
    return;
  }
  size_t n = prefix.copy(key, prefix.size());
  if (number >= 10) key[n++] = static_cast<char>('0' + number / 10);
  key[n++] = static_cast<char>('0' + number % 10);
  Add(std::string_view(key, n));
}

namespace {

const LanguageRules* const kAllRules[kLanguageCount] = {
    &kEnglishRules, &kGermanRules, &kFrenchRules,    &kSpanishRules, &kItalianRules,
    &kDutchRules,   &kSwedishRules, &kNorwegianRules, &kPolishRules,
};

}  // namespace

const LanguageRules& RulesFor(Language language) { return *kAllRules[static_cast<int>(language)]; }

const LanguageRules* FindLanguage(std::string_view name) {
  for (const LanguageRules* rules : kAllRules) {
    if (name == rules->name) return rules;
  }
  return nullptr;
}

const LanguageRules* LanguageForPrimaryLangId(int primaryLangId) {
  // LANG_* values of winnt.h.
  switch (primaryLangId) {
    case 0x09: return &kEnglishRules;
    case 0x07: return &kGermanRules;
    case 0x0c: return &kFrenchRules;
    case 0x0a: return &kSpanishRules;
    case 0x10: return &kItalianRules;
    case 0x13: return &kDutchRules;
    case 0x1d: return &kSwedishRules;
    case 0x14: return &kNorwegianRules;
    case 0x15: return &kPolishRules;
    default: return nullptr;
  }
}

Language SystemVoiceTextLanguage(int userPrimaryLangId, bool voiceSpeaksUserLanguage) {
  const LanguageRules* rules = LanguageForPrimaryLangId(userPrimaryLangId);
  return voiceSpeaksUserLanguage && rules ? rules->language : Language::English;
}

Phrase ComposePhrase(Language language, int hour, int minute) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return Phrase{};
  const LanguageRules& rules = RulesFor(language);
  PhraseBuilder builder(rules.clips, rules.clipCount);
  rules.compose(hour, minute, builder);
  return builder.Result();
}

size_t PhraseText(Language language, const Phrase& phrase, char* out, size_t outSize) {
  const LanguageRules& rules = RulesFor(language);
  size_t length = 0;
  auto put = [&](const char* s) {
    for (; *s; ++s, ++length) {
      if (length + 1 < outSize) out[length] = *s;
    }
  };
  for (int i = 0; i < phrase.count; ++i) {
    if (i > 0) put(" ");
    put(rules.clips[phrase.clips[i]].text);
  }
  if (outSize > 0) out[length < outSize ? length : outSize - 1] = '\0';
  return length;
}

}  // namespace orlavox
