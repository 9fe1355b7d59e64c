// Program entry: the application object, the main window, the message loop.
#include <windows.h>

#include "app/application.h"
#include "app/main_form.h"
#include "display/clock_data.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace orlavox;
  TApplication app;
  app.SetShowMainForm(false);  // the first clock tick shows the window
  app.SetTitle(kApplicationTitle);
  app.SetHelpFile("");
  if (!app.Initialize()) return 1;
  TMainForm form(app);
  app.SetMainForm(&form);
  if (!form.Create()) return 1;
  TClockData clockData(GetModuleHandleA(nullptr));
  form.ClockData = &clockData;
  const int code = app.Run();
  form.FormDestroy();
  app.SetMainForm(nullptr);
  return code;
}
