#include "display/face_layout.h"

#include <algorithm>

#include "ui/scale.h"

namespace orlavox {
namespace {

constexpr PaintHandler kAll = PaintHandler::Hour1PaintboxPaint;
constexpr PaintHandler kNone = PaintHandler::None;

// Date1Paintbox and Date2Paintbox move up beside the time line in the small
// display and stay shown there (nothing draws into them then).
constexpr std::array<CellInfo, kCellCount> kCells = {{
    {Cell::Hour1, "Hour1Paintbox", {21, 36, 31, 47}, {21, 36, 31, 47}, true, false, kAll},
    {Cell::Hour2, "Hour2Paintbox", {50, 36, 31, 47}, {50, 36, 31, 47}, true, false, kAll},
    {Cell::Col, "ColPaintBox", {81, 43, 9, 33}, {81, 43, 9, 33}, true, false, kNone},
    {Cell::Min1, "Min1Paintbox", {92, 36, 31, 47}, {92, 36, 31, 47}, true, false, kAll},
    {Cell::Min2, "Min2Paintbox", {121, 36, 31, 47}, {121, 36, 31, 47}, true, false, kAll},
    {Cell::Sec1, "Sec1PaintBox", {153, 50, 22, 33}, {153, 50, 22, 33}, true, false, kAll},
    {Cell::Sec2, "Sec2PaintBox", {173, 50, 22, 33}, {173, 50, 22, 33}, true, false, kAll},
    {Cell::AP, "APPaintBox", {18, 46, 22, 33}, {18, 46, 22, 33}, true, false, kNone},
    {Cell::Misc, "MiscPaintbox", {22, 14, 141, 21}, {22, 14, 141, 21}, true, false, kAll},
    {Cell::Date1, "Date1Paintbox", {166, 16, 14, 21}, {50, 10, 14, 21}, true, true, kAll},
    {Cell::Date2, "Date2Paintbox", {180, 16, 14, 21}, {64, 10, 14, 21}, true, true, kNone},
    {Cell::Weekday, "WeekdayPaintBox", {21, 82, 174, 14}, {21, 82, 174, 14}, true, false, kAll},
    {Cell::MT, "MTPaintBox", {9, 10, 80, 21}, {9, 10, 80, 21}, false, true, PaintHandler::MTPaintBoxPaint},
}};

constexpr std::array<ButtonInfo, kButtonCount> kButtons = {{
    {Button::Alarm, "AlarmButton", {10, 102, 40, 22}, {10, 102, 40, 22}, Str::main_AlarmButton_hint, Glyph::AlarmClock, false, "",
     true, false, ButtonShown::BigOnly},
    {Button::Setup, "SetupButton", {60, 102, 40, 22}, {60, 102, 40, 22}, Str::main_SetupButton_hint, Glyph::Settings, false, "", true,
     false, ButtonShown::BigOnly},
    {Button::Options, "OptionsButton", {110, 102, 40, 22}, {110, 102, 40, 22}, Str::main_OptionsButton_hint, Glyph::Dots, true, "", true,
     true, ButtonShown::BigOnly},
    {Button::Help, "HelpButton", {160, 102, 40, 22}, {160, 102, 40, 22}, Str::main_HelpButton_hint, Glyph::Question, false, "", true,
     false, ButtonShown::Always},
    {Button::Announce, "AnnounceButton", {210, 102, 58, 22}, {103, 9, 24, 22}, Str::main_AnnounceButton_hint, Glyph::Speaker,
     false, "", true, false, ButtonShown::Both},
    {Button::LangSel, "LangSelButton", {267, 102, 15, 22}, {267, 102, 15, 22}, Str::main_LangSelButton_hint,
     Glyph::DownTriangle, true, "", true, true, ButtonShown::BigOnly},
    {Button::Minimize, "MinimizeButton", {275, 4, 14, 12}, {132, 4, 14, 12}, Str::main_MinimizeButton_hint, Glyph::None, false, "_",
     false, false, ButtonShown::FramelessOnly},
}};

constexpr Shortcut kNoKey = {};
constexpr MenuItemInfo kSep(const char* name) { return {name, Str{}, MenuKind::Separator, kNoKey, false, 0}; }

constexpr std::array<MenuItemInfo, kMainMenuItemCount> kMainMenu = {{
    {"MI_Speak", Str::menu_main_Speak, MenuKind::Item, {true, true, 'S'}, true, IDM_SPEAK},
    kSep("N8"),
    {"MenuItem3", Str::menu_main_AlarmSetup, MenuKind::Item, {true, false, 'A'}, false, IDM_ALARM_SETUP},
    {"MI_Alarms", Str::menu_main_Alarms, MenuKind::Item, {true, false, 'L'}, false, IDM_ALARMS},
    {"MenuItem4", Str::menu_main_Settings, MenuKind::Item, {true, false, 'S'}, false, IDM_SETTINGS},
    {"MI_MoreOptions", Str::menu_main_MoreOptions, MenuKind::Item, {true, false, 'O'}, false, IDM_MORE_OPTIONS},
    {"MenuItem5", Str::menu_main_Help, MenuKind::Item, {true, false, 'H'}, false, IDM_HELP},
    kSep("MenuItem6"),
    {"MI_big", Str::menu_main_BigDisplay, MenuKind::Radio, kNoKey, false, IDM_BIG_DISPLAY},
    {"MI_small", Str::menu_main_SmallDisplay, MenuKind::Radio, kNoKey, false, IDM_SMALL_DISPLAY},
    kSep("N3"),
    {"About1", Str::menu_main_About, MenuKind::Item, kNoKey, false, IDM_ABOUT},
    {"Wantmorefeatures1", Str::menu_main_MoreFeatures, MenuKind::Item, kNoKey, false, IDM_MORE_FEATURES},
    kSep("N5"),
    {"Minimizetotray1", Str::menu_main_MinimizeToTray, MenuKind::Item, kNoKey, false, IDM_MINIMIZE_TO_TRAY},
    kSep("N6"),
    {"Exit2", Str::menu_main_Exit, MenuKind::Item, kNoKey, false, IDM_EXIT},
}};

}  // namespace

const std::array<CellInfo, kCellCount>& Cells() { return kCells; }
const CellInfo& CellOf(Cell c) { return kCells[static_cast<size_t>(c)]; }

PanelRect CellRect(Cell c, DisplayMode mode) {
  const CellInfo& info = CellOf(c);
  return mode == DisplayMode::Small ? info.Small : info.Big;
}

const std::array<ButtonInfo, kButtonCount>& Buttons() { return kButtons; }
const ButtonInfo& ButtonOf(Button b) { return kButtons[static_cast<size_t>(b)]; }

ScreenPoint OptionsMenuPoint(int windowLeft, int windowTop, int dpi) {
  const PanelRect& r = ButtonOf(Button::Options).Big;
  return {windowLeft + ui::Scaled(r.Left + 43, dpi), windowTop + ui::Scaled(r.Top + 21, dpi)};
}

ScreenPoint LangMenuPoint(int windowLeft, int windowTop, int dpi) {
  const PanelRect& r = ButtonOf(Button::LangSel).Big;
  return {windowLeft + ui::Scaled(r.Left + 18, dpi), windowTop + ui::Scaled(r.Top + 21, dpi)};
}

const std::array<MenuItemInfo, kMainMenuItemCount>& MainPopupMenuItems() { return kMainMenu; }

std::string ShortcutText(const Shortcut& s) {
  if (s.Key == 0) return {};
  std::string text;
  if (s.Ctrl) text += Tr(Str::menu_key_Ctrl) + "+";
  if (s.Alt) text += Tr(Str::menu_key_Alt) + "+";
  text += s.Key;
  return text;
}

std::string MenuItemText(const MenuItemInfo& item, bool globalShortcut) {
  std::string text = Tr(item.Caption);
  if (item.Keys.Key != 0 && (!item.OnlyWithGlobalShortcut || globalShortcut)) {
    text += '\t';
    text += ShortcutText(item.Keys);
  }
  return text;
}

WindowShape ShapeFor(DisplayMode mode, bool windowless, int captionHeight, int dpi, FrameSize frame) {
  // At 96 DPI a framed window is its client of 292 x 130 (150 x 32 small)
  // with a frame of 3 pixels a side; the client scales, the frame is the system's.
  auto s = [dpi](int v) { return ui::Scaled(v, dpi); };
  const int fw = 2 * frame.X, fh = 2 * frame.Y;
  if (mode == DisplayMode::Small) {
    if (windowless)
      return {BorderStyle::None, s(150), s(40), nullptr, true, s(151), s(41), s(1), true, kMiscSmallBackground};
    return {BorderStyle::ToolWindow, s(150) + fw, captionHeight + s(32) + fh, Tr(Str::main_smallCaption).c_str(),
            false, 0, 0, 0, false, kMiscSmallBackground};
  }
  if (windowless)
    return {BorderStyle::None, s(292), s(130), nullptr, true, s(293), s(131), s(2), true, kMiscBigBackground};
  return {BorderStyle::Single, s(292) + fw, captionHeight + s(130) + fh, Tr(Str::main_caption).c_str(), false, 0,
          0, 0, false, kMiscBigBackground};
}

int FittingZoom(int zoom, DisplayMode mode, bool windowless, int captionHeight, int monitorDpi, FrameSize frame,
                int areaWidth, int areaHeight) {
  for (; zoom > ui::kZoomMin; zoom -= ui::kZoomStep) {
    const WindowShape w = ShapeFor(mode, windowless, captionHeight, ui::ZoomedDpi(monitorDpi, zoom), frame);
    if (w.Width <= areaWidth && w.Height <= areaHeight) break;
  }
  return zoom < ui::kZoomMin ? ui::kZoomMin : zoom;
}

int LargestFaceDpi(const std::vector<ui::MonitorArea>& monitors, DisplayMode mode) {
  int largest = ui::kBaseDpi;
  for (const ui::MonitorArea& m : monitors) {
    const int zoom = FittingZoom(ui::kZoomMax, mode, true, 0, m.Dpi, {}, m.Work.Width, m.Work.Height);
    largest = std::max(largest, ui::ZoomedDpi(m.Dpi, zoom));
  }
  return largest;
}

}  // namespace orlavox
