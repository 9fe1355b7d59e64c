#include "settings/notices.h"

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
    : Dialog(Form("Welcome!", 362, 219).NoSystemMenu(),
             {
                 Panel(c.Panel1, kOnForm, 0, {8, 8, 345, 153}),
                 Label("StaticText1", c.Panel1, {4, 8, 333, 20}, "Welcome to the Multilingual Orlavox!")
                     .Centred()
                     .InBold()
                     .Height(-13),
                 Label("StaticText2", c.Panel1, {12, 32, 325, 49},
                       "This seems to be the first time you run the clock, and we would like to inform you that the "
                       "latest version of the program is always available at the Orlavox website at")
                     .Centred(),
                 Link(c.Label1, c.Panel1, {8, 80, 329, 17}, kProductWebPage).Centred(),
                 Label("StaticText3", c.Panel1, {12, 100, 325, 45},
                       "On the website you can also download additional languages, read the FAQ and find out the "
                       "latest news. Please also read the help file by clicking the help button below.")
                     .Centred(),
                 BitBtn(c.BitBtn1, kOnForm, 1, {84, 174, 75, 33}, ButtonRole::Ok, "OK"),
                 BitBtn(c.BitBtn2, kOnForm, 2, {190, 174, 75, 33}, ButtonRole::Help, "&Help"),
             }) {
  OnClick(c.Label1, [this] { OpenProductWebPage(Handle()); });
  // The help file at its opening page, which leads to every topic.
  OnClick(c.BitBtn2, [] { ShowHelp(kHelpDisplayTopic, 0); });
}

TNewVerForm::TNewVerForm()
    : Dialog(Form("Thank you for upgrading", 362, 225).NoSystemMenu().PlacedAt(kNewVerFormLeft, kNewVerFormTop),
             {
                 Panel(c.Panel1, kOnForm, 0, {8, 8, 345, 145}),
                 Label("StaticText1", c.Panel1, {4, 8, 333, 20}, "Welcome to version 2.5!").Centred().InBold().Height(-13),
                 Label("StaticText2", c.Panel1, {12, 28, 325, 44},
                       "Thank you for upgrading to version 2.5. There are several major internal changes in this "
                       "version, and some minor fixes. Click the \"what's new\" button below for full details.")
                     .Centred(),
                 Label("StaticText3", c.Panel1, {12, 93, 325, 29},
                       "Don't forget to check the website on a regular basis, there you will always find the latest "
                       "version, additional languages etc.")
                     .Centred(),
                 Link(c.Label1, c.Panel1, {8, 123, 329, 17}, kProductWebPage).Centred(),
                 BitBtn(c.BitBtn1, kOnForm, 1, {76, 173, 75, 33}, ButtonRole::Ok, "&OK"),
                 BitBtn(c.NewsButton, kOnForm, 2, {192, 173, 97, 33}, ButtonRole::Help, "&What's new"),
             }) {
  OnClick(c.Label1, [this] { OpenProductWebPage(Handle()); });
  OnClick(c.NewsButton, [] { ShowHelp(kHelpContext, kWhatsNewContext); });
}

}  // namespace orlavox
