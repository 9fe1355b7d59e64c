#pragma once
// A small registry wrapper: one root, at most one open key at a time.
// Paths are taken from the root and may begin with a backslash.
#include <windows.h>

#include <string>

#include "win/unique_handle.h"

namespace orlavox {

struct RegCloseKeyFree {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
// An open registry key; closes itself.
using RegKey = UniqueHandle<HKEY, RegCloseKeyFree>;

enum class ReadStatus { Ok, Missing, BadData };

class Registry {
 public:
  // Strings longer than this (in characters, through the wide calls) are not
  // settings: they read as bad data.
  static constexpr DWORD kMaxStringBytes = 32768;

  explicit Registry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

  bool OpenKey(const std::string& path, bool create);
  // Opens a key only to read it (keys of the machine a user may not change).
  bool OpenKeyReadOnly(const std::string& path);
  void CloseKey() { key_.Reset(); }
  bool KeyExists(const std::string& path) const;
  bool ValueExists(const char* name) const;
  // A missing value reads as "" (Missing); a value of another type, or a
  // string too large, reads as "" (BadData).
  ReadStatus ReadString(const char* name, std::string& out) const;
  // The same through the wide API, as UTF-8: a path in any script. A
  // REG_EXPAND_SZ value (how Windows stores paths such as
  // "%SystemRoot%\System32\hhctrl.ocx") comes with its environment strings
  // expanded.
  ReadStatus ReadUtf8String(const char* name, std::string& out) const;
  bool WriteString(const char* name, const std::string& value);
  // A UTF-8 text stored as UTF-16: a path in any script.
  bool WriteUtf8String(const char* name, const std::string& value);
  bool DeleteValue(const char* name);
  // Deletes the key with all its subkeys and values.
  bool DeleteKey(const std::string& path);

 private:
  HKEY root_;
  RegKey key_;
};

}  // namespace orlavox
