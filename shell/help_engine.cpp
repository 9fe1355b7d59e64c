#include "shell/help_engine.h"

#include <shellapi.h>

#include "ui/dpi.h"
#include "win/wide_text.h"
#include "win/registry.h"
#include "win/test_events.h"

namespace orlavox {
namespace {

using HtmlHelpAProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
using HtmlHelpWProc = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

struct HelpEngine {
  HMODULE Module = nullptr;
  HtmlHelpAProc HtmlHelpA = nullptr;
  HtmlHelpWProc HtmlHelpW = nullptr;
};

HelpEngine& Engine() {
  static HelpEngine engine;
  return engine;
}

bool FileExists(const std::string& path) {
  const DWORD attr = GetFileAttributesW(Wide(path).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string FindHelpControlPath() {
  Registry classes(HKEY_CLASSES_ROOT);
  if (!classes.OpenKeyReadOnly(kHtmlHelpClsidKey)) return {};
  std::string path;
  // Windows registers it as REG_EXPAND_SZ ("%SystemRoot%\System32\hhctrl.ocx"),
  // Wine as REG_SZ: both are read, the first with its variables expanded.
  classes.ReadUtf8String("", path);
  classes.CloseKey();
  if (!path.empty() && !FileExists(path)) return {};
  return path;
}

void LoadHelpEngine() {
  HelpEngine& e = Engine();
  if (e.Module) return;
  const std::string path = FindHelpControlPath();
  if (path.empty() || !FileExists(path)) return;
  e.Module = LoadLibraryW(Wide(path).c_str());
  if (!e.Module) return;
  e.HtmlHelpA = reinterpret_cast<HtmlHelpAProc>(GetProcAddress(e.Module, "HtmlHelpA"));
  e.HtmlHelpW = reinterpret_cast<HtmlHelpWProc>(GetProcAddress(e.Module, "HtmlHelpW"));
}

void UnloadHelpEngine() {
  HelpEngine& e = Engine();
  if (!e.Module) return;
  // Help windows still open would run code of the library about to go.
  if (e.HtmlHelpA) e.HtmlHelpA(nullptr, nullptr, kHelpCloseAll, 0);
  FreeLibrary(e.Module);
  e = HelpEngine{};
}

bool HelpEngineLoaded() { return Engine().HtmlHelpA != nullptr; }

std::string HelpFilePath() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::string folder = n < MAX_PATH * 4 ? Utf8(path, int(n)) : std::string();
  const size_t cut = folder.find_last_of("\\/");
  folder = cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
  return folder + kHelpFileName;
}

void ShowHelp(UINT command, DWORD_PTR data) {
  // Without the control there is nothing to call: the request is dropped.
  HelpEngine& e = Engine();
  if (!e.HtmlHelpA) return;
  RecordTestEvent("help", std::to_string(command) + " " + std::to_string(data));
  // The help viewer does not follow a change of scale: its window is made
  // aware of the system's scale only, for Windows to stretch.
  ui::SystemAwareScope stretched;
  // The wide entry when there is one: the folder may have a name the ANSI
  // code page cannot spell.
  if (e.HtmlHelpW)
    e.HtmlHelpW(nullptr, Wide(HelpFilePath()).c_str(), command, data);
  else
    e.HtmlHelpA(nullptr, HelpFilePath().c_str(), command, data);
}

void OpenProductWebPage(HWND owner) {
  if (RecordTestEvent("open", kProductWebPage)) return;
  ShellExecuteA(owner, "Open", kProductWebPage, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orlavox
