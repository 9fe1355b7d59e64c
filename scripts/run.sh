#!/usr/bin/env bash
# Builds the clock and runs it under Wine: on $DISPLAY when there is one,
# otherwise on a virtual display, where it saves a screenshot once the window
# is up and prints its path. Runs until interrupted.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bash "$ROOT/scripts/deps.sh"
cd "$ROOT"
build_win32 build/win32 >/dev/null
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  # A clock left from an earlier run would still be tied to its old display.
  WINEPREFIX="$ROOT/build/wineprefix-run" wineserver -k 2>/dev/null || true
  # The user's own prefix (settings survive from one run to the next), in a
  # Wine desktop that draws frames, a taskbar and the tray.
  wine_prefix "$ROOT/build/wineprefix-run" "" desktop
  trap 'wineserver -k 2>/dev/null; kill $XVFB_PID 2>/dev/null' EXIT
  wine "$ROOT/dist/Orlavox.exe" </dev/null &
  app=$!
  wine "$ROOT/build/win32/e2e/orlavox_driver.exe" wait 60 </dev/null || echo "The clock's window did not show up." >&2
  sleep 1.5   # let the first ticks draw the face
  mkdir -p "$ROOT/test-output"
  shot="$ROOT/test-output/orlavox-$(date +%Y%m%d-%H%M%S).png"
  import -window root "$shot"
  echo "Screenshot: $shot"
  echo "The clock runs on the virtual display $DISPLAY; press Ctrl+C to stop it."
  wait "$app"
else
  wine_prefix "$ROOT/build/wineprefix-run"
  exec wine "$ROOT/dist/Orlavox.exe"
fi
