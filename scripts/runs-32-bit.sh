#!/bin/sh
# Whether this machine runs 32-bit x86 programs, as the Windows build's tests
# and the installer's check need: Wine runs a 32-bit Windows program in a
# 32-bit Linux process. A Linux kernel started with its 32-bit emulation off
# (ia32_emulation=off) runs none; that is said, and the caller skips them. Any
# other failure of Wine's 32-bit loader is a failure.
loader=/usr/lib/wine/wine
[ -x "$loader" ] || { echo "runs-32-bit.sh: $loader is missing: sh scripts/deps.sh windows" >&2; exit 2; }
status=0
why=$("$loader" --version 2>&1 >/dev/null) || status=$?
[ "$status" -eq 0 ] && exit 0
if [ "$status" -eq 126 ]; then
    echo "*** The Windows tests and the installer check are NOT run: this machine runs"
    echo "*** no 32-bit x86 program (its kernel's 32-bit emulation is off: $why)."
    exit 1
fi
echo "runs-32-bit.sh: Wine's 32-bit loader failed ($status): $why" >&2
exit 2
