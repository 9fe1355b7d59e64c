#pragma once
// What the test build records for the end-to-end tests to read: help
// requests, web pages opened, tray updates, announcements, the due times
// handed to the wake timer; and a slow disk. Each program links one of its
// two definitions (test_events_shipped.cpp, test_events_testbuild.cpp),
// after the floors that call it.
#include <string>

namespace orlavox {

// Test build only: with ORLAVOX_TEST_EVENTS naming a file, appends a line
// "<kind> <detail>" to it and returns true; the shell's web page opening is
// then left out. The shipped program returns false.
bool RecordTestEvent(const char* kind, const std::string& detail);

// Test build only: with ORLAVOX_TEST_SLOW_OPEN_MS naming a number of
// milliseconds, waits that long, as a slow disk or a network share would,
// before the program looks for a file it reads for itself on a worker (the
// alarm's wave file). The shipped program returns at once.
void TestSlowFileOpen();
// Test build only: false with ORLAVOX_TEST_NO_SHORT_NAMES set, as on a volume
// that keeps no 8.3 names (Wine makes one for every file); true otherwise.
bool TestShortNamesKept();

}  // namespace orlavox
