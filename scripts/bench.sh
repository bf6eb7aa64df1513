#!/usr/bin/env bash
# Measures what the module costs its host and prints the figures: natively
# with Google Benchmark, and the refresh against a full window pass in the
# 32- and 64-bit DLL builds under Wine. Fails when a refresh costs more than
# 0.6 of the full pass.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/env.sh

cmake --preset native >/dev/null
cmake --build --preset native --target bench_native -j "$(nproc)" >/dev/null
for p in win32 win64; do
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p" --target bench_probe Tunecrier -j "$(nproc)" >/dev/null
done
scripts/wine-prefix.sh

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(uname -sr)"
echo
echo "Native (Google Benchmark):"
build/native/bench_native --benchmark_min_time=0.2 2>/dev/null | sed -n '/^Benchmark/,$p'
status=0
for p in win32 win64; do
  echo
  how="native speed"
  [[ $p == win32 && -e /proc/sys/fs/binfmt_misc/qemu-i386 ]] && how="32-bit code emulated by qemu-i386: absolute times are inflated, the ratio still holds"
  echo "$p DLL under Wine ($how):"
  echo "| measure | value |"
  echo "|---|---|"
  (cd "build/$p" && "$( [[ $p == win32 ]] && echo wine || echo /usr/lib/wine/wine64 )" ./bench_probe.exe </dev/null | tr -d '\r') || status=1
done
exit $status
