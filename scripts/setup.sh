#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root; run as
# anyone else it prints the command to run first. Also lets 32-bit programs
# (Wine's 32-bit loader) run on a kernel that refuses them natively.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev mingw-w64 wine wine64 wine32:i386
          clang libclang-rt-14-dev libbenchmark-dev zip unzip
          qemu-user-static binfmt-support)

missing=()
dpkg --print-foreign-architectures 2>/dev/null | grep -qx i386 || missing+=("i386-architecture")
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  cmd="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${packages[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing: ${missing[*]}" >&2
    echo "Run this as root first:" >&2
    echo "  $cmd" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}" >&2
  bash -c "$cmd" >/tmp/tunecrier-setup.log 2>&1 || { tail -n 30 /tmp/tunecrier-setup.log >&2; exit 1; }
fi

# Some kernels run no 32-bit programs (IA-32 emulation off). Wine's 32-bit
# loader then runs under qemu's user-mode emulator, through binfmt_misc.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  if [[ $(id -u) -ne 0 ]]; then
    echo "This kernel runs no 32-bit programs; as root, register qemu-i386 with binfmt_misc (scripts/setup.sh does it)." >&2
    exit 1
  fi
  [[ -e /proc/sys/fs/binfmt_misc/register ]] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [[ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > /proc/sys/fs/binfmt_misc/register
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "setup: 32-bit programs still do not run" >&2; exit 1; }
  echo "setup: 32-bit programs run through qemu-i386 (slow start, about a minute per Wine process)" >&2
fi
