#!/bin/sh
# The .deb as a user gets it: apt can satisfy its dependencies from Debian, it
# unpacks into a scratch root with its menu entry and icons, and the program there
# starts headless and paints its start window, and its viewer alone as the menu
# entry's action starts it.
# Usage: scripts/check-package.sh BUILD
set -eu
build=$(cd "$1" && pwd)
set -- "$build"/plicanza_*.deb
[ "$#" -eq 1 ] && [ -f "$1" ] || { echo "package: expected one .deb in $build" >&2; exit 1; }
deb=$1
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends | sed 's/^/  /'

if ! apt-get install --simulate -q "$deb" >"$build/package-apt.log" 2>&1; then
    cat "$build/package-apt.log" >&2
    echo "package: apt cannot satisfy its dependencies" >&2
    exit 1
fi
grep '^Inst ' "$build/package-apt.log" | sed 's/^/  apt would: /'

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for f in usr/bin/plicanza usr/share/applications/plicanza.desktop \
    usr/share/icons/hicolor/64x64/apps/plicanza.png usr/share/icons/hicolor/128x128/apps/plicanza.png; do
    [ -f "$root/$f" ] || { echo "package: /$f is missing" >&2; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/plicanza.desktop"

# Every command of the menu entry, its action "Controllo bolla" too, starts and paints.
grep '^Exec=' "$root/usr/share/applications/plicanza.desktop" | while read -r line; do
    set -- ${line#Exec=}
    program=$1
    shift
    "$build/bench/first-paint" --timeout 60 "$root/usr/bin/$program" "$@"
done
echo "package: ok"
