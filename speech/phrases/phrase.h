#pragma once
// How each voice says the time: for a language, the clips (recorded words or
// groups of words) and the rules that pick them for an hour and a minute.
//
// This code is also compiled into the voice plug-ins, so it allocates nothing
// and keeps to fixed-size data: a phrase is a short list of clip indices.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "resources/languages.h"

namespace orlavox {

// One clip: a key the rules refer to and the text the synthesiser speaks.
struct Clip {
  const char* key;
  const char* text;  // UTF-8
};

struct Phrase {
  static constexpr int kMaxClips = 8;
  int count = 0;
  uint16_t clips[kMaxClips] = {};  // indices into the language's clip table
  // False when the rules asked for a key the table lacks or for too many
  // clips: a fault in the rules, never a valid time.
  bool complete = true;
};

// Collects the clips of one phrase, looking keys up in a clip table.
class PhraseBuilder {
 public:
  PhraseBuilder(const Clip* clips, int clipCount) : clips_(clips), clipCount_(clipCount) {}
  void Add(std::string_view key);
  // A numbered clip: prefix "n" and 7 is the key "n7".
  void Add(std::string_view prefix, int number);
  const Phrase& Result() const { return phrase_; }

 private:
  const Clip* clips_;
  int clipCount_;
  Phrase phrase_;
};

struct LanguageRules {
  Language language;
  const char* name;  // English name of the language, as in the voice file names
  const Clip* clips;
  int clipCount;
  // Adds the clips for hour 0..23 and minute 0..59.
  void (*compose)(int hour, int minute, PhraseBuilder& out);
};

const LanguageRules& RulesFor(Language language);
// By English name ("German"), compared exactly; null when unknown.
const LanguageRules* FindLanguage(std::string_view name);
// The language for a Windows primary language id (the low ten bits of a
// LANGID); null when there are no rules for it.
const LanguageRules* LanguageForPrimaryLangId(int primaryLangId);

// The language the system voice speaks in: the user's, when the voice found
// for the user's language speaks it and there are rules for it; else English.
Language SystemVoiceTextLanguage(int userPrimaryLangId, bool voiceSpeaksUserLanguage);

// An empty phrase for an hour or minute out of range.
Phrase ComposePhrase(Language language, int hour, int minute);

// The phrase's clip texts joined by single spaces, NUL-terminated and cut to
// fit outSize. Returns the full length without the NUL.
size_t PhraseText(Language language, const Phrase& phrase, char* out, size_t outSize);

// Hour on the 12-hour dial: 0 and 12 are 12.
inline int Hour12(int hour) {
  int h = hour % 12;
  return h == 0 ? 12 : h;
}

}  // namespace orlavox
