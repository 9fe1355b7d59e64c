#!/usr/bin/env bash
# Builds the clock and runs it under Wine: on $DISPLAY when there is one,
# otherwise on a virtual display, where it saves a screenshot once the window
# is up and prints its path. Runs until interrupted.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bash "$ROOT/scripts/deps.sh"
cd "$ROOT"
build_win32 build/win32 >/dev/null
# The user's own prefix: settings survive from one run to the next.
wine_prefix "$ROOT/build/wineprefix-run"

if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap 'wineserver -k 2>/dev/null; kill $XVFB_PID 2>/dev/null' EXIT
  wine "$ROOT/dist/Orlavox.exe" &
  app=$!
  for _ in $(seq 1 200); do
    if xdotool search --onlyvisible --name 'Orlavox' >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  sleep 1.5   # let the first ticks draw the face
  mkdir -p "$ROOT/test-output"
  shot="$ROOT/test-output/orlavox-$(date +%Y%m%d-%H%M%S).png"
  import -window root "$shot"
  echo "Screenshot: $shot"
  echo "The clock runs on the virtual display $DISPLAY; press Ctrl+C to stop it."
  wait "$app"
else
  exec wine "$ROOT/dist/Orlavox.exe"
fi
