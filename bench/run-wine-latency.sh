#!/usr/bin/env bash
# From Ctrl+Alt+S, and from a click on the Announce button, to the first
# sound heard, under Wine with its sound captured to files. Usage:
#   bench/run-wine-latency.sh [presses] [voice file]
# (default 20 presses of the key and as many clicks, "English (female).dll").
# Prints each press and the median and worst of each: to the first sample
# handed to the sound device (its opening; goal 10 ms) and to the first
# sample above the noise floor (the opening plus its offset in the captured
# sound; goal 45 ms). ORLAVOX_BENCH_COMPARE_TEST names the folder of another test
# build (an older dist-test, with its voice folder) to time in the same run,
# taking turns with this one. BENCH_WINEDEBUG passes a WINEDEBUG setting to
# the programs (e.g. +timestamp,+loaddll to see what a press loads).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
presses=${1:-20}
voice=${2:-English (female).dll}
cd "$ROOT"
build_win32 build/win32 >/dev/null

export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LC_TIME LANGUAGE
bench_wine "$ROOT/build/wineprefix-bench"

win() { printf 'Z:%s' "${1//\//\\}"; }
work="$ROOT/build/bench-latency"
mkdir -p "$work/scratch"
rm -f "$work"/capture.raw*
printf 'pcm.!default { type file; slave { pcm { type null } } file "%s/capture.raw"; format "raw"; truncate false }\n' \
  "$work" >"$work/capture.conf"
builds=("$(win "$ROOT/dist-test")")
[ -n "${ORLAVOX_BENCH_COMPARE_TEST:-}" ] && builds+=("$(win "$(cd "$ORLAVOX_BENCH_COMPARE_TEST" && pwd)")")

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
WINEDEBUG=${BENCH_WINEDEBUG:--all} ALSA_CONFIG_PATH="$work/capture.conf" ORLAVOX_TEST_CAPTURE="$(win "$work/capture.raw")" \
  ORLAVOX_E2E_SCRATCH="$(win "$work/scratch")" \
  wine "$ROOT/build/win32/bench/voice_latency.exe" "$presses" "$voice" "${builds[@]}" </dev/null
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
