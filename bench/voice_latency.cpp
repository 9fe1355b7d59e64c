// From the hot key, and from the Announce button, to the first sound heard,
// under Wine with its sound captured to files (ALSA's file plug-in, see
// bench/run-wine-latency.sh):
//   voice_latency [presses] [voice file] [test build folder]...
// Starts each test build (default: ORLAVOX_DIST_TEST) with the one voice,
// presses Ctrl+Alt+S [presses] times and clicks the Announce button as often,
// and times, from the key or button-up event, the first sample handed to the
// sound device and the first sample above the noise floor. The capture file
// appears when the device opens, which is when the voice hands it its
// buffer: its first sample is played from then on, and the first loud one
// its offset in the file later. (When this program reads the loud sample
// depends on how fast ALSA's null device drains; it is printed too.) The builds take turns, a quarter of the presses at a time, so that the
// machine's load falls on each alike; the first of each quarter, the first
// after the clock started, is a key press in one round and a click in the
// next. Prints every press, then the median and the worst of each build.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/capture.h"
#include "e2e/harness.h"

using namespace orlavox;
using namespace orlavox::e2e;

namespace {

double Ms(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  return double(to.QuadPart - from.QuadPart) * 1000 / double(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

struct Press {
  bool Button = false;  // the Announce button, not the hot key
  // From the key event; -1: not seen. Open: the device opened (its first
  // sample); Loud: open plus the first loud sample's offset; Seen: when it
  // was read here.
  double OpenMs = -1, LoudMs = -1, SeenMs = -1;
};

// The goals: the device has the phrase within 10 ms of the key, and its
// first word (after the lead-in of silence) sounds within 45 ms.
constexpr double kOpenGoalMs = 10, kLoudGoalMs = 45;

// The Announce button's centre on the screen (`at`), the pointer resting
// there and the left button down: the click is the button going up.
bool PrepareClick(HWND mainWindow, POINT& at) {
  HWND button = FindControl(mainWindow, "Announce the time");
  RECT r;
  if (!button || !GetWindowRect(button, &r)) return false;
  at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SetCursorPos(at.x, at.y);
  Sleep(50);
  SendMouse(MOUSEEVENTF_LEFTDOWN, at);
  Sleep(50);
  return true;
}

// The press opens the device once: its capture is the first file, watched
// with one open handle (a light poll, so as not to load Wine while it works)
// and read as it grows.
Press TimeOnePress(const std::string& firstFile, HWND mainWindow, bool button) {
  Press press;
  press.Button = button;
  POINT at{};
  if (button && !PrepareClick(mainWindow, at)) return press;
  // The focus moves to the key's window before the timing, not inside it:
  // after a click it is the clock's.
  if (!button) SettleKeyboardFocus();
  const LARGE_INTEGER start = Now();
  if (button)
    SendMouse(MOUSEEVENTF_LEFTUP, at);
  else
    SendSpeechHotKey();
  HANDLE f = INVALID_HANDLE_VALUE;
  std::string pending;  // an odd byte left from the last read
  size_t offset = 0;    // bytes of the file before pending
  for (;;) {
    if (f == INVALID_HANDLE_VALUE) {
      f = CreateFileA(firstFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
      if (f != INVALID_HANDLE_VALUE) press.OpenMs = Ms(start, Now());
    }
    char buf[65536];
    DWORD got = 0;
    while (f != INVALID_HANDLE_VALUE && ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) {
      pending.append(buf, got);
      size_t i = 0;
      for (; i + 1 < pending.size(); i += 2) {
        const int sample = int16_t(uint8_t(pending[i]) | uint8_t(pending[i + 1]) << 8);
        if (sample > kLoud || sample < -kLoud) {
          press.SeenMs = Ms(start, Now());
          press.LoudMs = press.OpenMs + (offset + i) * 1000 / kBytesPerSecond;
          CloseHandle(f);
          return press;
        }
      }
      pending.erase(0, i);
      offset += i;
    }
    if (Ms(start, Now()) > 5000) break;
    Sleep(1);
  }
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  return press;
}

// Prints median, worst and best; the median against the goal when there is one.
void Report(const std::string& build, std::vector<double> ms, const char* what, double goal = 0) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  const double limit = goal > 0 ? goal : 30;
  const auto over = std::count_if(ms.begin(), ms.end(), [&](double v) { return v > limit; });
  std::printf("%-44s %-30s median %6.1f ms, worst %6.1f ms, best %6.1f ms (%zu presses, %d over %.0f ms)%s\n",
              build.c_str(), what, median, ms.back(), ms.front(), n, int(over), limit,
              goal <= 0 ? "" : median <= goal ? "  goal met" : "  GOAL MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::max(4, std::atoi(argv[1])) : 20;
  const std::string voice = argc > 2 ? argv[2] : "English (female).dll";
  std::vector<std::string> builds;
  for (int i = 3; i < argc; ++i) builds.push_back(argv[i]);
  if (builds.empty()) builds.push_back(DistTestDir());
  const Capture capture;
  if (!capture.Configured()) {
    std::fprintf(stderr, "voice_latency: ORLAVOX_TEST_CAPTURE is not set\n");
    return 2;
  }
  const std::string firstFile = Env("ORLAVOX_TEST_CAPTURE");
  timeBeginPeriod(1);  // Sleep(1) sleeps a millisecond, not a tick

  std::vector<std::vector<Press>> results(builds.size());
  const int rounds = 4;
  for (int round = 0; round < rounds; ++round) {
    for (size_t b = 0; b < builds.size(); ++b) {
      SetEnvironmentVariableA("ORLAVOX_DIST_TEST", builds[b].c_str());
      ResetRegistry();
      WriteSettings("00000000001", "0100010001000000", "6000000000");  // framed, 100 ms ticks, hot key on
      const std::string exe = PrepareInstall("latency-" + std::to_string(b), {"shipped:" + voice});
      ClockProcess clock;
      HWND mainWindow = nullptr;
      if (!clock.Start("", exe) || !(mainWindow = clock.WaitForMainWindow(true)) ||
          clock.Probe(kProbeVoiceLoaded) != 1) {
        std::fprintf(stderr, "voice_latency: the clock of %s did not start with %s\n", builds[b].c_str(),
                     voice.c_str());
        return 1;
      }
      Sleep(1000);  // past start-up
      for (int i = 2 * round * presses / rounds; i < 2 * (round + 1) * presses / rounds; ++i) {
        capture.Clear();
        const Press p = TimeOnePress(firstFile, mainWindow, (i + round) % 2 == 1);
        std::printf("%-44s %-6s %2d: first sample handed %6.1f ms, first loud %6.1f ms (read here at %6.1f ms)\n",
                    builds[b].c_str(), p.Button ? "click" : "press", i + 1, p.OpenMs, p.LoudMs, p.SeenMs);
        results[b].push_back(p);
        WaitFor([&] { return clock.Probe(kProbeSpeechBusy) == 0; }, 15000);
        Sleep(300);
      }
      clock.Close();
    }
  }
  ResetRegistry();
  timeEndPeriod(1);

  std::printf("\nCtrl+Alt+S and the Announce button to the first sample handed to Wine's sound device (goal: "
              "median <= %.0f ms) and to the first sample above %d of 32767 (goal: median <= %.0f ms):\n",
              kOpenGoalMs, kLoud, kLoudGoalMs);
  int unheard = 0;
  for (size_t b = 0; b < builds.size(); ++b)
    for (bool button : {false, true}) {
      std::vector<double> open, sound, seen;
      size_t made = 0;
      for (const Press& p : results[b]) {
        if (p.Button != button) continue;
        ++made;
        if (p.OpenMs >= 0) open.push_back(p.OpenMs);
        if (p.LoudMs >= 0) sound.push_back(p.LoudMs);
        if (p.SeenMs >= 0) seen.push_back(p.SeenMs);
      }
      Report(builds[b], open, button ? "click to first sample handed:" : "key to first sample handed:", kOpenGoalMs);
      Report(builds[b], sound, button ? "click to first loud sample:" : "key to first loud sample:", kLoudGoalMs);
      Report(builds[b], seen, button ? "click to loud sample read:" : "key to loud sample read:");
      unheard += int(made - sound.size());
    }
  if (unheard) std::printf("%d presses were not heard within 5 s\n", unheard);
  return unheard ? 1 : 0;
}
