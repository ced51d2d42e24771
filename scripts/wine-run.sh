#!/bin/sh
# Runs a program of the Windows build under Wine, in a prefix of the project's own
# that looks like a shop's Windows 10 PC: its system colours, the offscreen
# platform for tests, the fonts the windows name. CTest runs every Windows test
# through this.
#
# Usage: sh scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
qt=$(sh "$top/scripts/qt-windows.sh" --print)
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)

export WINEPREFIX="${EDICOLA_WINEPREFIX:-$top/build/windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

# The viewer's tests need a local day that is not UTC's: Windows' time zone, which
# Wine takes from TZ, far from UTC whatever the hour of the run. The POSIX form,
# which Windows' C library reads the same way.
if [ "$(date -u +%H)" -ge 10 ]; then TZ=XXA-14; else TZ=XXB+12; fi
export TZ

# A Unix folder as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$qt/tools");$(windows_path "$runtime")"
WINEPATH="$WINEPATH;$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH

if [ ! -f "$WINEPREFIX/.edicola" ]; then
    # Several tests may start at once: one makes the prefix, the others wait.
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.edicola" ]; then
        rm -rf "$WINEPREFIX"
        "$wine" wineboot --init >/dev/null 2>&1
        fonts="$WINEPREFIX/drive_c/fonts"
        mkdir -p "$fonts"
        for f in /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
            /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf \
            /usr/share/fonts/opentype/urw-base35/Z003-*.otf; do
            [ -f "$f" ] && cp "$f" "$fonts/"
        done
        "$wine" regedit /S "$(windows_path "$top/packaging/windows/wine-prefix.reg")"
        "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
        touch "$WINEPREFIX/.edicola"
    fi
    exec 9>&-
fi

exec "$wine" "$@"
