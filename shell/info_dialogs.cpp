#include "shell/info_dialogs.h"

#include "resources/lang_text.h"
#include "resources/resource_ids.h"
#include "shell/help_engine.h"
#include "shell/tray_icon_image.h"
#include "ui/scale.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

using namespace ui;

// The whole of a small file, or false when it cannot be read.
bool ReadSmallFile(const std::string& path, std::string& bytes) {
  constexpr DWORD kMaxBytes = 4 * 1024 * 1024;
  HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  const DWORD size = GetFileSize(f, nullptr);
  bool ok = size != INVALID_FILE_SIZE && size <= kMaxBytes;
  if (ok) {
    bytes.assign(size, '\0');
    DWORD got = 0;
    ok = size == 0 || (ReadFile(f, bytes.data(), size, &got, nullptr) && got == size);
  }
  CloseHandle(f);
  return ok;
}

// The controls the dialogs' code addresses; the tables are built from them.
constexpr struct {
  PanelId Panel1{"Panel1"};
  ImageId Image1{"Image1"};
  LinkId StaticText4{"StaticText4"};
  BitBtnId BitBtn1{"BitBtn1"};
} about{};
constexpr struct {
  RichViewId RichEdit1{"RichEdit1"};
  BitBtnId CloseButton{"CloseButton"};
  GroupBoxId GroupBox1{"GroupBox1"};
  LinkId StaticText2{"StaticText2"};
} zentra{};

}  // namespace

TAboutForm::TAboutForm()
    : Dialog(Form(Tr(Str::about_caption), 350, 203),
             {
                 Panel(about.Panel1, kOnForm, 0, {16, 16, 321, 121}),
                 Image(about.Image1, about.Panel1, {8, 10, 41, 41}),
                 Label("StaticText1", about.Panel1, {64, 8, 0, 0}, Tr(Str::about_StaticText1)).InBold().Font("Arial", -16),
                 Label("StaticText2", about.Panel1, {64, 30, 0, 0}, Tr(Str::about_StaticText2, {ORLAVOX_VERSION_TEXT})),
                 Label("StaticText5", about.Panel1, {8, 66, 303, 25},
                       Tr(Str::about_StaticText5)),
                 Link(about.StaticText4, about.Panel1, {8, 97, 305, 17}, kProductWebPage).Centred(),
                 BitBtn(about.BitBtn1, kOnForm, 1, {136, 154, 75, 33}, ButtonRole::Ok, Tr(Str::about_BitBtn1)).Cancel(),
             }) {
  OnClick(about.StaticText4, [this] { OpenProductWebPage(Handle()); });
}

void TAboutForm::FormCreate() {
  icon_ = MakeProgramIcon(ui::Instance(), ui::Scaled(32, Dpi()));
  SetIcon(about.Image1, icon_.Get());
}

TZentraInfoForm::TZentraInfoForm(std::string folder)
    : Dialog(Form(Tr(Str::edition_caption), 425, 270),
             {
                 RichView(zentra.RichEdit1, kOnForm, 0, {8, 8, 409, 193}, Tr(Str::edition_RichEdit1)),
                 BitBtn(zentra.CloseButton, kOnForm, 1, {330, 214, 87, 47}, ButtonRole::Close, Tr(Str::edition_CloseButton)),
                 GroupBox(zentra.GroupBox1, kOnForm, 2, {8, 208, 313, 54}, ""),
                 Label("StaticText1", zentra.GroupBox1, {8, 14, 297, 17}, Tr(Str::edition_StaticText1))
                     .Centred(),
                 Link(zentra.StaticText2, zentra.GroupBox1, {8, 32, 297, 17}, kProductWebPage).Centred(),
             }),
      folder_(std::move(folder)) {
  OnClick(zentra.StaticText2, [this] { OpenProductWebPage(Handle()); });
}

void TZentraInfoForm::FormShow() {
  // Rich text first; what is not rich text is shown as it stands.
  std::string bytes;
  const bool read = ReadSmallFile(folder_ + "info.dat", bytes);
  SetText(zentra.RichEdit1, "");
  if (!read || !(LoadRichText(zentra.RichEdit1, bytes, true) || LoadRichText(zentra.RichEdit1, bytes, false)))
    SetText(zentra.RichEdit1, Tr(Str::edition_infoMissing));
  Focus(zentra.CloseButton);
}

}  // namespace orlavox
