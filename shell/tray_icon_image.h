#pragma once
// The tray clock's picture: the hand-less dial of icon resource 1001 with the
// hour and minute hands drawn on it (see shell/tray_hands.h for where they end).
#include <windows.h>

#include "ui/gdi.h"

namespace orlavox {

// Builds the 16 x 16 icon for `hour` (0..23) and `minute` from the dial in
// `module`'s resources; at any other size (SM_CXSMICON of a larger display
// scale) the artwork's code draws dial and hands at that size. Null when any
// step fails; every temporary object is released on every path. The caller
// owns the icon.
UniqueIcon MakeTrayIcon(HINSTANCE module, int hour, int minute, int size = 16);

// The program's icon, size x size: the resource's at 32, drawn at any other size.
UniqueIcon MakeProgramIcon(HINSTANCE module, int size);

}  // namespace orlavox
