#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time (seconds, default 20) under
# AddressSanitizer and UndefinedBehaviorSanitizer, starting from the seeds in
# tests/fuzz/corpus. A finding fails the run and leaves its input in
# build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null
mkdir -p build/fuzz/findings
status=0
for target in title auto_enable ini command; do
  work=build/fuzz/corpus-$target
  mkdir -p "$work"
  if build/fuzz/fuzz_$target "$work" "tests/fuzz/corpus/$target" -max_total_time="$seconds" \
       -artifact_prefix=build/fuzz/findings/$target- -print_final_stats=0 >build/fuzz/$target.log 2>&1; then
    echo "fuzz $target: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' build/fuzz/$target.log | tail -n 1), no finding"
  else
    echo "fuzz $target: FINDING (see build/fuzz/$target.log)"
    tail -n 30 build/fuzz/$target.log
    status=1
  fi
done
exit $status
