#!/usr/bin/env bash
# The long run of the test build on demand: N faked hours (default 1000) at
# AnnounceInterval 1 with a logging voice, then the tally of minutes seen,
# announced, skipped and missed, and the GDI, USER and private memory figures
# from hour 10 to hour N. Usage:
#   bench/long-run.sh [hours] [speed] [tick ms]
# A faked minute must last several ticks, or the tick may step over one. The
# test build's timer runs at the given tick (default 10 ms) instead of its
# UpdateInterval; speed 1200 gives 50 ms a minute, five ticks, and 1000 hours
# take 50 minutes. With tick 100, the setting's, speed 200 gives three ticks
# a minute and 1000 hours take 5 hours.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
hours=${1:-1000}
speed=${2:-1200}
tick=${3:-10}
cd "$ROOT"
build_win32 build/win32 >/dev/null
bench_wine "$ROOT/build/wineprefix-longrun"
win() { winepath -w "$1" 2>/dev/null; }
mkdir -p build/win32/e2e/scratch
export ORLAVOX_DIST_TEST=$(win "$ROOT/dist-test") ORLAVOX_TEST_PLUGINS=$(win "$ROOT/build/win32/test-plugins")
export ORLAVOX_E2E_SCRATCH=$(win "$ROOT/build/win32/e2e/scratch") ORLAVOX_TEST_OUTPUT=$(win "$ROOT/test-output")
export ORLAVOX_LONG_RUN_HOURS=$hours ORLAVOX_LONG_RUN_SPEED=$speed ORLAVOX_TEST_TICK_MS=$tick
start=$(date +%s)
wine build/win32/e2e/orlavox_e2e.exe --gtest_filter='*LongRunE2E.*' </dev/null
echo "real time: $(( $(date +%s) - start )) s, load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
