// The test build's event record: one line an event in the file that
// ORLAVOX_TEST_EVENTS names; a slow disk; volumes without short names.
#include <windows.h>

#include <cstdlib>

#include "win/test_events.h"

namespace orlavox {

bool RecordTestEvent(const char* kind, const std::string& detail) {
  char path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", path, sizeof path);
  if (n == 0 || n >= sizeof path) return false;
  HANDLE f = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  const std::string line = std::string(kind) + " " + detail + "\r\n";
  DWORD written = 0;
  WriteFile(f, line.data(), DWORD(line.size()), &written, nullptr);
  CloseHandle(f);
  return true;
}

void TestSlowFileOpen() {
  char text[16];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_SLOW_OPEN_MS", text, sizeof text);
  if (n > 0 && n < sizeof text) Sleep(DWORD(std::strtoul(text, nullptr, 10)));
}

bool TestShortNamesKept() { return GetEnvironmentVariableA("ORLAVOX_TEST_NO_SHORT_NAMES", nullptr, 0) == 0; }

}  // namespace orlavox
