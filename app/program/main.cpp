// Program entry: the application object, the main window, the message loop.
#include <windows.h>

#include "app/application.h"
#include "app/main_form.h"

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
  const int code = app.Run();
  form.FormDestroy();
  app.SetMainForm(nullptr);
  return code;
}
