#pragma once
// The program keeps text in UTF-8 and speaks to Windows in UTF-16, so that a
// path the ANSI code page cannot spell (a Japanese folder on a German system)
// still works.
#include <windows.h>

#include <string>

namespace orlavox {

inline std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring out(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
  return out;
}

inline std::string Utf8(const wchar_t* text, int length = -1) {
  if (length < 0) length = int(wcslen(text));
  if (length == 0) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace orlavox
