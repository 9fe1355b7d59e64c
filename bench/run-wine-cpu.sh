#!/usr/bin/env bash
# Whole-process CPU and memory of the clock under Wine, side by side with the
# bare timer window, over the same span. Usage:
#   bench/run-wine-cpu.sh [seconds] [update interval ms]
# Prints CPU ms of each, the ratio clock/baseline, and RssAnon; first, the
# time from launch to a visible window of each (the clock shows its window at
# its first tick, one update interval after start-up).
# ORLAVOX_BENCH_FLAGS sets the clock's flag string (1 = start in the tray).
# ORLAVOX_BENCH_COMPARE names another build of the clock (an older
# Orlavox.exe) to measure in the same run, with the voices beside it (or,
# when it has none, this build's).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
span=${1:-60}
interval=${2:-100}
cd "$ROOT"
build_win32 build/win32 >/dev/null
baseline="$ROOT/build/win32/bench/baseline_timer.exe"

started_xvfb=
if [ -z "${DISPLAY:-}" ]; then start_xvfb; started_xvfb=1; fi
wine_prefix "$ROOT/build/wineprefix-bench" "" desktop
cleanup() { wineserver -k 2>/dev/null || true; [ -n "$started_xvfb" ] && kill "$XVFB_PID" 2>/dev/null || true; }
trap cleanup EXIT

# The clock in its settings for the measurement: big framed display, the given interval.
printf -v lnum '01000100%04d0000' "$interval"
wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v BinSettings /d "${ORLAVOX_BENCH_FLAGS:-00000000000}" /f </dev/null >/dev/null
wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v LNumSettings /d "$lnum" /f </dev/null >/dev/null
wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v SNumSettings /d 6000000000 /f </dev/null >/dev/null
wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v CurrentVer /d 2.5 /f </dev/null >/dev/null

driver="$ROOT/build/win32/e2e/orlavox_driver.exe"
# Start-up: the driver waits first, the program is launched, the driver ends
# when the window is visible. Both measured the same way, the baseline first.
startup_ms() {  # startup_ms <window class> <program> [args]
  local cls=$1; shift
  # Neither may hold the output of $(...) open: they outlive it.
  wine "$driver" wait 30 "$cls" </dev/null >/dev/null 2>&1 & local waiter=$!
  sleep 2
  local t0 t1
  t0=$(date +%s%N)
  wine "$@" </dev/null >/dev/null 2>&1 &
  wait "$waiter"
  t1=$(date +%s%N)
  echo $(( (t1 - t0) / 1000000 ))
}
base_start=$(startup_ms BaselineTimer "$baseline" "$interval")
clock_start=$(startup_ms OrlavoxMainForm "$ROOT/dist/Orlavox.exe")

pid_of() {  # the Wine process whose command line names the exe
  local name=$1 p
  for _ in $(seq 1 100); do
    p=$(pgrep -f "$name" | while read -r q; do
          if tr '\0' ' ' <"/proc/$q/cmdline" 2>/dev/null | grep -qi "$name" &&
             grep -q "WINEPREFIX=$WINEPREFIX" "/proc/$q/environ" 2>/dev/null; then echo "$q"; fi
        done | tail -n 1)
    [ -n "$p" ] && { echo "$p"; return; }
    sleep 0.1
  done
}
cpu_ns() { local s=0 v; for f in /proc/"$1"/task/*/schedstat; do read -r v _ <"$f" && s=$((s + v)); done; echo "$s"; }

clock_pid=$(pid_of 'Orlavox.exe')
base_pid=$(pid_of 'baseline_timer.exe')
other_pid=
if [ -n "${ORLAVOX_BENCH_COMPARE:-}" ]; then
  other="$ROOT/build/bench-compare"
  mkdir -p "$other"
  cp "$ORLAVOX_BENCH_COMPARE" "$other/OtherClock.exe"
  # Its own voices when it has them beside it, else this build's.
  voices="$(cd "$(dirname "$ORLAVOX_BENCH_COMPARE")" && pwd)/voice"
  [ -d "$voices" ] || voices="$ROOT/dist/voice"
  ln -sfn "$voices" "$other/voice"
  wine "$other/OtherClock.exe" </dev/null >/dev/null 2>&1 &
  other_pid=$(pid_of 'OtherClock.exe')
fi
sleep 5  # past start-up
load0=$(cut -d' ' -f1-3 /proc/loadavg)
c0=$(cpu_ns "$clock_pid"); b0=$(cpu_ns "$base_pid"); [ -n "$other_pid" ] && o0=$(cpu_ns "$other_pid")
sleep "$span"
c1=$(cpu_ns "$clock_pid"); b1=$(cpu_ns "$base_pid"); [ -n "$other_pid" ] && o1=$(cpu_ns "$other_pid")
rss() { awk '/RssAnon/ {print $2}' "/proc/$1/status"; }
clock_ms=$(( (c1 - c0) / 1000000 )); base_ms=$(( (b1 - b0) / 1000000 ))
echo "span ${span}s, UpdateInterval ${interval} ms, load before: $load0"
echo "start-up to a visible window: clock ${clock_start} ms, baseline ${base_start} ms"
echo "clock:    ${clock_ms} ms CPU, RssAnon $(rss "$clock_pid") kB"
echo "baseline: ${base_ms} ms CPU, RssAnon $(rss "$base_pid") kB"
awk -v c="$clock_ms" -v b="$base_ms" 'BEGIN { if (b > 0) printf "ratio clock/baseline: %.2f\n", c / b }'
if [ -n "$other_pid" ]; then
  other_ms=$(( (o1 - o0) / 1000000 ))
  echo "compared: ${other_ms} ms CPU, RssAnon $(rss "$other_pid") kB ($ORLAVOX_BENCH_COMPARE)"
  awk -v c="$other_ms" -v b="$base_ms" 'BEGIN { if (b > 0) printf "ratio compared/baseline: %.2f\n", c / b }'
fi
