#pragma once
// The main window's keyboard short-cuts: Ctrl+A, Ctrl+S, Ctrl+O and Ctrl+H, with Ctrl
// the only modifier held.
namespace orlavox {

enum class KeyCommand { None, AlarmSetup, Settings, MoreOptions, Help };

inline KeyCommand DecideKeyCommand(unsigned key, bool ctrl, bool shift, bool alt) {
  if (!ctrl || shift || alt) return KeyCommand::None;
  switch (key) {
    case 'A': return KeyCommand::AlarmSetup;
    case 'S': return KeyCommand::Settings;
    case 'O': return KeyCommand::MoreOptions;
    case 'H': return KeyCommand::Help;
    default: return KeyCommand::None;
  }
}

}  // namespace orlavox
