// Every command of every window and menu (buttons, check boxes, radio
// buttons, menu items) carries a mnemonic in every language, and no two
// texts of one window or menu share theirs.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "resources/lang_text.h"

namespace orlavox {
namespace {

// The letter after the text's single &, folded to lower case (ASCII, Latin-1
// and Latin Extended-A); 0 for none, -1 for more than one.
long Mnemonic(const std::string& text) {
  long found = 0;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') { ++i; continue; }
    if (found) return -1;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data() + i + 1);
    long cp = p[0];
    if (p[0] >= 0xC0 && i + 2 < text.size()) cp = (long(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) cp += 0x20;
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177)) cp |= 1;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) cp += cp & 1;
    found = cp;
  }
  return found;
}

TEST(Mnemonics, EveryCommandHasOneOfItsOwnInItsWindowInEveryLanguage) {
  const std::regex command(R"(^(menu\.main\.\w+|\w+\.\w*(Check|Radio|Button|BitBtn\d*))$)");
  for (const LanguageInfo& language : kLanguages) {
    std::ifstream in(std::string(ORLAVOX_LANG_DIR) + "/" + language.Code + ".txt", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const LangFile file = ParseLangFile(bytes.str());
    ASSERT_FALSE(file.Entries.empty()) << language.Code;
    std::map<std::string, std::string> taken;  // window and letter -> key
    for (const LangEntry& e : file.Entries) {
      const std::string window = e.Key.rfind("menu.", 0) == 0 ? e.Key.substr(0, e.Key.rfind('.')) : e.Key.substr(0, e.Key.find('.'));
      const long m = Mnemonic(e.Text);
      EXPECT_TRUE(m != 0 || !std::regex_match(e.Key, command)) << language.Code << ": " << e.Key << " = " << e.Text << " has no mnemonic";
      EXPECT_NE(m, -1) << language.Code << ": " << e.Key << " = " << e.Text;
      if (m <= 0) continue;
      const auto [at, fresh] = taken.emplace(window + "/" + std::to_string(m), e.Key);
      EXPECT_TRUE(fresh) << language.Code << ": " << e.Key << " = " << e.Text << " has the mnemonic of " << at->second;
    }
  }
}

}  // namespace
}  // namespace orlavox
