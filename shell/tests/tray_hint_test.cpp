#include "shell/tray_hint.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(TrayHint, TextAndTheShellsLimit) {
  EXPECT_EQ(TrayHintText("21:07:42", "05.12.2026"), "Time: 21:07:42   Date: 05.12.2026");
  const std::string longText = TrayHintText(std::string(100, 't'), std::string(100, 'd'));
  EXPECT_EQ(CutTrayTip(longText).size(), 127u);
  EXPECT_EQ(CutTrayTip(longText), longText.substr(0, 127));
  EXPECT_EQ(CutTrayTip("short"), "short");
}

}  // namespace
}  // namespace orlavox
