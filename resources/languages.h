#pragma once
// The languages the clock speaks and shows its windows in, listed once in
// lang/languages.def. No Win32 here: the program, the voices and the tools
// share this list.
#include <cstdint>

namespace orlavox {

enum class Language : uint8_t {
#define ORLAVOX_LANGUAGE(name, code, ownName, langId) name,
#include "lang/languages.def"
#undef ORLAVOX_LANGUAGE
};

struct LanguageInfo {
  Language Id;
  const char* Code;         // "en", "de", ...: the name of its strings file
  const char* OwnName;      // UTF-8, as its speakers write it: "Deutsch"
  uint16_t PrimaryLangId;   // Windows' primary language id (LANG_GERMAN)
};

inline constexpr LanguageInfo kLanguages[] = {
#define ORLAVOX_LANGUAGE(name, code, ownName, langId) {Language::name, code, ownName, langId},
#include "lang/languages.def"
#undef ORLAVOX_LANGUAGE
};
inline constexpr int kLanguageCount = int(sizeof kLanguages / sizeof kLanguages[0]);

inline constexpr const LanguageInfo& InfoOf(Language l) { return kLanguages[static_cast<int>(l)]; }

// The language of the clock's windows for a Windows language id
// (GetUserDefaultUILanguage): its primary language, English for any other.
inline constexpr Language LanguageForLangId(uint16_t langId) {
  for (const LanguageInfo& info : kLanguages)
    if (info.PrimaryLangId == (langId & 0x3FF)) return info.Id;
  return Language::English;
}

}  // namespace orlavox
