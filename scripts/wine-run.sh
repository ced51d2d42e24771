#!/bin/sh
# Runs a program of the Windows build under Wine, in a prefix of the project's own
# that looks like a shop's 64-bit Windows 10 PC: its system colours, the offscreen
# platform for tests, the fonts the windows name. The program is 32-bit, as on
# the shop's PC; it runs beside Windows' own 64-bit parts. CTest runs every
# Windows test through this.
#
# Usage: sh scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# EDICOLA_WINEPREFIX moves the prefix; a folder that is not empty and was not
# made here is refused, never emptied.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${EDICOLA_WINEPREFIX:-$top/build/windows/wine}"
# A prefix is made here, marked as ours; only ours is ever emptied.
ours() { [ -f "$1/.edicola" ] || [ -f "$1/.edicola-making" ]; }
if [ -d "$WINEPREFIX" ] && ! ours "$WINEPREFIX" && [ -n "$(ls -A "$WINEPREFIX")" ]; then
    echo "wine-run.sh: $WINEPREFIX is not empty and is no prefix of this project's;" \
        "name an empty or new folder in EDICOLA_WINEPREFIX" >&2
    exit 1
fi

qt=$(sh "$top/scripts/qt-windows.sh" --print)
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

# The viewer's tests need a local day that is not UTC's: Windows' time zone, which
# Wine takes from TZ, far from UTC whatever the hour of the run. The POSIX form,
# which Windows' C library reads the same way.
if [ "$(date -u +%H)" -ge 10 ]; then TZ=XXA-14; else TZ=XXB+12; fi
export TZ

# A Unix folder as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The MinGW runtime DLLs come from the compiler's folder, and libwinpthread from a
# folder of its own: MinGW's lib folder also holds a 32-bit zlib1.dll, which
# Wine's own 64-bit DLLs would then load, and wineboot dies.
runtime=$(dirname "$(i686-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(i686-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$qt/tools");$(windows_path "$runtime")"
WINEPATH="$WINEPATH;C:\\mingw-runtime"
export WINEPATH

if [ ! -f "$WINEPREFIX/.edicola" ]; then
    # Several tests may start at once: one makes the prefix, the others wait.
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.edicola" ]; then
        if ours "$WINEPREFIX"; then rm -rf "$WINEPREFIX"; fi
        mkdir -p "$WINEPREFIX"
        touch "$WINEPREFIX/.edicola-making"
        "$wine" wineboot --init >/dev/null 2>&1
        mkdir -p "$WINEPREFIX/drive_c/mingw-runtime"
        cp "$pthread" "$WINEPREFIX/drive_c/mingw-runtime/"
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
        rm -f "$WINEPREFIX/.edicola-making"
    fi
    exec 9>&-
fi

# The program is 32-bit: Wine's 32-bit loader runs it in this 64-bit prefix.
exec /usr/lib/wine/wine "$@"
