#!/bin/sh
# The build scripts' own safeguards, on any Unix system: a Wine prefix that is
# not the project's is never emptied, and a MinGW runtime DLL the compiler does
# not know is still found in the target's lib folder.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passes=0
failures=0
check() { # WHAT CONDITION...
    what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passes=$((passes + 1))
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

# A developer's own prefix, named by mistake.
mine=$scratch/.wine
mkdir -p "$mine/drive_c"
echo keep >"$mine/system.reg"
if EDICOLA_WINEPREFIX=$mine sh "$top/scripts/wine-run.sh" nothing.exe 2>"$scratch/err"; then
    refused=no
else
    refused=yes
fi
check "wine-run.sh refuses a prefix not its own" [ "$refused" = yes ]
check "and says why" grep -q "no prefix of this project's" "$scratch/err"
check "and leaves it whole" [ -f "$mine/system.reg" ]

# A compiler that does not know the DLL answers with its bare name.
mkdir -p "$scratch/root/lib"
touch "$scratch/root/lib/libwinpthread-1.dll"
cat >"$scratch/lookup.cmake" <<END
include($top/packaging/windows/mingw-runtime.cmake)
edicola_mingw_runtime(found "${CMAKE_COMMAND:-cmake};-E;echo" "$scratch/root" libwinpthread-1.dll)
message("\${found}")
END
found=$(cmake -P "$scratch/lookup.cmake" 2>&1) || true
check "the MinGW runtime found in the target's lib folder" \
    [ "$found" = "$scratch/root/lib/libwinpthread-1.dll" ]

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
