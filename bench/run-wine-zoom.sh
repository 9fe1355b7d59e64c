#!/usr/bin/env bash
# Zoom steps of the clock's face under Wine on a screen at [dpi] (default
# 192): how long each took from the step to the paint that shows it, and how
# much of that drawing the face's pictures took. Usage:
#   bench/run-wine-zoom.sh [rounds] [dpi]
# Wine reads the scale when its server starts: the prefix is this script's own.
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
rounds=${1:-5}
dpi=${2:-192}
cd "$ROOT"
build_win32 build/win32 >/dev/null

export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LC_TIME LANGUAGE
bench_wine "$ROOT/build/wineprefix-zoom"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
ORLAVOX_DIST_TEST="Z:${ROOT//\//\\}\\dist-test" wine "$ROOT/build/win32/bench/zoom_step.exe" "$rounds" </dev/null
