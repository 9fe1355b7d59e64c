#pragma once
// The application object: the hidden top-level window that owns the main
// window and carries the program's taskbar button, the title, and the message
// loop, which lets the main window see every key first.
#include <windows.h>

#include <string>

#include "ui/window.h"

namespace orlavox {

class TMainForm;

class TApplication : public ui::Window {
 public:
  bool Initialize();
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }
  void SetHelpFile(const std::string& name) { helpFile_ = name; }
  const std::string& HelpFile() const { return helpFile_; }
  // The main window is never shown by the loop itself.
  void SetShowMainForm(bool show) { showMainForm_ = show; }
  void SetMainForm(TMainForm* form) { mainForm_ = form; }
  TMainForm* MainForm() const { return mainForm_; }
  // Runs the message loop until the main window has closed.
  int Run();
  // One pass over the waiting messages (the tray menu and the tests use it).
  void ProcessMessages();
  void Restore();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool PreviewKey(const MSG& msg);
  std::string title_;
  std::string helpFile_;
  bool showMainForm_ = true;
  TMainForm* mainForm_ = nullptr;
};

}  // namespace orlavox
