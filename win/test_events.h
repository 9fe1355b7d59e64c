#pragma once
// What the test build records for the end-to-end tests to read: help
// requests, web pages opened, tray updates, announcements, the due times
// handed to the wake timer. Each program links one of its two definitions
// (test_events_shipped.cpp, test_events_testbuild.cpp), after the floors
// that call it.
#include <string>

namespace orlavox {

// Test build only: with ORLAVOX_TEST_EVENTS naming a file, appends a line
// "<kind> <detail>" to it and returns true; the shell's web page opening is
// then left out. The shipped program returns false.
bool RecordTestEvent(const char* kind, const std::string& detail);

}  // namespace orlavox
