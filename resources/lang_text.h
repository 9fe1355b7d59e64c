#pragma once
// The words of the clock's windows in the user's language. Each language has
// one UTF-8 file (resources/lang/<code>.txt, compiled into the program) of
// `key = text` lines; en.txt is the reference, and the keys become the names
// of Str (resources/lang_keys.h, written by the build from en.txt). Code asks
// for a text with Tr(Str::settings_caption). No Win32 here: the program loads
// a language's file from its resources (resources/lang_load.h).
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "resources/lang_keys.h"
#include "resources/languages.h"

namespace orlavox {

struct LangEntry {
  std::string Key;
  std::string Text;  // \n and \\ undone
  int Line = 0;
};

struct LangFile {
  std::vector<LangEntry> Entries;
  std::vector<std::string> Problems;  // lines that are neither text, comment nor blank; keys given twice
};

// Reads a strings file: `key = text` lines (spaces around both dropped),
// lines beginning with # and blank lines skipped; in the text \n is a line
// break and \\ a backslash. A byte-order mark at the start is allowed.
LangFile ParseLangFile(std::string_view bytes);

// How a translation differs from the reference: each key it lacks, each key
// the reference does not have, each text whose placeholders (%s, %d, in
// order), mnemonics (& not doubled) or line breaks differ in number. Empty
// when they agree.
std::vector<std::string> CompareWithReference(const LangFile& reference, const LangFile& translation);

// The texts of a file in the order of Str; English for each key it lacks.
std::vector<std::string> TextsOf(const LangFile& file);

// From now on the windows speak `language` with `texts` (as TextsOf gives them).
void UseTexts(Language language, std::vector<std::string> texts);
// The language UseTexts was given last; English until then.
Language WindowLanguage();

// A text in the windows' language (English until UseTexts).
const std::string& Tr(Str id);
// The same with each %s and %d replaced by the next argument, %% by %.
std::string Tr(Str id, std::initializer_list<std::string_view> args);
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);
// A control's text as plain words, for use elsewhere: its mnemonic mark
// dropped ("A&M" -> "AM") and "&&" shown as "&".
std::string WithoutMnemonic(std::string_view text);

// The language choice of "More options" as a place in its list: 0 for
// Automatic, 1 + the language's place in kLanguages for a language; and back
// to the code stored ("" for Automatic and for a place out of the list).
int LanguageChoiceIndex(std::string_view storedCode);
std::string LanguageChoiceCode(int index);

// A language by the code of its file ("de"); false for an unknown code.
bool LanguageForCode(std::string_view code, Language& language);
// The language of the windows: the one the user chose in "More options"
// (stored as its code; "" or an unknown code is Automatic), else that of
// Windows' user interface.
Language ChooseWindowLanguage(std::string_view storedCode, uint16_t uiLangId);

}  // namespace orlavox
