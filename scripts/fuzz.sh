#!/usr/bin/env bash
# Fuzzes the core's decoders with libFuzzer (clang, ASan + UBSan), one target
# after the other, each with its share of the runs.
# Usage: scripts/fuzz.sh [runs]   (default 300000, shared out as listed below)
# Exits non-zero when a target finds a failing input or does not run.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
runs=${1:-300000}
# Target (in the build), its runs per hundred of the given count (chosen so
# that the targets share the time one decoder used to take), its longest
# input, further libFuzzer arguments.
wave_seeds=alarm/fuzz/seeds/pcm.wav,alarm/fuzz/seeds/data-first.wav,alarm/fuzz/seeds/adpcm.wav
targets=(
  "settings/settings_fuzz 50 96"
  "alarm/wave_file_fuzz 650 256 -dict=alarm/fuzz/wave.dict -seed_inputs=$wave_seeds"
)
build_native build/native-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DORLAVOX_FUZZ=ON -DORLAVOX_SANITIZE=ON -DORLAVOX_TESTS=OFF -DORLAVOX_BENCHMARKS=OFF >/dev/null
failed=0
for t in "${targets[@]}"; do
  read -r target share max_len args <<<"$t"
  log=$(mktemp)
  # shellcheck disable=SC2086
  if build/native-fuzz/$target -runs=$((runs * share / 100)) -seed=1 -max_len="$max_len" $args >"$log" 2>&1; then
    echo "$(grep -E '^Done' "$log") ($target)"
  else
    grep -E 'ERROR|SUMMARY|crash|Test unit written' "$log" | sed "s|^|$target: |"
    echo "$target: found a failing input or did not run" >&2
    failed=1
  fi
  rm -f "$log"
done
exit "$failed"
