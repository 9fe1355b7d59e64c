#!/usr/bin/env bash
# voicecheck_test.sh <wine-run.sh> <voicecheck.exe> <shipped voice> <example voice> <test plug-in dir> <broken voice dir>
# Runs voicecheck under Wine on good and broken voices; each run must end
# with the expected exit code and print the expected phrases. Every output is
# printed.
set -uo pipefail
run=$1 exe=$2 shipped=$3 example=$4 plugins=$5 broken=$6
failures=0

win() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

# expect <exit code> <phrase>... -- <voicecheck arguments>...
expect() {
  local code=$1 phrases=() out status
  shift
  while [ "$1" != -- ]; do phrases+=("$1"); shift; done
  shift
  echo "\$ voicecheck $*"
  out=$("$run" "$exe" "$@" 2>&1)
  status=$?
  printf '%s\n' "$out" | tr -d '\r'
  if [ "$status" != "$code" ]; then
    echo "FAIL: exit code $status, expected $code"; failures=$((failures + 1))
  fi
  for phrase in "${phrases[@]}"; do
    if ! grep -qF -- "$phrase" <<<"$out"; then
      echo "FAIL: no \"$phrase\" in the output"; failures=$((failures + 1))
    fi
  done
  echo
}

# Usable voices: a shipped one, the example, a slow one (timed).
ORLAVOX_TEST_VOICE_SLEEP_MS=500 expect 0 'OK: English (male).dll can be used' 'OK: Example (tones).dll can be used' \
  'language menu shows it as "Example (tones)"' 'EBX, ESI, EDI and EBP are kept' 'Speak returned after 0.5' \
  'OK: Test (sleeping).dll can be used' -- \
  "$(win "$shipped")" "$(win "$example")" "$(win "$plugins/Test (sleeping).dll")"

# A shipped voice in a folder whose name is read through the wide command
# line only ("Français"), and a voice that ends the calling thread.
francais=$(mktemp -d)/Français
mkdir -p "$francais" && cp "$shipped" "$francais/"
expect 1 "OK: $(basename "$shipped") can be used" 'Speak ended the thread that called it (ExitThread)' \
  'NOT USABLE: Test (exit thread).dll: Speak ends the calling thread instead of returning.' -- \
  "$(win "$francais/$(basename "$shipped")")" "$(win "$plugins/Test (exit thread).dll")"
rm -rf "$(dirname "$francais")"

# The sleeping voice outlasts the time limit; the voice after it is still checked.
start=$SECONDS
ORLAVOX_TEST_VOICE_SLEEP_MS=60000 expect 1 'has not returned after 2 s: it hangs' 'NOT USABLE: Test (sleeping).dll' \
  'OK: Test (logging).dll' -- --timeout 2 "$(win "$plugins/Test (sleeping).dll")" "$(win "$plugins/Test (logging).dll")"
if [ $((SECONDS - start)) -ge 30 ]; then echo "FAIL: a hanging voice held voicecheck $((SECONDS - start)) s"; failures=$((failures + 1)); fi

# Broken voices, one after the other in one run: each gets its verdict.
expect 1 \
  'crashed after' 'with an access violation (exception 0xC0000005)' \
  'NOT USABLE: Test (access violation).dll: Speak crashes with an access violation.' \
  'NOT USABLE: Test (division by zero).dll: Speak crashes with a division by zero.' \
  'NOT USABLE: Broken (stack_overflow).dll: Speak crashes with a stack overflow.' \
  'no "Speak"; it exports Announce' 'would say "Error in Test (no Speak).DLL' \
  'NOT USABLE: Test (no Speak).dll: it does not export "Speak".' \
  'no "Speak", only "Speak@0"' 'NOT USABLE: Broken (decorated).dll' \
  'not a Windows DLL at all' 'would say "Could not load Test (not a library).DLL' \
  'NOT USABLE: Test (not a library).dll' \
  'its DllMain returned FALSE' 'NOT USABLE: Broken (dllmain).dll: it does not load.' \
  'Speak removed 4 bytes from the caller' 'NOT USABLE: Broken (pops_argument).dll: Speak breaks' \
  'Speak changes EBX and EDI and does not restore them' 'NOT USABLE: Broken (clobbers_registers).dll: Speak breaks' \
  'NOT USABLE: Missing.dll: there is no such file.' 'OK: Test (logging).dll' -- \
  "$(win "$plugins/Test (access violation).dll")" "$(win "$plugins/Test (division by zero).dll")" \
  "$(win "$broken/Broken (stack_overflow).dll")" "$(win "$plugins/Test (no Speak).dll")" \
  "$(win "$broken/Broken (decorated).dll")" "$(win "$plugins/Test (not a library).dll")" \
  "$(win "$broken/Broken (dllmain).dll")" "$(win "$broken/Broken (pops_argument).dll")" \
  "$(win "$broken/Broken (clobbers_registers).dll")" 'Z:\no\such\folder\Missing.dll' \
  "$(win "$plugins/Test (logging).dll")"

expect 2 'usage: voicecheck' --
expect 2 '--timeout takes 1 to 3600 seconds' -- --timeout x "$(win "$example")"

if [ "$failures" -ne 0 ]; then echo "$failures failures"; exit 1; fi
echo "voicecheck: every case as expected"
