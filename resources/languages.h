#pragma once
// The nine languages the clock speaks and shows its windows in, in the order
// of the voice kit. No Win32 here: the program, the voices and the tools
// share this list.
#include <cstdint>

namespace orlavox {

enum class Language : uint8_t { English, German, French, Spanish, Italian, Dutch, Swedish, Norwegian, Polish };
inline constexpr int kLanguageCount = 9;

struct LanguageInfo {
  Language Id;
  const char* Code;         // "en", "de", ...: the name of its strings file
  const char* OwnName;      // UTF-8, as its speakers write it: "Deutsch"
  uint16_t PrimaryLangId;   // Windows' primary language id (LANG_GERMAN)
};

inline constexpr LanguageInfo kLanguages[kLanguageCount] = {
    {Language::English, "en", "English", 0x09},   {Language::German, "de", "Deutsch", 0x07},
    {Language::French, "fr", "Fran\xC3\xA7" "ais", 0x0C}, {Language::Spanish, "es", "Espa\xC3\xB1ol", 0x0A},
    {Language::Italian, "it", "Italiano", 0x10},  {Language::Dutch, "nl", "Nederlands", 0x13},
    {Language::Swedish, "sv", "Svenska", 0x1D},   {Language::Norwegian, "nb", "Norsk", 0x14},
    {Language::Polish, "pl", "Polski", 0x15},
};

inline constexpr const LanguageInfo& InfoOf(Language l) { return kLanguages[static_cast<int>(l)]; }

// The language of the clock's windows for a Windows language id
// (GetUserDefaultUILanguage): its primary language, English for any other.
inline constexpr Language LanguageForLangId(uint16_t langId) {
  for (const LanguageInfo& info : kLanguages)
    if (info.PrimaryLangId == (langId & 0x3FF)) return info.Id;
  return Language::English;
}

}  // namespace orlavox
