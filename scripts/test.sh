#!/usr/bin/env bash
# Builds every preset and runs every test: native, native with sanitizers,
# the Windows DLLs (32 and 64 bit) under Wine, and each fuzz target for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/env.sh

presets=(native native-asan win32 win64)
for p in "${presets[@]}"; do
  echo "== build $p"
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p" -j "$(nproc)"
done

scripts/wine-prefix.sh   # the prefix, and one Wine server for the whole run

status=0
for p in "${presets[@]}"; do
  echo "== test $p"
  ctest --preset "$p" || status=1
done
wineserver -k 2>/dev/null || true

echo "== fuzz"
scripts/fuzz.sh 20 || status=1
exit $status
