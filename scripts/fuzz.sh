#!/usr/bin/env bash
# Fuzzes the decoders and the wave-file check with libFuzzer (clang, ASan + UBSan), each target for
# its number of runs; fails when one finds a failing input or does not run.
# Usage: scripts/fuzz.sh
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
# target (in build/native-fuzz)  runs    options
# The runs are shared so that the first three take the time the settings decoder
# alone once took.
wave_seeds=alarm/fuzz/seeds/pcm.wav,alarm/fuzz/seeds/data-first.wav,alarm/fuzz/seeds/adpcm.wav
alarm_seeds=alarm/fuzz/alarm-seeds/weekdays,alarm/fuzz/alarm-seeds/once
targets=(
  "settings/settings_fuzz          100000  -max_len=96"
  "speech/clip_fuzz                200000  -max_len=1024"
  "alarm/wave_file_fuzz           1300000  -max_len=256 -dict=alarm/fuzz/wave.dict -seed_inputs=$wave_seeds"
  "alarm/alarm_value_fuzz          200000  -max_len=160 -seed_inputs=$alarm_seeds"
)
build_native build/native-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DORLAVOX_FUZZ=ON -DORLAVOX_SANITIZE=ON -DORLAVOX_TESTS=OFF -DORLAVOX_BENCHMARKS=OFF >/dev/null
failed=0
log=$(mktemp)
for line in "${targets[@]}"; do
  read -r target runs options <<<"$line"
  echo "$target:"
  # shellcheck disable=SC2086
  if build/native-fuzz/"$target" -runs="$runs" -seed=1 $options -artifact_prefix=build/native-fuzz/ >"$log" 2>&1 &&
    grep -q '^Done' "$log"; then
    grep -E '^Done' "$log"
  else
    grep -E -A30 'runtime error|ERROR|SUMMARY|crash' "$log" || tail -20 "$log"
    echo "$target found a failing input or did not run" >&2
    failed=1
  fi
done
rm -f "$log"
exit "$failed"
