#include "resources/lang_load.h"

#include <windows.h>

#include "resources/resource_ids.h"

namespace orlavox {

void LoadWindowLanguage(Language language) {
  HMODULE program = GetModuleHandleW(nullptr);
  std::string_view bytes;
  if (HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(IDR_LANG_FIRST + int(language)), MAKEINTRESOURCEW(10) /* RT_RCDATA */))
    if (HGLOBAL loaded = LoadResource(program, found))
      if (const void* data = LockResource(loaded)) bytes = {static_cast<const char*>(data), SizeofResource(program, found)};
  UseTexts(language, TextsOf(ParseLangFile(bytes)));
}

uint16_t WindowsUiLanguage() { return GetUserDefaultUILanguage(); }

}  // namespace orlavox
