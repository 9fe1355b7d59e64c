#!/usr/bin/env bash
# Fuzzes the settings decoder with libFuzzer (clang, ASan + UBSan).
# Usage: scripts/fuzz.sh [runs]   (default 300000)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
runs=${1:-300000}
build_native build/native-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DORLAVOX_FUZZ=ON -DORLAVOX_SANITIZE=ON -DORLAVOX_TESTS=OFF -DORLAVOX_BENCHMARKS=OFF >/dev/null
build/native-fuzz/settings/settings_fuzz -runs="$runs" -seed=1 -max_len=96 2>&1 | grep -E '^Done|ERROR|SUMMARY|crash' || true
# libFuzzer exits non-zero on the first failing input.
build/native-fuzz/settings/settings_fuzz -runs=0 >/dev/null 2>&1
