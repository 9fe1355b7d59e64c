#include "app/clock_source.h"

namespace orlavox {
namespace {

constexpr int64_t kMinute = 600000000;  // in 100 ns steps

// The local time's distance from UTC at the moment `utc`, in 100 ns steps.
int64_t SystemZoneOffset(int64_t utc) {
  SYSTEMTIME st;
  GetLocalTime(&st);
  FILETIME local;
  if (!SystemTimeToFileTime(&st, &local)) return 0;
  const int64_t l = int64_t((uint64_t(local.dwHighDateTime) << 32) | local.dwLowDateTime);
  // Time zones lie whole minutes apart; the two reads a moment apart do not.
  const int64_t d = l - utc;
  return (d >= 0 ? d + kMinute / 2 : d - kMinute / 2) / kMinute * kMinute;
}

ZoneOffsetSource g_source = nullptr;
int64_t g_lookedUpMinute = -1;
int64_t g_offset = 0;

}  // namespace

// GetLocalTime looks up the time zone at every call. The local time's
// distance from UTC changes only at a whole minute (summer time begins or
// ends) or when the user picks another zone, which WM_TIMECHANGE tells
// (ForgetZoneOffset): it is looked up at the first read of each UTC minute
// and after a change, and added to the cheap UTC clock in between.
void ReadSystemLocalTime(SYSTEMTIME& st) {
  FILETIME utc;
  GetSystemTimeAsFileTime(&utc);
  const int64_t now = int64_t((uint64_t(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
  if (now / kMinute != g_lookedUpMinute) {
    g_offset = g_source ? g_source(now) : SystemZoneOffset(now);
    g_lookedUpMinute = now / kMinute;
  }
  const int64_t l = now + g_offset;
  const FILETIME local{DWORD(uint64_t(l) & 0xFFFFFFFFu), DWORD(uint64_t(l) >> 32)};
  if (!FileTimeToSystemTime(&local, &st)) GetLocalTime(&st);
}

void ForgetZoneOffset() { g_lookedUpMinute = -1; }

void SetZoneOffsetSource(ZoneOffsetSource source) {
  g_source = source;
  ForgetZoneOffset();
}

}  // namespace orlavox
