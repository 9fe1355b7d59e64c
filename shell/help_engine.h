#pragma once
// The help engine: the system's HTML Help control, found through its
// registration and loaded once when the program starts, before any window
// exists; released when the program ends. Every help request goes to
// "Orlavox.chm" in the program's folder. When the control is not there, help
// requests do nothing.
#include <windows.h>

#include <string>

namespace orlavox {

// HTML Help commands the program uses.
inline constexpr UINT kHelpDisplayTopic = 0;   // the file's default topic
inline constexpr UINT kHelpContext = 15;       // a topic by its context number
inline constexpr UINT kHelpCloseAll = 0x12;    // closes the help windows the program opened
inline constexpr const char* kHelpFileName = "Orlavox.chm";
inline constexpr const char* kHtmlHelpClsidKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

// The control's file, as registered (REG_SZ or REG_EXPAND_SZ, expanded;
// UTF-8), or "" when it is not registered or the file is missing.
std::string FindHelpControlPath();
void LoadHelpEngine();
void UnloadHelpEngine();
bool HelpEngineLoaded();
// The help file beside the program (UTF-8).
std::string HelpFilePath();
// HtmlHelpA(no owner, help file, command, data); the result is ignored.
void ShowHelp(UINT command, DWORD_PTR data);

// The product's web page, opened by every link label in the program.
inline constexpr const char* kProductWebPage = "https://orlavox.example.org/";
// Asks the shell to open the product's web page; reports nothing.
void OpenProductWebPage(HWND owner);

}  // namespace orlavox
