#!/usr/bin/env bash
# Whole-process CPU and memory of the clock under Wine, side by side with the
# bare timer window, over the same span. Usage:
#   bench/run-wine-cpu.sh [seconds] [update interval ms] [start-up rounds]
# First the time from launch to a visible window of each program (the clock
# shows its window at its first tick), each started alone and closed again,
# the programs taking turns, [start-up rounds] times (default 5): median and
# worst. Then all of them run together for [seconds] (default 60; idle CPU
# under Wine is noisy, give it 120 or more) and it prints the CPU ms of each,
# the ratio to the bare window and RssAnon (private memory) at the end.
# Beside them, in the same span, the same bare window ticking once a second
# and the clock started in the tray (no window: no start-up time), each with
# its ratio to that once-a-second window too.
# ORLAVOX_BENCH_FLAGS sets the clock's flag string (1 = start in the tray).
# ORLAVOX_BENCH_COMPARE names another build of the clock (an older
# Orlavox.exe) to measure in the same run, with the voices beside it (or,
# when it has none, this build's).
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
span=${1:-60}
interval=${2:-100}
rounds=${3:-5}
cd "$ROOT"
build_win32 build/win32 >/dev/null
baseline="$ROOT/build/win32/bench/baseline_timer.exe"

bench_wine "$ROOT/build/wineprefix-bench"

# The clock in its settings for the measurement: big framed display, the given interval.
printf -v lnum '01000100%04d0000' "$interval"
flags=${ORLAVOX_BENCH_FLAGS:-00000000000}
settings() {
  wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v BinSettings /d "${1:-$flags}" /f </dev/null >/dev/null
  wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v LNumSettings /d "$lnum" /f </dev/null >/dev/null
  wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v SNumSettings /d 6000000000 /f </dev/null >/dev/null
  wine reg add 'HKCU\Software\Brenvik\Orlavox Lite' /v CurrentVer /d 2.5 /f </dev/null >/dev/null
}
settings

# The programs: name, window class (none: no start-up time), command. The
# other clocks run from folders of their own, with their voices; each program
# has a file name of its own, by which its process is found.
tray="$ROOT/build/bench-tray"
mkdir -p "$tray"
cp "$baseline" "$tray/bare_1s.exe"
cp "$ROOT/dist/Orlavox.exe" "$tray/TrayClock.exe"
ln -sfn "$ROOT/dist/voice" "$tray/voice"
names=(baseline clock bare-1s tray) classes=(BaselineTimer OrlavoxMainForm "" "")
commands=("$baseline $interval" "$ROOT/dist/Orlavox.exe" "$tray/bare_1s.exe 1000" "$tray/TrayClock.exe")
if [ -n "${ORLAVOX_BENCH_COMPARE:-}" ]; then
  other="$ROOT/build/bench-compare"
  mkdir -p "$other"
  cp "$ORLAVOX_BENCH_COMPARE" "$other/OtherClock.exe"
  voices="$(cd "$(dirname "$ORLAVOX_BENCH_COMPARE")" && pwd)/voice"
  [ -d "$voices" ] || voices="$ROOT/dist/voice"
  ln -sfn "$voices" "$other/voice"
  names+=(compared) classes+=(OrlavoxMainForm) commands+=("$other/OtherClock.exe")
fi

driver="$ROOT/build/win32/e2e/orlavox_driver.exe"
# Start-up: the driver waits first, the program is launched, the driver ends
# when the window is visible; then the driver closes it again and waits for
# the end. Every program measured the same way.
startup_ms() {  # startup_ms <window class> <command>
  local cls=$1 t0 t1
  # Neither may hold the output of $(...) open: they outlive it.
  wine "$driver" wait 30 "$cls" </dev/null >/dev/null 2>&1 & local waiter=$!
  sleep 2
  t0=$(date +%s%N)
  # shellcheck disable=SC2086
  wine $2 </dev/null >/dev/null 2>&1 &
  wait "$waiter"
  t1=$(date +%s%N)
  wine "$driver" close 30 "$cls" </dev/null >/dev/null 2>&1 || true
  sleep 1
  echo $(( (t1 - t0) / 1000000 ))
}
median_worst() { sort -n | awk '{v[NR] = $1} END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "median %d ms, worst %d ms", m, v[NR] }'; }
declare -A starts=()
for _ in $(seq 1 "$rounds"); do
  for i in "${!names[@]}"; do
    [ -n "${classes[$i]}" ] && starts[$i]+="$(startup_ms "${classes[$i]}" "${commands[$i]}") "
  done
done
settings  # the clocks saved theirs on closing

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
rss() { awk '/RssAnon/ {print $2}' "/proc/$1/status"; }

declare -a pids=() c0=() c1=()
# The clock in the tray first: it reads its settings as it starts, and only
# once it has read them are they put back for the others.
order=("${!names[@]}")
order=("${order[@]:3}" "${order[@]:0:3}")
for i in "${order[@]}"; do
  [ "${names[$i]}" = tray ] && settings "1${flags:1}"
  # shellcheck disable=SC2086
  wine ${commands[$i]} </dev/null >/dev/null 2>&1 &
  pids[$i]=$(pid_of "$(basename "${commands[$i]%% *}")")
  [ "${names[$i]}" = tray ] && { sleep 10; settings; }
done
sleep 5  # past start-up
load0=$(cut -d' ' -f1-3 /proc/loadavg)
for i in "${!names[@]}"; do c0[$i]=$(cpu_ns "${pids[$i]}"); done
sleep "$span"
for i in "${!names[@]}"; do c1[$i]=$(cpu_ns "${pids[$i]}"); done
base_ms=$(( (c1[0] - c0[0]) / 1000000 )) second_ms=$(( (c1[2] - c0[2]) / 1000000 ))

echo "span ${span}s, UpdateInterval ${interval} ms, load before: $load0, after: $(cut -d' ' -f1-3 /proc/loadavg)"
for i in "${!names[@]}"; do
  ms=$(( (c1[i] - c0[i]) / 1000000 ))
  printf '%-9s start-up %s; %5d ms CPU (%s), RssAnon %s kB (%+d kB)\n' "${names[$i]}:" \
    "$( [ -n "${classes[$i]}" ] && tr ' ' '\n' <<<"${starts[$i]}" | grep . | median_worst || echo -)" "$ms" \
    "$(awk -v c="$ms" -v b="$base_ms" -v s="$second_ms" 'BEGIN { printf (b > 0 ? "%.2f x baseline" : "-"), c / b;
                                                              printf (s > 0 ? ", %.2f x bare-1s" : ""), c / s }')" \
    "$(rss "${pids[$i]}")" $(( $(rss "${pids[$i]}") - $(rss "${pids[0]}") ))
done
[ -n "${ORLAVOX_BENCH_COMPARE:-}" ] && echo "compared: $ORLAVOX_BENCH_COMPARE"
exit 0
