#pragma once
// What differs between the shipped program and its test build: the clock it
// reads (clock_source.h) and a probe through which the end-to-end tests read
// the running program's state. seams_shipped.cpp and seams_testbuild.cpp each
// define these, in a library of their own; each program links one of them
// (cmake/Floors.cmake), as it links the seams of the floors below: the event
// record (win/test_events.h) and the dialogs' unknown names (ui/dialog.h).
#include <windows.h>

#include <optional>
#include <string>

#include "app/fake_clock.h"
#include "win/test_events.h"

namespace orlavox {

class TMainForm;

// The probe message: wParam is a ProbeQuery, the result its value. The shipped
// program does not answer it.
inline constexpr UINT kProbeMessage = WM_APP + 0x100;

bool HandleTestProbe(TMainForm& form, WPARAM query, LRESULT& result);

// Test build only, before anything else runs: with ORLAVOX_TEST_NO_HELP_CONTROL
// set, the program sees an empty registry of classes (a key of its own stands
// in for it), as on a machine without the HTML Help control; with
// ORLAVOX_TEST_HELP_CONTROL_SZ set, one holding only the control's
// registration, that path as a plain REG_SZ.
void PrepareTestProcess();

// Test build only: restart the clock at a given moment and rate (rate 0: the
// system's clock again).
void SetTestClock(const TestClockSetting& setting);

// Test build only, with ORLAVOX_TEST_REFUSE_CLOSE set: WM_CLOSE does nothing,
// as for a clock started as administrator, which the installer's request
// (sent with the user's rights) does not reach.
bool RefusesClose();

// The period of the clock's timer. The test build takes ORLAVOX_TEST_TICK_MS
// (10 or more) instead of the setting, so that a long run at a fast clock can
// pass its faked minutes quicker; the shipped program returns the setting.
UINT TimerPeriod(UINT updateInterval);
// Milliseconds of the clock in a real one: 1, but for the test build's fast clock.
uint32_t ClockRate();

// What the test build supplies in place of Windows' answer; the shipped
// program supplies nothing. ORLAVOX_TEST_MODERN_STANDBY = 1 or 0: whether the
// computer sleeps in modern standby (where no wake timer wakes it).
// ORLAVOX_TEST_NOTIFICATION_STATE = n: the state SHQueryUserNotificationState
// reports (Wine always reports 5, "accepts notifications"); the window in
// front is still read from the real windows.
std::optional<bool> SuppliedModernStandby();
std::optional<int> SuppliedNotificationState();

}  // namespace orlavox
