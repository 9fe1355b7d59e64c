#!/usr/bin/env bash
# display_scale.sh <orlavox_e2e.exe>: the display-scale end-to-end tests at
# 120, 144 and 192 DPI, after the dialogs at 96 (the widths of their text
# there are what the other scales are measured against). Wine reads the scale
# (LogPixels) when its server starts, so each scale gets a server of its own,
# one after another in one prefix, as a user who changes the scale has it. The
# scale is set in a prefix of this script's own, never in the one it was
# started from.
set -uo pipefail
e2e=$1
source "$(dirname "$0")/../scripts/lib.sh"
own="$ROOT/build/wineprefix-scale"
wine_prefix "$own" fresh desktop
key='HKCU\Control Panel\Desktop'
status=0
for dpi in 96 120 144 192; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  echo "== $dpi DPI"
  tests='ScaleE2E.*'
  [ "$dpi" = 96 ] && tests='ScaleE2E.ShapesDialogsAndSharpDigits'
  wine "$e2e" --gtest_filter="$tests" || status=1
done
wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
rm -rf "$own"
exit $status
