#!/usr/bin/env bash
# screenshots.sh [folder]: pictures of the clock's windows (the face, the
# alert, the settings, alarm and More options dialogs) in German, Polish and
# French at 96 DPI and in German and Polish at 144 DPI, as PNG files in the folder
# (build/screens by default), each cut to its window. Run on demand after the
# cross build (build/win32); not part of the test run.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
out=$(realpath -m "${1:-$ROOT/build/screens}")
e2e=$ROOT/build/win32/e2e/orlavox_e2e.exe
mkdir -p "$out/bmp"
rm -f "$out/bmp/places.txt"
start_xvfb
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LC_TIME LANGUAGE
wine_prefix "$ROOT/build/wineprefix-screens" fresh desktop
windows_registrations
export ORLAVOX_DIST_TEST ORLAVOX_TEST_OUTPUT ORLAVOX_E2E_SCRATCH WINEDLLOVERRIDES=riched20,winmm=n,b
ORLAVOX_DIST_TEST=$(winepath -w "$ROOT/dist-test")
ORLAVOX_TEST_OUTPUT=$(winepath -w "$out/bmp")
ORLAVOX_E2E_SCRATCH=$(winepath -w "$ROOT/build/screens-scratch")
status=0
for run in de:96 pl:96 fr:96 de:144 pl:144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${run#*:}" /f </dev/null >/dev/null 2>&1
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  ORLAVOX_SCREEN_LANG=${run%:*} wine "$e2e" --gtest_also_run_disabled_tests --gtest_filter='Screens.*' || status=1
done
while read -r name geometry; do
  convert "$out/bmp/$name.bmp" -crop "$geometry" +repage "$out/$name.png" || status=1
done <"$out/bmp/places.txt"
wineserver -k 2>/dev/null
kill "$XVFB_PID" 2>/dev/null
ls "$out"/*.png
exit $status
