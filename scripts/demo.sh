#!/usr/bin/env bash
# Builds the 32-bit Windows module and plays hostsim's default scenario
# through the real Tunecrier.dll under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/env.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" >&2
scripts/wine-prefix.sh
echo "== hostsim, default scenario, build/win32/Tunecrier.dll" >&2
cd build/win32
wine ./hostsim.exe "$@" | tr -d '\r'
