#include "speech/voice_list.h"

#include "resources/lang_text.h"

#include <algorithm>
#include <cctype>

namespace orlavox {

// Rows in the order they are compared. The first names of each language are
// the voices shipped with the clock; the rest are voices of earlier releases
// that the migration still recognises.
const LegacyVoiceName LegacyVoiceNames[kLegacyVoiceCount] = {
    {"ENGLI.DLL", "English (female).dll"},
    {"ENGLM.DLL", "English (male).dll"},
    {"GERMA.DLL", "German (male).dll"},
    {"GERMF.DLL", "German (female).dll"},
    {"FRENC.DLL", "French (female).dll"},
    {"SPANI.DLL", "Spanish (male).dll"},
    {"ITALI.DLL", "Italian (female).dll"},
    {"DUTCH.DLL", "Dutch (male).dll"},
    {"SWEDI.DLL", "Swedish (female).dll"},
    {"NORWE.DLL", "Norwegian (male).dll"},
    {"POLIS.DLL", "Polish (female).dll"},
    {"ENGLA.DLL", "English (male, American).dll"},
    {"ENGLC.DLL", "English (boy).dll"},
    {"FRENM.DLL", "French (male).dll"},
    {"SPANF.DLL", "Spanish (female, Mexican).dll"},
    {"ITALM.DLL", "Italian (male).dll"},
    {"DUTCF.DLL", "Dutch (female, Flemish).dll"},
    {"SWEDM.DLL", "Swedish (male).dll"},
    {"NORWF.DLL", "Norwegian (female).dll"},
    {"POLIM.DLL", "Polish (male).dll"},
    {"DANIS.DLL", "Danish (male).dll"},
    {"FINNI.DLL", "Finnish (female).dll"},
    {"PORTU.DLL", "Portuguese (male).dll"},
    {"PORTB.DLL", "Portuguese (female, Brazilian).dll"},
    {"CZECH.DLL", "Czech (male).dll"},
    {"HUNGA.DLL", "Hungarian (female).dll"},
    {"RUSSI.DLL", "Russian (male).dll"},
    {"GREEK.DLL", "Greek (female).dll"},
    {"TURKI.DLL", "Turkish (male).dll"},
    {"ROMAN.DLL", "Romanian (female).dll"},
    {"CROAT.DLL", "Croatian (male).dll"},
    {"SLOVA.DLL", "Slovak (female).dll"},
    {"SLOVE.DLL", "Slovenian (male).dll"},
    {"ICELA.DLL", "Icelandic (male).dll"},
    {"ESTON.DLL", "Estonian (female).dll"},
    {"LATVI.DLL", "Latvian (male).dll"},
    {"LITHU.DLL", "Lithuanian (female).dll"},
    {"CATAL.DLL", "Catalan (male).dll"},
    {"AFRIK.DLL", "Afrikaans (male).dll"},
    {"ESPER.DLL", "Esperanto (male).dll"},
    {"WELSH.DLL", "Welsh (female).dll"},
};

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

std::string LoadFailedMessage(std::string_view voiceName) {
  return Tr(Str::msg_voiceLoadFailed, {voiceName});
}

std::string SpeakMissingMessage(std::string_view voiceName) {
  return Tr(Str::msg_voiceSpeakMissing, {voiceName});
}

const LegacyVoiceName* FindLegacyVoice(std::string_view fileName) {
  std::string upper(fileName);
  std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
  for (const LegacyVoiceName& row : LegacyVoiceNames) {
    if (upper == row.OldName) return &row;
  }
  return nullptr;
}

std::vector<MigrationStep> PlanLegacyMigration(const std::vector<std::string>& foundFiles,
                                               const std::function<bool(const std::string&)>& targetExists,
                                               bool legacyLanguageFileExists) {
  std::vector<MigrationStep> plan;
  std::vector<std::string> movedTo;  // targets this plan fills
  for (const std::string& found : foundFiles) {
    const LegacyVoiceName* row = FindLegacyVoice(found);
    if (!row) continue;
    const std::string current = row->CurrentName;
    const bool taken = targetExists(current) ||
                       std::any_of(movedTo.begin(), movedTo.end(), [&](const std::string& t) {
                         return CompareTextIgnoringCase(t, current) == 0;
                       });
    if (taken) {
      plan.push_back({MigrationStep::Action::Delete, found, {}});
    } else {
      plan.push_back({MigrationStep::Action::Move, found, std::string(kVoiceFolderName) + "\\" + current});
      movedTo.push_back(current);
    }
  }
  if (legacyLanguageFileExists) plan.push_back({MigrationStep::Action::Delete, kLegacyLanguageFile, {}});
  return plan;
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(Upper(a[i]));
    const unsigned char y = static_cast<unsigned char>(Upper(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<std::string> BuildVoiceList(const std::vector<std::string>& fileNames, TextCompare compare) {
  std::vector<std::string> list;
  for (const std::string& file : fileNames) {
    std::string entry = file.substr(0, file.size() >= 4 ? file.size() - 4 : 0);
    auto at = std::lower_bound(list.begin(), list.end(), entry,
                               [&](const std::string& a, const std::string& b) { return compare(a, b) < 0; });
    if (at != list.end() && compare(*at, entry) == 0) continue;
    list.insert(at, std::move(entry));
  }
  if (list.empty()) list.emplace_back(kNoLanguage);
  return list;
}

std::string LanguageMenuItemName(int index) { return kLanguageMenuPrefix + std::to_string(index); }

std::optional<int> LanguageIndexFromMenuItemName(std::string_view name) {
  if (name.size() < 4 || name.size() > 12) return std::nullopt;
  std::string_view digits = name.substr(3);
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

int ClampSelectedLanguage(int selected, int count) { return selected < 0 || selected > count - 1 ? 0 : selected; }

std::string EncodeVoiceLoadingMark(const VoiceLoadingMark& mark) {
  std::string text = mark.Voice + '|' + std::to_string(mark.WriterId) + '|' + std::to_string(mark.WriterStarted);
  for (const std::string& voice : mark.PassedOver) text += '|' + voice;
  return text;
}

VoiceLoadingMark DecodeVoiceLoadingMark(std::string_view text) {
  std::vector<std::string> fields;
  for (size_t at = 0;;) {
    const size_t bar = text.find('|', at);
    fields.emplace_back(text.substr(at, bar == std::string_view::npos ? bar : bar - at));
    if (bar == std::string_view::npos) break;
    at = bar + 1;
  }
  VoiceLoadingMark mark;
  mark.Voice = fields[0];
  auto number = [&](size_t i) -> uint64_t {
    if (i >= fields.size() || fields[i].empty() || fields[i].size() > 20) return 0;
    uint64_t value = 0;
    for (char c : fields[i]) {
      if (c < '0' || c > '9') return 0;
      value = value * 10 + uint64_t(c - '0');
    }
    return value;
  };
  const uint64_t id = number(1);
  mark.WriterId = id <= 0xFFFFFFFFu ? uint32_t(id) : 0;
  mark.WriterStarted = number(2);
  for (size_t i = 3; i < fields.size(); ++i)
    if (!fields[i].empty()) mark.PassedOver.push_back(fields[i]);
  return mark;
}

bool MarkWriterRuns(const VoiceLoadingMark& mark, const std::function<bool(uint32_t, uint64_t)>& runs) {
  return mark.WriterId != 0 && runs(mark.WriterId, mark.WriterStarted);
}

StartVoice ChooseStartVoice(const std::vector<std::string>& voices, int selected, const VoiceLoadingMark& mark) {
  StartVoice choice{selected, true, {}, {}};
  auto passed = [&](const std::string& voice) {
    return voice == mark.Voice || std::find(mark.PassedOver.begin(), mark.PassedOver.end(), voice) != mark.PassedOver.end();
  };
  // Only voices of the list are remembered: the mark stays as short as the list.
  for (const std::string& voice : voices)
    if (passed(voice)) choice.PassedOver.push_back(voice);
  if (selected < 0 || size_t(selected) >= voices.size() || !passed(voices[size_t(selected)])) return choice;
  if (voices[size_t(selected)] == mark.Voice) choice.Skipped = mark.Voice;
  const auto other = std::find_if(voices.begin(), voices.end(), [&](const std::string& v) { return !passed(v); });
  if (other == voices.end()) {
    choice.Load = false;
    return choice;
  }
  choice.Index = int(other - voices.begin());
  return choice;
}

std::string SkippedVoiceMessage(std::string_view voiceName) {
  return Tr(Str::msg_voiceSkipped, {voiceName});
}

std::string VoiceMenuName(std::string_view voiceName) {
  static constexpr struct {
    const char* Name;
    Str Text;
  } kShipped[] = {
      {kNoLanguage, Str::menu_voice_none},
      {"English (female)", Str::menu_voice_EnglishFemale},
      {"English (male)", Str::menu_voice_EnglishMale},
      {"German (female)", Str::menu_voice_GermanFemale},
      {"German (male)", Str::menu_voice_GermanMale},
      {"French (female)", Str::menu_voice_FrenchFemale},
      {"Spanish (male)", Str::menu_voice_SpanishMale},
      {"Italian (female)", Str::menu_voice_ItalianFemale},
      {"Dutch (male)", Str::menu_voice_DutchMale},
      {"Swedish (female)", Str::menu_voice_SwedishFemale},
      {"Norwegian (male)", Str::menu_voice_NorwegianMale},
      {"Polish (female)", Str::menu_voice_PolishFemale},
      {"System voice", Str::menu_voice_System},
  };
  for (const auto& voice : kShipped)
    if (CompareTextIgnoringCase(voiceName, voice.Name) == 0) return Tr(voice.Text);
  return std::string(voiceName);
}

std::string_view VoiceLanguageName(unsigned languageId) {
  switch (languageId & 0x3FF) {
    case 0x07: return "German";
    case 0x09: return "English";
    case 0x0A: return "Spanish";
    case 0x0C: return "French";
    case 0x10: return "Italian";
    case 0x13: return "Dutch";
    case 0x14: return "Norwegian";
    case 0x15: return "Polish";
    case 0x1D: return "Swedish";
    default: return {};
  }
}

int PreferredVoiceIndex(const std::vector<std::string>& sortedVoices, std::string_view language) {
  if (language.empty()) return 0;
  for (size_t i = 0; i < sortedVoices.size(); ++i) {
    const std::string_view name = sortedVoices[i];
    if (name.size() < language.size() || CompareTextIgnoringCase(name.substr(0, language.size()), language) != 0)
      continue;
    const std::string_view rest = name.substr(language.size());
    if (rest.empty() || rest.substr(0, 2) == " (") return int(i);
  }
  return 0;
}

}  // namespace orlavox
