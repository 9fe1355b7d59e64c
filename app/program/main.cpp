// Program entry: the help engine, the application object, the main window,
// the message loop.
#include <windows.h>
#include <objbase.h>

#include "alarm/alarm_sound_player.h"
#include "app/application.h"
#include "app/main_form.h"
#include "app/seams.h"
#include "display/art/scaled_art.h"
#include "display/button_glyphs.h"
#include "display/clock_data.h"
#include "resources/lang_load.h"
#include "settings/settings_store.h"
#include "shell/help_engine.h"
#include "ui/dialog.h"

namespace orlavox {
namespace {

int RunClock() {
  // Every window in the user's language, from the first.
  LoadWindowLanguage(ChooseWindowLanguage(LoadWindowLanguageChoice(), WindowsUiLanguage()));
  TApplication app;
  app.SetShowMainForm(false);  // the first clock tick shows the window
  app.SetTitle(Tr(Str::main_caption));
  app.SetHelpFile("");
  if (!app.Initialize()) return 1;
  TMainForm form(app);
  app.SetMainForm(&form);
  if (!form.Create()) return 1;
  TClockData clockData(GetModuleHandleA(nullptr));
  // Above 100 % the face's pictures are drawn by the artwork's own code.
  clockData.SetSources(artgen::FaceImageAt, artgen::GlyphAt);
  clockData.SetDpi(form.FaceDpi());
  form.SetClockData(&clockData);
  // The face's words follow the language of the clock's windows.
  form.SetFaceLanguage(WindowLanguage());
  const AlarmSoundList alarmSounds = LoadAlarmSounds(GetModuleHandleA(nullptr));
  form.SetAlarmSounds(&alarmSounds);
  ui::SetButtonGlyphs(DialogButtonGlyphs(clockData));
  form.ChangeMode();  // the face at the scale the store could draw it at
  const int code = app.Run();
  form.FormDestroy();
  app.SetMainForm(nullptr);
  ui::SetButtonGlyphs({});
  return code;
}

}  // namespace
}  // namespace orlavox

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // First of all: every library loaded from here on, and each library's own
  // dependencies, comes from the system folder, never from the program's
  // folder (a Downloads folder) or the current one. The program imports only
  // known DLLs at load time; the others are delay-loaded (cmake/DelayImports.cmake)
  // and so are looked for here at their first call.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
  orlavox::PrepareTestProcess();
  // Screen readers reach the clock's windows through COM; the file dialog needs it too.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  orlavox::LoadHelpEngine();  // before any window exists
  const int code = orlavox::RunClock();
  orlavox::UnloadHelpEngine();
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}
