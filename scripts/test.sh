#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (under sanitizers),
# the Win32 tests and the end-to-end runs of the program under Wine + Xvfb.
# Exits non-zero when anything fails.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
bash "$ROOT/scripts/deps.sh" || exit 1
cd "$ROOT" || exit 1

passed=0 failed=0
ctest_run() {  # ctest_run <label> <build dir> [ctest args...]: runs ctest, adds up its counts
  local label=$1 dir=$2 log
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure --timeout 900 "${@:3}") 2>&1 | tee "$log"
  local line p f t
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "$label: ctest printed no summary" >&2
    failed=$((failed + 1))
  else
    f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    p=$((t - f))
    passed=$((passed + p)); failed=$((failed + f))
  fi
  rm -f "$log"
}

echo "== native: core library and unit tests (ASan + UBSan)"
if build_native build/native-asan -DCMAKE_BUILD_TYPE=Debug -DORLAVOX_SANITIZE=ON -DORLAVOX_BENCHMARKS=OFF; then
  ctest_run native build/native-asan
else
  echo "native build failed" >&2; failed=$((failed + 1))
fi

echo "== native: decoders and the wave-file check under libFuzzer"
fuzz_log=$(mktemp)
if bash "$ROOT/scripts/fuzz.sh" >"$fuzz_log" 2>&1 && grep -q '^Done' "$fuzz_log"; then
  cat "$fuzz_log"; passed=$((passed + 1))
else
  cat "$fuzz_log"; echo "fuzzing found a failing input or did not run" >&2; failed=$((failed + 1))
fi
rm -f "$fuzz_log"

echo "== win32: program, voices and tests (MinGW-w64 i686)"
if build_win32 build/win32; then
  start_xvfb || exit 1
  # The tests expect Wine's US English (formats, the first-run voice) whatever
  # the machine's own language is.
  export LANG=C.UTF-8
  unset LC_ALL LC_MESSAGES LC_TIME LANGUAGE
  wine_prefix "$ROOT/build/wineprefix-test" fresh desktop
  windows_registrations
  ctest_run win32 build/win32 -V
  # Screenshots the tests took, as PNG for people to look at.
  for f in "$ROOT"/test-output/*.bmp; do
    [ -e "$f" ] && convert "$f" "${f%.bmp}.png" && rm -f "$f" && echo "screenshot: ${f%.bmp}.png"
  done
  wineserver -k 2>/dev/null || true
  kill "$XVFB_PID" 2>/dev/null || true
else
  echo "win32 build failed" >&2; failed=$((failed + 1))
fi

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
