// Pictures of the clock's windows in a language, for people to look at: run
// on demand by scripts/screenshots.sh (disabled in the test run). The face,
// the alert, the settings, alarm and More options dialogs, each saved with
// the screen as <language>-<dpi>-<window>.bmp in ORLAVOX_TEST_OUTPUT, its
// place on the screen in places.txt there.
#include <gtest/gtest.h>

#include <fstream>

#include "e2e/harness.h"
#include "settings/clock_settings.h"

namespace orlavox::e2e {
namespace {

TEST(Screens, DISABLED_WindowsInTheChosenLanguage) {
  const char* language = std::getenv("ORLAVOX_SCREEN_LANG");
  ASSERT_NE(language, nullptr);
  HDC screen = GetDC(nullptr);
  const std::string prefix = OutputDir() + language + "-" + std::to_string(GetDeviceCaps(screen, LOGPIXELSX)) + "-";
  ReleaseDC(nullptr, screen);
  std::ofstream places(OutputDir() + "places.txt", std::ios::app);
  auto shoot = [&](HWND w, const std::string& name) {
    Sleep(700);  // drawn
    RECT r;
    GetWindowRect(w, &r);
    ASSERT_TRUE(SaveScreenshot(prefix + name + ".bmp"));
    places << prefix.substr(OutputDir().size()) << name << ' ' << r.right - r.left << 'x' << r.bottom - r.top << '+'
           << r.left << '+' << r.top << '\n';
  };
  ResetRegistry();
  WriteSettings("00001001000", "0100010001000000", "6007000001");  // the alarm at 07:00
  WriteValue(kSettingsKey, kWindowLanguageValue, language);
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 06:59:58"));
  HWND alert = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (alert = FindProcessWindow(p.Pid(), nullptr, "OrlavoxDialog")) != nullptr; }, 8000));
  shoot(alert, "alert");
  PostKey(alert, VK_RETURN);
  HWND main = p.WaitForMainWindow(true);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(alert); }, 5000));
  shoot(main, "face");
  for (const auto& [key, name] : {std::pair{'S', "settings"}, std::pair{'A', "alarm"}, std::pair{'O', "more-options"}}) {
    ASSERT_TRUE(TypeKeys(main, {VK_CONTROL, WORD(key)}));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindProcessWindow(p.Pid(), nullptr, "OrlavoxDialog")) != nullptr; }, 5000));
    shoot(dialog, name);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
  }
  EXPECT_TRUE(p.Close());
  ResetRegistry();
}

}  // namespace
}  // namespace orlavox::e2e
