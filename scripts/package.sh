#!/usr/bin/env bash
# Builds the 32- and 64-bit modules and makes the release zips in dist/:
# each holds Tunecrier.dll, the README and a sample ROVIriv.ini.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
mkdir -p dist
for p in win32 win64; do
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p" -j "$(nproc)"
  (cd "build/$p" && cpack -C RelWithDebInfo -B "$PWD/../../dist" >/dev/null)
done
rm -rf dist/_CPack_Packages
ls -l dist/*.zip
