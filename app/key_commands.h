#pragma once
// The main window's keyboard short-cuts: Ctrl+A, Ctrl+L, Ctrl+S, Ctrl+O and Ctrl+H,
// with Ctrl the only modifier held; the face's zoom on Ctrl+Plus, Ctrl+Minus
// and Ctrl+0, on the main keyboard (Plus with or without Shift) or the number pad.
namespace orlavox {

enum class KeyCommand { None, AlarmSetup, Alarms, Settings, MoreOptions, Help, ZoomIn, ZoomOut, ZoomReset };

inline KeyCommand DecideKeyCommand(unsigned key, bool ctrl, bool shift, bool alt) {
  constexpr unsigned kOemPlus = 0xBB, kOemMinus = 0xBD, kAdd = 0x6B, kSubtract = 0x6D, kNumpad0 = 0x60;
  if (!ctrl || alt) return KeyCommand::None;
  switch (key) {
    case kOemPlus:
    case kAdd: return KeyCommand::ZoomIn;
    case kOemMinus:
    case kSubtract: return shift ? KeyCommand::None : KeyCommand::ZoomOut;
    case '0':
    case kNumpad0: return shift ? KeyCommand::None : KeyCommand::ZoomReset;
    default: break;
  }
  if (shift) return KeyCommand::None;
  switch (key) {
    case 'A': return KeyCommand::AlarmSetup;
    case 'L': return KeyCommand::Alarms;
    case 'S': return KeyCommand::Settings;
    case 'O': return KeyCommand::MoreOptions;
    case 'H': return KeyCommand::Help;
    default: return KeyCommand::None;
  }
}

}  // namespace orlavox
