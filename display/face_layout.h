#pragma once
// Layout of the main window's face: the background panel, its cells (paint
// boxes), the speed buttons, the main popup menu and the four window shapes.
// Positions are in pixels relative to the background panel at (0, 0); the
// Win32 side reads these tables instead of repeating the numbers.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "display/face_images.h"
#include "resources/lang_text.h"
#include "ui/monitor_place.h"

namespace orlavox {

enum class DisplayMode : uint8_t { Big = 0, Small = 1 };

struct PanelRect {
  int16_t Left = 0;
  int16_t Top = 0;
  int16_t Width = 0;
  int16_t Height = 0;
  constexpr int Right() const { return Left + Width; }    // exclusive
  constexpr int Bottom() const { return Top + Height; }   // exclusive
  constexpr bool Contains(int x, int y) const { return x >= Left && x < Right() && y >= Top && y < Bottom(); }
};

inline constexpr PanelRect kBackPanel = {0, 0, 292, 130};

// The thirteen paint boxes on the panel.
enum class Cell : uint8_t {
  Hour1,    // Hour1Paintbox
  Hour2,    // Hour2Paintbox
  Col,      // ColPaintBox
  Min1,     // Min1Paintbox
  Min2,     // Min2Paintbox
  Sec1,     // Sec1PaintBox
  Sec2,     // Sec2PaintBox
  AP,       // APPaintBox
  Misc,     // MiscPaintbox
  Date1,    // Date1Paintbox
  Date2,    // Date2Paintbox
  Weekday,  // WeekdayPaintBox
  MT,       // MTPaintBox
};
inline constexpr int kCellCount = 13;

enum class PaintHandler : uint8_t {
  None,                // redrawn with the others
  Hour1PaintboxPaint,  // big display: everything
  MTPaintBoxPaint,     // small display: the time line
};

struct CellInfo {
  Cell Id;
  const char* Name;
  PanelRect Big;    // place in the big display
  PanelRect Small;  // place in the small display (same size)
  bool ShownBig;
  bool ShownSmall;
  PaintHandler Paint;
};

const std::array<CellInfo, kCellCount>& Cells();
const CellInfo& CellOf(Cell c);
PanelRect CellRect(Cell c, DisplayMode mode);

enum class Button : uint8_t { Alarm, Setup, Options, Help, Announce, LangSel, Minimize };
inline constexpr int kButtonCount = 7;

enum class ButtonShown : uint8_t {
  BigOnly,        // hidden in the small display
  Always,         // HelpButton: left alone, cut off by the small window
  Both,           // AnnounceButton: moved and resized per mode
  FramelessOnly,  // MinimizeButton: only in the frameless shapes
};

struct ButtonInfo {
  Button Id;
  const char* Name;
  PanelRect Big;
  PanelRect Small;
  Str Hint;                // also its name for screen readers
  Glyph Face;              // Glyph::None: caption only
  bool GlyphAtBottom;      // glyph at the bottom edge without margin
  const char* Caption;     // "_" (bold) for MinimizeButton, else ""
  bool FollowsTransparent; // flat when TransparentButtons is set
  bool MainMenuOnRightClick;
  ButtonShown Shown;
};

const std::array<ButtonInfo, kButtonCount>& Buttons();
const ButtonInfo& ButtonOf(Button b);

struct ScreenPoint {
  int X = 0;
  int Y = 0;
};
// Where OptionsButtonClick and LangSelButtonClick pop their menus up, from the
// main window's outer position on the screen and the face's scale.
ScreenPoint OptionsMenuPoint(int windowLeft, int windowTop, int dpi = 96);
ScreenPoint LangMenuPoint(int windowLeft, int windowTop, int dpi = 96);

enum class MenuKind : uint8_t { Item, Separator, Radio };

struct Shortcut {
  bool Ctrl = false;
  bool Alt = false;
  char Key = 0;  // 0: none
};

struct MenuItemInfo {
  const char* Name;
  Str Caption;                  // none for separators
  MenuKind Kind;
  Shortcut Keys;
  bool OnlyWithGlobalShortcut;  // the short-cut exists only while GlobalShortcut is on
  uint16_t Command;             // IDM_..., 0 for separators
};

inline constexpr int kMainMenuItemCount = 17;
const std::array<MenuItemInfo, kMainMenuItemCount>& MainPopupMenuItems();

// "Ctrl+Alt+S", "Ctrl+A" (the keys' names in the windows' language); empty for none.
std::string ShortcutText(const Shortcut& s);
// The text of a menu item as the menu shows it: caption, then a tab and the
// short-cut when the item has one in force.
std::string MenuItemText(const MenuItemInfo& item, bool globalShortcut);

enum class BorderStyle : uint8_t { None, Single, ToolWindow };

struct WindowShape {
  BorderStyle Border;
  int Width;             // whole window, frame included
  int Height;
  const char* Caption;   // nullptr: the caption text is left as it is; else in the windows' language
  bool HasRegion;        // frameless: a rounded region
  int RgnRight, RgnBottom, RgnEllipse;  // region (0, 0, RgnRight, RgnBottom), ellipse RgnEllipse x RgnEllipse
  bool MinimizeShown;
  uint8_t Background;    // MiscList image of BackPanel
};

// A framed window's frame, a side (3 x 3 at 96 DPI).
struct FrameSize {
  int X = 3, Y = 3;
};
// The window for a display mode and frame; captionHeight is SM_CYCAPTION, and
// it and `frame` are those of the window's monitor; `dpi` is the face's scale.
WindowShape ShapeFor(DisplayMode mode, bool windowless, int captionHeight, int dpi = 96, FrameSize frame = {});

// The largest zoom (per cent, in steps of 25) up to `zoom` at which the
// window fits a work area of areaWidth x areaHeight; 100 when none does.
int FittingZoom(int zoom, DisplayMode mode, bool windowless, int captionHeight, int monitorDpi, FrameSize frame,
                int areaWidth, int areaHeight);

// The largest face DPI any of the monitors can show the face at in `mode`:
// a monitor's DPI times the largest zoom at which the frameless face fits
// its work area (100 % when none does). The face is never drawn larger.
int LargestFaceDpi(const std::vector<ui::MonitorArea>& monitors, DisplayMode mode);

}  // namespace orlavox
