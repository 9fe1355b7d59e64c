// The main window's popup menu and its buttons.
#include "app/main_form.h"
#include "app/key_commands.h"
#include "ui/scale.h"
#include "display/clock_data.h"
#include "resources/resource_ids.h"

namespace orlavox {

void TMainForm::BuildMainPopupMenu() {
  for (const MenuItemInfo& info : MainPopupMenuItems()) {
    if (info.Kind == MenuKind::Separator) {
      MainPopupMenu.AddSeparator(info.Name);
      continue;
    }
    ui::PopupMenu::Item it;
    it.Name = info.Name;
    it.Radio = info.Kind == MenuKind::Radio;
    const unsigned command = info.Command;
    it.OnClick = [this, command](ui::PopupMenu::Item&) { RunMenuCommand(command); };
    MainPopupMenu.Add(std::move(it));
  }
  MainPopupMenu.Find("MI_big")->Checked = true;
  SetMainMenuTexts();
}

void TMainForm::SetMainMenuTexts() {
  for (const MenuItemInfo& info : MainPopupMenuItems()) {
    ui::PopupMenu::Item* it = info.Kind == MenuKind::Separator ? nullptr : MainPopupMenu.Find(info.Name);
    if (!it) continue;
    it->Caption = Tr(info.Caption);
    // Speak!'s short-cut is there only while the global one is on.
    if (!info.OnlyWithGlobalShortcut || !it->ShortCut.empty()) it->ShortCut = ShortcutText(info.Keys);
  }
}

void TMainForm::RunMenuCommand(unsigned command) {
  // Only the tray reaches the menu while a dialog is open (the window is disabled then).
  if (BringModalForward()) return;
  switch (command) {
    case IDM_SPEAK: Speak1Click(); break;
    case IDM_ALARM_SETUP: AlarmButtonClick(); break;
    case IDM_ALARMS: AlarmsClick(); break;
    case IDM_SETTINGS: SetupButtonClick(); break;
    case IDM_MORE_OPTIONS: MoreOptionsClick(); break;
    case IDM_HELP: HelpButtonClick(); break;
    case IDM_BIG_DISPLAY: MI_bigClick(); break;
    case IDM_SMALL_DISPLAY: MI_smallClick(); break;
    case IDM_MINIMIZE_TO_TRAY: HideMainWindow(); break;
    case IDM_ABOUT: About1Click(); break;
    case IDM_MORE_FEATURES: Wantmorefeatures1Click(); break;
    case IDM_EXIT: Exit2Click(); break;
    default: break;
  }
}

ui::SpeedButton& TMainForm::ButtonFor(Button b) {
  switch (b) {
    case Button::Alarm: return AlarmButton;
    case Button::Setup: return SetupButton;
    case Button::Options: return OptionsButton;
    case Button::Help: return HelpButton;
    case Button::Announce: return AnnounceButton;
    case Button::LangSel: return LangSelButton;
    case Button::Minimize: break;
  }
  return MinimizeButton;
}

void TMainForm::CreateButtons() {
  for (const ButtonInfo& info : Buttons()) {
    ui::SpeedButton& b = ButtonFor(info.Id);
    const PanelRect& r = info.Big;
    b.Create(hwnd_, r.Left, r.Top, r.Width, r.Height, Tr(info.Hint));
    if (info.Face != Glyph::None) {
      const Glyph g = info.Face;
      b.SetGlyph([this, g](HDC dc, int x, int y, bool enabled) {
                   if (ClockData) ClockData->DrawGlyph(dc, g, enabled, x, y, ui::Scaled(kGlyphSize, faceDpi_));
                 },
                 kGlyphSize, info.GlyphAtBottom ? ui::SpeedButton::GlyphPlace::Bottom : ui::SpeedButton::GlyphPlace::Centre);
    }
    // Flat buttons let the face's picture show through.
    b.PaintBackground = [this, &b](HDC dc, const RECT&) {
      RECT r;
      GetWindowRect(b.Handle(), &r);
      MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
      if (ClockData)
        ClockData->Draw(dc, ImageList::Misc, Mode() == DisplayMode::Small ? kMiscSmallBackground : kMiscBigBackground,
                        -r.left, -r.top);
    };
  }
  AlarmButton.OnClick = [this] { AlarmButtonClick(); };
  SetupButton.OnClick = [this] { SetupButtonClick(); };
  OptionsButton.OnClick = [this] { OptionsButtonClick(); };
  HelpButton.OnClick = [this] { HelpButtonClick(); };
  AnnounceButton.OnClick = [this] { AnnounceButtonClick(); };
  LangSelButton.OnClick = [this] { LangSelButtonClick(); };
  MinimizeButton.OnClick = [this] { MinimizeButtonClick(); };
}

void TMainForm::OptionsButtonClick() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const ScreenPoint p = OptionsMenuPoint(r.left, r.top, faceDpi_);
  MainPopupMenu.Popup(hwnd_, p.X, p.Y);
}

void TMainForm::LangSelButtonClick() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const ScreenPoint p = LangMenuPoint(r.left, r.top, faceDpi_);
  LangMenu.Popup(hwnd_, p.X, p.Y);
}

}  // namespace orlavox
