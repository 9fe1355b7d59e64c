#pragma once
// The two information dialogs of the main menu: the about box and the
// dialog that presents the richer edition, Orlavox Zentra. Each lives only
// for one modal showing; their link labels open the product's web page.
#include <windows.h>

#include <string>

#include "ui/dialog.h"
#include "ui/gdi.h"

namespace orlavox {

class TAboutForm : public ui::Dialog {
 public:
  TAboutForm();

 protected:
  void FormCreate() override;

 private:
  UniqueIcon icon_;
};

class TZentraInfoForm : public ui::Dialog {
 public:
  // `folder`: where "info.dat" lies (the program's folder, with a trailing backslash).
  explicit TZentraInfoForm(std::string folder);

 protected:
  void FormShow() override;

 private:
  std::string folder_;
};

}  // namespace orlavox
