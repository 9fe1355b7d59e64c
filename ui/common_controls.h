#pragma once
// The common controls library (up-downs, list views, tooltips) is loaded at
// the first control that needs one, not at start: the clock itself never
// needs it while it is left alone, shown or in the tray (the help control,
// loaded at start, may still bring it along).

namespace orlavox::ui {

// Makes the common controls' window classes ready; any number of calls, the
// work is done once. Call it before creating such a control.
void UseCommonControls();

}  // namespace orlavox::ui
