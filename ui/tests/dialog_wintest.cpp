// A table-built dialog driven by its keys, and opened and closed many times.
#include "ui/dialog.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <deque>

#include "ui/dpi.h"
#include "ui/resource_count.h"
#include "ui/tests/scripted_dialog.h"

namespace orlavox::ui {
namespace {

constexpr struct {
  GroupBoxId Box{"Box"};
  CheckId Second{"Second"}, First{"First"};
  EditId Edit{"Edit"};
  UpDownId Spin{"Spin"};
  BitBtnId Ok{"Ok"}, Help{"Help"}, Cancel{"Cancel"};
} k{};

class ScriptedDialog : public Scripted<Dialog> {
 public:
  using Scripted::Scripted;

  void Key(UINT vk) { PostMessageA(GetFocus(), WM_KEYDOWN, vk, 0); }
  std::string FocusName() const {
    const std::pair<const char*, HWND> controls[] = {
        {k.Edit.Name, Control(k.Edit)}, {k.Spin.Name, Control(k.Spin)}, {k.First.Name, Control(k.First)},
        {k.Second.Name, Control(k.Second)}, {k.Ok.Name, Control(k.Ok)}, {k.Cancel.Name, Control(k.Cancel)},
        {k.Help.Name, Control(k.Help)}};
    for (const auto& [name, h] : controls)
      if (h && h == GetFocus()) return name;
    return "?";
  }
};

FormLayout TestForm() { return Form("Dialog test", 300, 200); }

std::vector<ControlRow> KeysTable(bool withCancel) {
  std::vector<ControlRow> t = {
      GroupBox(k.Box, kOnForm, 1, {8, 40, 140, 60}, "Box"),
      Check(k.Second, k.Box, 1, {8, 16, 120, 17}, "Second"),
      Check(k.First, k.Box, 0, {8, 36, 120, 17}, "First"),
      Edit(k.Edit, kOnForm, 0, {8, 8, 57, 21}, "100").ReadOnly(),
      UpDown(k.Spin, kOnForm, kNoTab, {65, 8, 15, 21}, k.Edit).Range(100, 1000).Increment(100).At(1000),
      BitBtn(k.Ok, kOnForm, 2, {8, 150, 75, 33}, ButtonRole::Ok, "&OK"),
      BitBtn(k.Help, kOnForm, 4, {200, 150, 75, 33}, ButtonRole::Help, "&Help"),
  };
  if (withCancel) t.push_back(BitBtn(k.Cancel, kOnForm, 3, {100, 150, 75, 33}, ButtonRole::Cancel, "&Cancel"));
  return t;
}

TEST(DialogTest, TabEnterAndEscapeFollowTheTable) {
  ScriptedDialog d(TestForm(), KeysTable(true));
  std::vector<std::string> seen;
  int helps = 0;
  d.OnClick(k.Help, [&] { ++helps; });
  auto look = [&] { seen.push_back(d.FocusName()); };
  std::string spinText;
  d.Steps = {look, [&] { d.Key(VK_TAB); }, look, [&] { d.Key(VK_TAB); }, look, [&] { d.Key(VK_TAB); }, look,
             [&] { d.Key(VK_TAB); }, look, [&] { d.Key(VK_TAB); }, look,
             [&] { d.Key(VK_RETURN); },  // on the focused Help button: help, the dialog stays
             [&] { d.Focus(k.Edit); }, [&] { spinText = d.Text(k.Edit); d.Key(VK_UP); },
             [&] { spinText += "," + d.Text(k.Edit); d.Key(VK_DOWN); },
             [&] { spinText += "," + d.Text(k.Edit); d.Key(VK_RETURN); }};  // the default button
  EXPECT_EQ(d.Run(), kResultOk);
  EXPECT_EQ(seen, (std::vector<std::string>{"Edit", "First", "Second", "Ok", "Cancel", "Help"}));
  EXPECT_EQ(helps, 1);
  EXPECT_EQ(spinText, "1000,1000,900");  // no thousands separator; stops at the top

  ScriptedDialog esc(TestForm(), KeysTable(true));
  esc.Steps = {[&] { esc.Key(VK_ESCAPE); }};
  EXPECT_EQ(esc.Run(), kResultCancel);
}

// A caption longer than its check box: the check box widens, its box and the
// button to the right in its row make room, the form grows, and every text
// fits, at 96 DPI and at 150 %; a longer text planted afterwards is caught.
TEST(DialogTest, ControlsWidenForTheirWordsAndTheirRowMakesRoom) {
  const std::string words = "A caption far longer than the check box was drawn for";
  ScriptedDialog d(TestForm(), {GroupBox(k.Box, kOnForm, 0, {8, 8, 140, 40}, "Box"),
                                Check(k.First, k.Box, 0, {8, 16, 120, 17}, words),
                                BitBtn(k.Help, kOnForm, 1, {156, 8, 75, 33}, ButtonRole::Help, "&Help")});
  RECT client{}, box{}, help{};
  std::string at96, at144, planted;
  d.Steps = {[&] {
    GetClientRect(d.Handle(), &client);
    for (auto [rect, h] : {std::pair{&box, d.Control(k.Box)}, std::pair{&help, d.Control(k.Help)}}) {
      GetWindowRect(h, rect);
      MapWindowPoints(nullptr, d.Handle(), reinterpret_cast<POINT*>(rect), 2);
    }
    at96 = FirstMisfit(d.Handle(), 96);
    ChangeScale(d.Handle(), 144);
    at144 = FirstMisfit(d.Handle(), 144);
    SetWindowTextA(d.Control(k.First), (words + words).c_str());
    planted = FirstMisfit(d.Handle(), 144);
    d.CloseWith(kResultCancel);
  }};
  d.Run();
  EXPECT_EQ(at96, "");
  EXPECT_EQ(at144, "");
  EXPECT_GT(box.right - box.left, 140);
  EXPECT_EQ(help.left - 156, box.right - box.left - 140);  // moved by what the box grew
  EXPECT_EQ(client.right - 300, box.right - box.left - 140);
  EXPECT_NE(planted.find("Button \"" + words + words + "\": "), std::string::npos) << planted;
}

TEST(DialogTest, AHandlerForANameTheTableDoesNotHoldEndsTheTestBuild) {
  ScriptedDialog d(TestForm(), KeysTable(false));
  d.OnClick(k.Ok, [] {});
  d.OnChange(k.Edit, [] {});
  // A handle declared for a row the table does not hold.
  EXPECT_EXIT(d.OnClick(BitBtnId{"OkButton"}, [] {}), ::testing::ExitedWithCode(3),
              "the dialog \"Dialog test\" binds a handler to \"OkButton\"");
  EXPECT_EXIT(d.OnExit(EditId{"Cancel"}, [] {}), ::testing::ExitedWithCode(3),
              "\"Cancel\", a name its table does not hold");
}

TEST(DialogTest, EscapeDoesNothingWithoutACancelButton) {
  ScriptedDialog d(TestForm(), KeysTable(false));
  bool stillOpen = false;
  d.Steps = {[&] { d.Key(VK_ESCAPE); }, [&] { stillOpen = IsWindowVisible(d.Handle()) != FALSE; },
             [&] { d.Key(VK_RETURN); }};
  EXPECT_EQ(d.Run(), kResultOk);
  EXPECT_TRUE(stillOpen);

  // A script that leaves the dialog open, with a message box over it: the
  // watchdog fails the test and ends both, the dialog as cancelled.
  ScriptedDialog stuck(TestForm(), KeysTable(false));
  stuck.WatchdogMs = 300;
  stuck.Steps = {[&] { stuck.Key(VK_ESCAPE); }, [&] { MessageBoxA(stuck.Handle(), "Stuck", "Dialog test", MB_OK); }};
  int result = kResultOk;
  EXPECT_NONFATAL_FAILURE(result = stuck.Run(), "is still open 300 ms after its script ended");
  EXPECT_EQ(result, kResultCancel);
}

// Every kind of control, opened and closed: nothing may stay behind.
TEST(DialogTest, NoObjectsLeftAfterAHundredOpenings) {
  const std::vector<ControlRow> table = {
      Panel("Panel", "", 0, {8, 8, 200, 80}).Ground(RGB(255, 255, 0)),
      Label("Bold", "Panel", {4, 4, 0, 0}, "Bold text").InBold().Font("Arial", -16),
      Link("Site", "Panel", {4, 40, 190, 17}, "https://orlavox.example.org/").Centred(),
      Radio("Am", "Panel", 0, {4, 58, 40, 17}, "AM"),
      Combo("Pick", "", 1, {8, 100, 120, 21}, {"one", "two", "three"}),
      RichView("View", "", 2, {140, 100, 150, 60}, "text"),
      BitBtn("Ok", "", 3, {8, 150, 75, 33}, ButtonRole::Ok, "&OK").Hint("Confirm"),
  };
  SetButtonGlyphs({16, [](HDC dc, ButtonRole, int, bool, int x, int y, int) {
                     RECT r{x, y, x + 16, y + 16};
                     FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                   }});
  auto openAndClose = [&] {
    ScriptedDialog d(TestForm(), table);
    d.Steps = {[&] { d.CloseWith(kResultOk); }};
    return d.Run();
  };
  ASSERT_EQ(openAndClose(), kResultOk);  // the first opening loads what stays loaded
  const unsigned gdi = CountGdiObjects(), user = CountUserObjects();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(openAndClose(), kResultOk);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  std::printf("dialog opened 101 times: GDI objects %u -> %u, icons and menus %u -> %u\n", gdi, CountGdiObjects(),
              user, CountUserObjects());
  SetButtonGlyphs({});
}

// Windows of other code are made aware of the system's scale only; the thread
// goes back to its own awareness after, whatever it was.
TEST(DisplayScaleWin, SystemAwareScopeGivesTheThreadItsAwarenessBack) {
  using Get = HANDLE(WINAPI*)();
  using Set = HANDLE(WINAPI*)(HANDLE);
  using Equal = BOOL(WINAPI*)(HANDLE, HANDLE);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  auto get = reinterpret_cast<Get>(reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  auto set = reinterpret_cast<Set>(reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  auto equal = reinterpret_cast<Equal>(reinterpret_cast<void*>(GetProcAddress(user32, "AreDpiAwarenessContextsEqual")));
  if (!get || !set || !equal) GTEST_SKIP() << "no awareness contexts on this system";
  const HANDLE unaware = HANDLE(-1), system = HANDLE(-2), perMonitor = HANDLE(-3), perMonitorV2 = HANDLE(-4);
  const HANDLE original = set(unaware);
  ASSERT_NE(original, nullptr);
  int tried = 0;
  for (HANDLE own : {unaware, perMonitor, perMonitorV2}) {
    if (!set(own)) continue;  // v2 is not on every system
    ++tried;
    {
      SystemAwareScope stretched;
      EXPECT_TRUE(equal(get(), system));
      EXPECT_FALSE(ThreadPerMonitorV2());
    }
    EXPECT_TRUE(equal(get(), own)) << own;
    EXPECT_EQ(ThreadPerMonitorV2(), bool(equal(own, perMonitorV2))) << own;
  }
  EXPECT_GE(tried, 2);
  set(original);
}

}  // namespace
}  // namespace orlavox::ui
