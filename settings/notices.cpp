#include "settings/notices.h"

#include "resources/lang_text.h"
#include "resources/resource_ids.h"
#include "shell/help_engine.h"

namespace orlavox {
namespace {

using namespace ui;

// The "what's new" topic of the help file (IDH_999).
constexpr DWORD_PTR kWhatsNewContext = 999;

// The controls the notices' code addresses; the tables are built from them.
constexpr struct {
  PanelId Panel1{"Panel1"};
  LinkId Label1{"Label1"};
  BitBtnId BitBtn1{"BitBtn1"}, BitBtn2{"BitBtn2"}, NewsButton{"NewsButton"};
} c{};

}  // namespace

TInfoForm::TInfoForm()
    : Dialog(Form(Tr(Str::welcome_caption), 362, 219).NoSystemMenu(),
             {
                 Panel(c.Panel1, kOnForm, 0, {8, 8, 345, 153}),
                 Label("StaticText1", c.Panel1, {4, 8, 333, 20}, Tr(Str::welcome_StaticText1))
                     .Centred()
                     .InBold()
                     .Height(-13),
                 Label("StaticText2", c.Panel1, {12, 32, 325, 49},
                       Tr(Str::welcome_StaticText2))
                     .Centred(),
                 Link(c.Label1, c.Panel1, {8, 80, 329, 17}, kProductWebPage).Centred(),
                 Label("StaticText3", c.Panel1, {12, 100, 325, 45},
                       Tr(Str::welcome_StaticText3))
                     .Centred(),
                 BitBtn(c.BitBtn1, kOnForm, 1, {84, 174, 75, 33}, ButtonRole::Ok, Tr(Str::welcome_BitBtn1)),
                 BitBtn(c.BitBtn2, kOnForm, 2, {190, 174, 75, 33}, ButtonRole::Help, Tr(Str::welcome_BitBtn2)),
             }) {
  OnClick(c.Label1, [this] { OpenProductWebPage(Handle()); });
  // The help file at its opening page, which leads to every topic.
  OnClick(c.BitBtn2, [] { ShowHelp(kHelpDisplayTopic, 0); });
}

TNewVerForm::TNewVerForm()
    : Dialog(Form(Tr(Str::upgrade_caption), 362, 225).NoSystemMenu().PlacedAt(kNewVerFormLeft, kNewVerFormTop),
             {
                 Panel(c.Panel1, kOnForm, 0, {8, 8, 345, 145}),
                 Label("StaticText1", c.Panel1, {4, 8, 333, 20}, Tr(Str::upgrade_StaticText1, {ORLAVOX_VERSION_TEXT}))
                     .Centred()
                     .InBold()
                     .Height(-13),
                 Label("StaticText2", c.Panel1, {12, 28, 325, 44},
                       Tr(Str::upgrade_StaticText2, {ORLAVOX_VERSION_TEXT}))
                     .Centred(),
                 Label("StaticText3", c.Panel1, {12, 93, 325, 29},
                       Tr(Str::upgrade_StaticText3))
                     .Centred(),
                 Link(c.Label1, c.Panel1, {8, 123, 329, 17}, kProductWebPage).Centred(),
                 BitBtn(c.BitBtn1, kOnForm, 1, {76, 173, 75, 33}, ButtonRole::Ok, Tr(Str::upgrade_BitBtn1)),
                 BitBtn(c.NewsButton, kOnForm, 2, {192, 173, 97, 33}, ButtonRole::Help, Tr(Str::upgrade_NewsButton)),
             }) {
  OnClick(c.Label1, [this] { OpenProductWebPage(Handle()); });
  OnClick(c.NewsButton, [] { ShowHelp(kHelpContext, kWhatsNewContext); });
}

}  // namespace orlavox
