#include "resources/lang_text.h"

#include <map>

namespace orlavox {
namespace {

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Unescaped(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == 'n' || s[i + 1] == '\\')) {
      out += s[i + 1] == 'n' ? '\n' : '\\';
      ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

bool IsKey(std::string_view key) {
  if (key.empty() || !((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= 'a' && key[0] <= 'z'))) return false;
  for (char c : key)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.'))
      return false;
  return true;
}

// What a translation must keep of a text: its placeholders in order, then
// the number of mnemonics and of line breaks.
std::string Shape(const std::string& text) {
  std::string placeholders;
  int mnemonics = 0, breaks = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == '%' && next == '%') {
      ++i;
    } else if (c == '%') {
      placeholders += '%';
      placeholders += next;
      ++i;
    } else if (c == '&' && next == '&') {
      ++i;
    } else if (c == '&') {
      ++mnemonics;
    } else if (c == '\n') {
      ++breaks;
    }
  }
  return "placeholders \"" + placeholders + "\", " + std::to_string(mnemonics) + " &, " + std::to_string(breaks) +
         " line breaks";
}

const std::vector<std::string>& English() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (const char* source : kStrEnglishSource) t.push_back(Unescaped(source));
    return t;
  }();
  return texts;
}

struct Current {
  Language Lang = Language::English;
  std::vector<std::string> Texts;
};
Current& Now() {
  static Current current;
  return current;
}

}  // namespace

LangFile ParseLangFile(std::string_view bytes) {
  LangFile file;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::map<std::string, int, std::less<>> seen;
  int number = 0;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    const std::string_view key = Trimmed(line.substr(0, eq));
    if (eq == std::string_view::npos || !IsKey(key)) {
      file.Problems.push_back("line " + std::to_string(number) + ": not \"key = text\"");
      continue;
    }
    if (!seen.emplace(std::string(key), number).second) {
      file.Problems.push_back("line " + std::to_string(number) + ": " + std::string(key) + " given again");
      continue;
    }
    file.Entries.push_back({std::string(key), Unescaped(Trimmed(line.substr(eq + 1))), number});
  }
  return file;
}

std::vector<std::string> CompareWithReference(const LangFile& reference, const LangFile& translation) {
  std::vector<std::string> differences = translation.Problems;
  std::map<std::string_view, const LangEntry*> theirs;
  for (const LangEntry& e : translation.Entries) theirs.emplace(e.Key, &e);
  for (const LangEntry& ours : reference.Entries) {
    const auto it = theirs.find(ours.Key);
    if (it == theirs.end()) {
      differences.push_back(ours.Key + ": missing");
      continue;
    }
    const std::string want = Shape(ours.Text), got = Shape(it->second->Text);
    if (want != got) differences.push_back(ours.Key + ": " + got + " where English has " + want);
    theirs.erase(it);
  }
  for (const LangEntry& e : translation.Entries)
    if (theirs.count(e.Key)) differences.push_back(e.Key + ": not a key of the reference");
  return differences;
}

std::vector<std::string> TextsOf(const LangFile& file) {
  std::vector<std::string> texts = English();
  std::map<std::string_view, int> index;
  for (int i = 0; i < kStrCount; ++i) index.emplace(kStrKeys[i], i);
  for (const LangEntry& e : file.Entries) {
    const auto it = index.find(e.Key);
    if (it != index.end()) texts[size_t(it->second)] = e.Text;
  }
  return texts;
}

void UseTexts(Language language, std::vector<std::string> texts) {
  Current& now = Now();
  now.Lang = language;
  now.Texts = std::move(texts);
  if (now.Texts.size() != size_t(kStrCount)) now.Texts = English();
}

Language WindowLanguage() { return Now().Lang; }

const std::string& Tr(Str id) {
  const Current& now = Now();
  const size_t i = size_t(id);
  return now.Texts.empty() ? English()[i] : now.Texts[i];
}

std::string Tr(Str id, std::initializer_list<std::string_view> args) { return FormatText(Tr(id), args); }

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  const std::string_view* next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const char kind = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (c == '%' && kind == '%') {
      out += '%';
      ++i;
    } else if (c == '%' && (kind == 's' || kind == 'd')) {
      if (next != args.end()) out += *next++;
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

bool LanguageForCode(std::string_view code, Language& language) {
  for (const LanguageInfo& info : kLanguages)
    if (code == info.Code) {
      language = info.Id;
      return true;
    }
  return false;
}

int LanguageChoiceIndex(std::string_view storedCode) {
  Language language;
  return LanguageForCode(storedCode, language) ? 1 + int(language) : 0;
}

std::string LanguageChoiceCode(int index) {
  return index >= 1 && index <= kLanguageCount ? kLanguages[index - 1].Code : "";
}

Language ChooseWindowLanguage(std::string_view storedCode, uint16_t uiLangId) {
  Language chosen;
  return LanguageForCode(storedCode, chosen) ? chosen : LanguageForLangId(uiLangId);
}

std::string WithoutMnemonic(std::string_view text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

}  // namespace orlavox
