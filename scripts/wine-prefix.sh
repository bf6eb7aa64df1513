#!/usr/bin/env bash
# Makes the build's own Wine prefix once (no display: the null graphics
# driver still gives real windows; no install dialogs), then keeps one Wine
# server with its services running for the test programs. The services are
# started here, with their output on /dev/null, so that no test's output
# pipe is held open by a service that outlives the test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/env.sh"
wine64=/usr/lib/wine/wine64
stamp=$WINEPREFIX/.tunecrier-ready
mkdir -p "$(dirname "$WINEPREFIX")"
(
  # Only one maker at a time; the lock goes with this subshell, so the
  # long-lived server started below never holds it.
  flock 9
  if [[ ! -f $stamp ]]; then
    echo "wine-prefix: preparing $WINEPREFIX (once; slow where 32-bit programs run under qemu)" >&2
    wine wineboot --init </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$stamp"
  fi
) 9>"$WINEPREFIX.lock"
wineserver -p 900 </dev/null >/dev/null 2>&1 || true   # already running is fine
"$wine64" wineboot </dev/null >/dev/null 2>&1 || true
