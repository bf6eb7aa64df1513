#!/usr/bin/env bash
# Makes the build's own Wine prefix once: no display (the null graphics
# driver still gives real windows), no install dialogs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
stamp=$WINEPREFIX/.tunecrier-ready
[[ -f $stamp ]] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[[ -f $stamp ]] && exit 0
echo "wine-prefix: preparing $WINEPREFIX (once)" >&2
wine wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w
touch "$stamp"
