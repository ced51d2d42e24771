#!/bin/sh
# What can be told of the Windows build without running it: the program is a
# 32-bit x86 Windows program carrying its icon and its version information, and
# the arithmetic of the core rounds every step to double (SSE2), never through
# the x87 unit's 80-bit registers.
# Usage: sh scripts/check-windows-build.sh BUILD
set -eu
build=$1
exe=$build/plicanza.exe
fail() { echo "windows build: $*" >&2; exit 1; }
objdump=i686-w64-mingw32-objdump

$objdump -f "$exe" | grep -q "file format pei-i386" || fail "plicanza.exe is not a 32-bit x86 program"
resources=$($objdump -p "$exe" | sed -n '/The .rsrc Resource Directory section/,$p')
# The resource types at the top of the tree: icon, icon group, version.
types=$(printf '%s\n' "$resources" |
    sed -n 's/^[0-9a-f]*   Entry: ID: 0x0000\([0-9a-f]*\),.*/\1/p')
for type in 03 0e 10; do
    printf '%s\n' "$types" | grep -qx "$type" || fail "plicanza.exe lacks its resources of type 0x$type"
done
# In Italian.
printf '%s\n' "$resources" | grep -q "Entry: ID: 0x000410," || fail "plicanza.exe's resources are not Italian"
texts=$(strings -el "$exe")
for text in ProductName Plicanza FileVersion ProductVersion FileDescription \
    "Controllo compensi plicanza inserti"; do
    printf '%s\n' "$texts" | grep -qx "$text" || fail "plicanza.exe's version information lacks \"$text\""
done

# x87 arithmetic (loads and stores, which carry doubles in and out of calls,
# change no value).
x87=$($objdump -d "$build/core/libedicola_core.a" |
    grep -E '[[:space:]]f(i?add|i?sub|i?subr|i?mul|i?div|i?divr|sqrt|prem1?|scale)p?[[:space:]]' || true)
[ -z "$x87" ] || { printf '%s\n' "$x87" | head -n 5 >&2; fail "the core computes on the x87 unit"; }
echo "windows build: 32-bit, icon and version information, SSE2 arithmetic: ok"
