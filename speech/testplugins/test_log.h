#pragma once
// The test plug-ins' log: one line an event, appended to the file named by
// ORLAVOX_TEST_VOICE_LOG ("<event> thread=<id>"). Nothing is written when
// the variable is not set.
#include <windows.h>

#include <cstdio>

namespace orlavox {

inline void AppendTestLog(const char* event) {
  char path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", path, sizeof path);
  if (n == 0 || n >= sizeof path) return;
  char line[64];
  const int length = std::snprintf(line, sizeof line, "%s thread=%lu\n", event, GetCurrentThreadId());
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written;
  WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
  CloseHandle(file);
}

}  // namespace orlavox
