#!/bin/sh
# The Windows installer as a shop gets it, under Wine in an empty prefix: a silent
# install puts the program, the Qt DLLs and plugins it needs, both Start-menu
# entries and the installed-programs entry in place; the installed program paints
# its start window and, with --bolla, the viewer's rows from a database in a folder
# named with an accent; the silent uninstall leaves nothing behind.
# Usage: scripts/check-installer.sh BUILD
set -eu
build=$(cd "$1" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
setup=$build/plicanza-setup.exe
[ -f "$setup" ] || { echo "installer: $setup is missing" >&2; exit 1; }
echo "installer: $setup, $(du -k "$setup" | cut -f1) KiB"

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
scratch=$(mktemp -d)
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
stop() { "$(dirname "$wine")/wineserver" -k 2>/dev/null || true; }
trap 'stop; rm -rf "$scratch"' EXIT
fail() { echo "installer: $*" >&2; exit 1; }
# A Unix path as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
"$wine" wineboot --init >/dev/null 2>&1

"$wine" "$setup" /S
"$(dirname "$wine")/wineserver" -w
dir="$WINEPREFIX/drive_c/Program Files/Plicanza"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Plicanza"
for f in plicanza.exe qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Sql.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
    plugins/platforms/qwindows.dll plugins/sqldrivers/qsqlite.dll \
    plugins/sqldrivers/qsqlodbc.dll plugins/imageformats/qgif.dll \
    translations/qtbase_it.qm fonts/KaushanScript-Regular.otf disinstalla.exe; do
    [ -f "$dir/$f" ] || fail "$f is not installed"
done
for f in "Plicanza.lnk" "Controllo bolla.lnk"; do
    [ -f "$menu/$f" ] || fail "the Start-menu entry $f is missing"
done
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Plicanza'
"$wine" reg query "$key" /v DisplayName 2>/dev/null | grep -q Plicanza ||
    fail "no entry in the installed programs"
echo "installer: installed $(du -sk "$dir" | cut -f1) KiB in $(find "$dir" -type f | wc -l) files"

# The installed program, on its own Windows platform plugin in a virtual X
# display, until its window's first frame.
cat >"$scratch/env.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Environment]
"QT_FORCE_STDERR_LOGGING"="1"
"QT_LOGGING_RULES"="qt.widgets.painting.info=true;plicanza.bolla.info=true"
EOF
"$wine" regedit /S "$(windows_path "$scratch/env.reg")"
shows() { # PATTERN WHAT ARGUMENTS...: the installed program logs PATTERN within 60 s
    pattern=$1
    what=$2
    shift 2
    log="$scratch/run.log"
    # A UTF-8 Unix locale, so that Wine hands an accented argument over whole.
    LANG=C.UTF-8 xvfb-run -a "$wine" "C:\\Program Files\\Plicanza\\plicanza.exe" "$@" \
        >"$log" 2>&1 &
    pid=$!
    i=0
    while ! grep -q "$pattern" "$log"; do
        i=$((i + 1))
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended before it showed $what"; }
        [ "$i" -lt 600 ] || { cat "$log" >&2; fail "the program never showed $what"; }
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    stop
    echo "installer: the installed program showed $what"
}
shows "Flushing.* of plicanza(" "its start window"
demo="$scratch/Città"
sh "$top/scripts/demo_bolla.sh" "$demo" >/dev/null
shows "plicanza.bolla: righe [1-9]" "the viewer with the rows of the day" \
    --bolla "$(windows_path "$demo/Testo.udl")"

"$wine" "C:\\Program Files\\Plicanza\\disinstalla.exe" /S
"$(dirname "$wine")/wineserver" -w
[ ! -e "$dir" ] || fail "the uninstaller left $(find "$dir" | head -n 5)"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the installed-programs entry"
echo "installer: ok"
