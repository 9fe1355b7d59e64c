#include "win/registry.h"

#include "win/wide_text.h"

#include <vector>

namespace orlavox {
namespace {

const char* Relative(const std::string& path) {
  const char* p = path.c_str();
  while (*p == '\\') ++p;
  return p;
}

bool DeleteTree(HKEY parent, const char* name) {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return false;
  RegKey key(raw);
  // Delete from the end: indices stay valid while subkeys disappear.
  for (;;) {
    char sub[256];
    DWORD len = sizeof sub;
    if (RegEnumKeyExA(key.Get(), 0, sub, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    if (!DeleteTree(key.Get(), sub)) return false;
  }
  key.Reset();
  return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

}  // namespace

bool Registry::OpenKey(const std::string& path, bool create) {
  CloseKey();
  HKEY raw = nullptr;
  LONG rc;
  if (create)
    rc = RegCreateKeyExA(root_, Relative(path), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                         nullptr, &raw, nullptr);
  else
    rc = RegOpenKeyExA(root_, Relative(path), 0, KEY_ALL_ACCESS, &raw);
  if (rc != ERROR_SUCCESS) return false;
  key_.Reset(raw);
  return true;
}

bool Registry::OpenKeyReadOnly(const std::string& path) {
  CloseKey();
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root_, Relative(path), 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
  key_.Reset(raw);
  return true;
}

bool Registry::KeyExists(const std::string& path) const {
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root_, Relative(path), 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
  RegCloseKey(raw);
  return true;
}

bool Registry::ValueExists(const char* name) const {
  return key_ && RegQueryValueExA(key_.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

ReadStatus Registry::ReadString(const char* name, std::string& out) const {
  out.clear();
  if (!key_) return ReadStatus::Missing;
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExA(key_.Get(), name, nullptr, &type, nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return ReadStatus::Missing;
  if (rc != ERROR_SUCCESS || type != REG_SZ || size > kMaxStringBytes) return ReadStatus::BadData;
  std::vector<char> buf(size + 1, '\0');
  DWORD got = size;
  rc = RegQueryValueExA(key_.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return ReadStatus::BadData;
  buf[got < buf.size() ? got : buf.size() - 1] = '\0';
  out = buf.data();  // stops at the first NUL, stored or added
  return ReadStatus::Ok;
}

ReadStatus Registry::ReadUtf8String(const char* name, std::string& out) const {
  out.clear();
  if (!key_) return ReadStatus::Missing;
  const std::wstring wideName = Wide(name);
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type, nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return ReadStatus::Missing;
  const auto isString = [&] { return type == REG_SZ || type == REG_EXPAND_SZ; };
  if (rc != ERROR_SUCCESS || !isString() || size > kMaxStringBytes * sizeof(wchar_t)) return ReadStatus::BadData;
  std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
  DWORD got = size;
  rc = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got);
  if (rc != ERROR_SUCCESS || !isString()) return ReadStatus::BadData;
  buf.back() = L'\0';  // stops at the first NUL, stored or added
  if (type == REG_EXPAND_SZ) {
    const DWORD n = ExpandEnvironmentStringsW(buf.data(), nullptr, 0);
    std::vector<wchar_t> expanded(n + 1, L'\0');
    if (n == 0 || ExpandEnvironmentStringsW(buf.data(), expanded.data(), n) == 0) return ReadStatus::BadData;
    out = Utf8(expanded.data());
  } else {
    out = Utf8(buf.data());
  }
  return ReadStatus::Ok;
}

bool Registry::WriteString(const char* name, const std::string& value) {
  return key_ && RegSetValueExA(key_.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                DWORD(value.size() + 1)) == ERROR_SUCCESS;
}

bool Registry::WriteUtf8String(const char* name, const std::string& value) {
  const std::wstring wideName = Wide(name), wideValue = Wide(value);
  return key_ && RegSetValueExW(key_.Get(), wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideValue.c_str()),
                                DWORD((wideValue.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool Registry::DeleteValue(const char* name) {
  return key_ && RegDeleteValueA(key_.Get(), name) == ERROR_SUCCESS;
}

bool Registry::DeleteKey(const std::string& path) {
  std::string rel = Relative(path);
  const size_t cut = rel.find_last_of('\\');
  if (cut == std::string::npos) return DeleteTree(root_, rel.c_str());
  HKEY raw = nullptr;
  if (RegOpenKeyExA(root_, rel.substr(0, cut).c_str(), 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return false;
  RegKey parent(raw);
  return DeleteTree(parent.Get(), rel.c_str() + cut + 1);
}

}  // namespace orlavox
