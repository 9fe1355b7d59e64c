// What a Windows user's installation shows from outside: the program's
// version as Windows reads it and its manifest.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace orlavox::e2e {
namespace {

std::string VersionString(const std::vector<char>& info, const char* name) {
  char* value = nullptr;
  UINT size = 0;
  const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size) || !value) return "";
  return value;
}

TEST(PackageE2E, VersionAndManifestAsWindowsReadsThem) {
  for (const std::string& relative : {DistTestDir() + "..\\dist\\Orlavox.exe", DistTestDir() + "Orlavox.exe"}) {
    char full[MAX_PATH] = "";
    GetFullPathNameA(relative.c_str(), sizeof full, full, nullptr);
    const std::string exe = full;
    SCOPED_TRACE(exe);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT n = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &n));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020005u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020005u);
    EXPECT_EQ(VersionString(info, "FileVersion"), "2.5");
    EXPECT_EQ(VersionString(info, "ProductVersion"), "2.5");
    EXPECT_EQ(VersionString(info, "ProductName"), "Multilingual Orlavox");
    EXPECT_NE(VersionString(info, "LegalCopyright"), "");

    HMODULE m = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(m);
    HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(r);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(m, r))), SizeofResource(m, r));
    FreeLibrary(m);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);  // Windows 10 and 11
  }
}

// Without a mouse: Shift+F10 on the clock opens its menu, where every command is.
TEST(PackageE2E, MenuFromTheKeyboard) {
  ResetRegistry();
  WriteSettings("00000000000", "0312034201000000", "6000000000");
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND main = p.WaitForMainWindow(true);
  ASSERT_TRUE(main);
  auto menuShown = [] {
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32768", nullptr)) != nullptr;)
      if (IsWindowVisible(w)) return true;
    return false;
  };
  ASSERT_FALSE(menuShown());
  PressKeys(main, {VK_SHIFT, VK_F10});
  EXPECT_TRUE(WaitFor(menuShown, 5000));
  PressKeys(nullptr, {VK_ESCAPE});
  EXPECT_TRUE(WaitFor([&] { return !menuShown(); }, 5000));
  EXPECT_TRUE(p.Close());
  ResetRegistry();
}

}  // namespace
}  // namespace orlavox::e2e
