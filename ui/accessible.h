#pragma once
// What a window tells screen readers. Windows describes every window by a
// standard accessible object (its caption as the name, its role, its place);
// for a window that draws its own content, the content itself is missing.
// AnswerGetObject wraps the standard object and gives it a value supplied by
// the window, for its WM_GETOBJECT.
#include <windows.h>

#include <functional>
#include <string>

namespace orlavox::ui {

// For WM_GETOBJECT: the window's client object, whose value (for the window
// itself, not its children) is what `value` returns at the time it is asked.
// Returns 0 for other objects, which Windows then answers itself.
LRESULT AnswerGetObject(HWND hwnd, WPARAM wp, LPARAM lp, std::function<std::string()> value);

}  // namespace orlavox::ui
