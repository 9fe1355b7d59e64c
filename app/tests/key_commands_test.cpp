#include "app/key_commands.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(KeyCommands, OnlyCtrlAlonePicksACommand) {
  EXPECT_EQ(DecideKeyCommand('A', true, false, false), KeyCommand::AlarmSetup);
  EXPECT_EQ(DecideKeyCommand('L', true, false, false), KeyCommand::Alarms);
  EXPECT_EQ(DecideKeyCommand('S', true, false, false), KeyCommand::Settings);
  EXPECT_EQ(DecideKeyCommand('H', true, false, false), KeyCommand::Help);
  EXPECT_EQ(DecideKeyCommand('O', true, false, false), KeyCommand::MoreOptions);
  EXPECT_EQ(DecideKeyCommand('A', true, true, false), KeyCommand::None);   // Ctrl+Shift+A
  EXPECT_EQ(DecideKeyCommand('A', false, false, true), KeyCommand::None);  // Alt+A
  EXPECT_EQ(DecideKeyCommand('S', true, false, true), KeyCommand::None);   // Ctrl+Alt+S is the hot key
  EXPECT_EQ(DecideKeyCommand('A', false, false, false), KeyCommand::None);
  EXPECT_EQ(DecideKeyCommand('X', true, false, false), KeyCommand::None);
  // Zoom: Plus with or without Shift, on either keyboard; Minus and 0 without it.
  EXPECT_EQ(DecideKeyCommand(0xBB, true, true, false), KeyCommand::ZoomIn);
  EXPECT_EQ(DecideKeyCommand(0x6B, true, false, false), KeyCommand::ZoomIn);
  EXPECT_EQ(DecideKeyCommand(0xBD, true, false, false), KeyCommand::ZoomOut);
  EXPECT_EQ(DecideKeyCommand(0x60, true, false, false), KeyCommand::ZoomReset);
  EXPECT_EQ(DecideKeyCommand('0', true, true, false), KeyCommand::None);
  EXPECT_EQ(DecideKeyCommand('0', false, false, false), KeyCommand::None);
}

}  // namespace
}  // namespace orlavox
