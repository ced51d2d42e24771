#!/bin/sh
# The Windows installer as a shop gets it, under Wine in an empty 64-bit prefix:
# - over an installation of the last 64-bit version, which it removes, so that
#   one program and one installed-programs entry remain;
# - a silent install puts the program, the Qt DLLs and plugins it needs, both
#   Start-menu entries and the installed-programs entry (with its size) in place;
# - the installed program paints its start window and, with --bolla, the
#   viewer's rows from a database in a folder named with an accent;
# - a running copy stops an install, which changes nothing;
# - over the installer of the previous commit, the folder then holds what this
#   version ships and what the shop put there, nothing else;
# - the silent uninstall leaves nothing behind, nor does this check.
# Usage: scripts/check-installer.sh BUILD
set -eu
build=$(cd "$1" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
setup=$build/plicanza-setup.exe
[ -f "$setup" ] || { echo "installer: $setup is missing" >&2; exit 1; }
echo "installer: $setup, $(du -k "$setup" | cut -f1) KiB"

wine64=/usr/lib/wine/wine64
wine=/usr/lib/wine/wine
server=/usr/lib/wine/wineserver
scratch=$(mktemp -d)
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
xvfbs_before=$(pgrep -x Xvfb | sort || true)
stop() { "$server" -k 2>/dev/null || true; }
cleanup() {
    stop
    [ ! -d "$scratch/prev" ] || git -C "$top" worktree remove --force "$scratch/prev" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "installer: $*" >&2; exit 1; }
# A Unix path as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
"$wine64" wineboot --init >/dev/null 2>&1

dir="$WINEPREFIX/drive_c/Program Files (x86)/Plicanza"
windir='C:\Program Files (x86)\Plicanza'
dir64="$WINEPREFIX/drive_c/Program Files/Plicanza"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Plicanza"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Plicanza'
entry() { # VIEW (32 or 64) VALUE: the value of the installed-programs entry
    "$wine64" reg query "$key" /v "$2" /reg:"$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# Runs an installer or uninstaller silently and waits for it and what it started.
silently() {
    status=0
    "$wine" "$@" /S || status=$?
    "$server" -w
    return "$status"
}

# The last 64-bit version's own installer script, packing this build's files
# under that version's names.
old=c3762cd
if git -C "$top" cat-file -e "$old:packaging/windows/plicanza.nsi" 2>/dev/null; then
    stage64="$scratch/stage64"
    cmake --install "$build" --prefix "$stage64" >/dev/null
    mv "$stage64/libgcc_s_dw2-1.dll" "$stage64/libgcc_s_seh-1.dll"
    git -C "$top" show "$old:packaging/windows/plicanza.nsi" >"$scratch/old64.nsi"
    git -C "$top" show "$old:packaging/windows/uninstall-list.cmake" >"$scratch/old64-list.cmake"
    cmake -DSTAGE="$stage64" -DOUT="$scratch/old64-list.nsh" -P "$scratch/old64-list.cmake"
    makensis -V1 -DSTAGE="$stage64" -DVERSION=1.0 -DUNINSTALL_LIST="$scratch/old64-list.nsh" \
        -DOUTFILE="$scratch/old64-setup.exe" "$scratch/old64.nsi"
    "$wine64" "$scratch/old64-setup.exe" /S
    "$server" -w
    [ -f "$dir64/libgcc_s_seh-1.dll" ] || fail "the 64-bit version did not install"
    [ "$(entry 64 DisplayName)" = Plicanza ] || fail "the 64-bit version made no entry"
else
    echo "installer: this clone lacks $old, the last 64-bit version: its removal is not checked"
fi

silently "$setup" || fail "the install failed"
for f in plicanza.exe qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Sql.dll \
    libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll \
    plugins/platforms/qwindows.dll plugins/sqldrivers/qsqlite.dll \
    plugins/sqldrivers/qsqlodbc.dll plugins/imageformats/qgif.dll \
    translations/qtbase_it.qm fonts/KaushanScript-Regular.otf disinstalla.exe; do
    [ -f "$dir/$f" ] || fail "$f is not installed"
done
for f in "Plicanza.lnk" "Controllo bolla.lnk"; do
    [ -f "$menu/$f" ] || fail "the Start-menu entry $f is missing"
done
[ "$(entry 32 DisplayName)" = Plicanza ] || fail "no entry in the installed programs"
[ ! -e "$dir64" ] || fail "the 64-bit version's folder is still there"
[ -z "$(entry 64 DisplayName)" ] || fail "the 64-bit version's entry is still there"
size=$(printf '%d' "$(entry 32 EstimatedSize)")
actual=$(du -sk "$dir" | cut -f1)
[ "$size" -gt $((actual * 9 / 10)) ] && [ "$size" -lt $((actual * 11 / 10)) ] ||
    fail "EstimatedSize is $size KiB for $actual KiB installed"
echo "installer: installed $actual KiB in $(find "$dir" -type f | wc -l) files"

# The installed program, on its own Windows platform plugin in a virtual X
# display, until its window's first frame; its X server goes with it.
cat >"$scratch/env.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Environment]
"QT_FORCE_STDERR_LOGGING"="1"
"QT_LOGGING_RULES"="qt.widgets.painting.info=true;plicanza.bolla.info=true"
EOF
"$wine64" regedit /S "$(windows_path "$scratch/env.reg")"
start() { # LOG ARGUMENTS...: the installed program, in a process group of its own
    log=$1
    shift
    # A UTF-8 Unix locale, so that Wine hands an accented argument over whole.
    LANG=C.UTF-8 setsid xvfb-run -a "$wine" "$windir\\plicanza.exe" "$@" >"$log" 2>&1 &
    pid=$!
}
end() { kill -- "-$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; stop; }
shows() { # PATTERN WHAT ARGUMENTS...: the installed program logs PATTERN within 60 s
    pattern=$1
    what=$2
    shift 2
    start "$scratch/run.log" "$@"
    i=0
    while ! grep -q "$pattern" "$scratch/run.log"; do
        i=$((i + 1))
        kill -0 "$pid" 2>/dev/null || { cat "$scratch/run.log" >&2; fail "the program ended before it showed $what"; }
        [ "$i" -lt 600 ] || { end; cat "$scratch/run.log" >&2; fail "the program never showed $what"; }
        sleep 0.1
    done
}
shows "Flushing.* of plicanza(" "its start window"
echo "installer: the installed program showed its start window"
# Still running: the next install must not replace its files.
before=$(md5sum "$dir/plicanza.exe")
if silently "$setup"; then end; fail "the install went on over a running copy"; fi
[ "$(md5sum "$dir/plicanza.exe")" = "$before" ] || { end; fail "a running copy's files were replaced"; }
end
echo "installer: a running copy stopped the install"

demo="$scratch/Città"
sh "$top/scripts/demo_bolla.sh" "$demo" >/dev/null
shows "plicanza.bolla: righe [1-9]" "the viewer with the rows of the day" \
    --bolla "$(windows_path "$demo/Testo.udl")"
end
echo "installer: the installed program showed the viewer with the rows of the day"

# Over the previous commit's installer: what this version ships, the shop's own
# file, and nothing else.
silently "$dir/disinstalla.exe" || fail "the uninstall failed"
prev=$(git -C "$top" rev-parse -q --verify HEAD~1 || true)
if [ -n "$prev" ] && git -C "$top" cat-file -e "$prev:packaging/windows/mingw-w64-i686.cmake" 2>/dev/null; then
    git -C "$top" worktree add -q --detach "$scratch/prev" "$prev"
    qt=$(sh "$top/scripts/qt-windows.sh")
    (cd "$scratch/prev" &&
        cmake --preset windows -DCMAKE_PREFIX_PATH="$qt" -DBUILD_TESTING=OFF >/dev/null &&
        cmake --build --preset windows --target installer >/dev/null) ||
        fail "the previous commit's installer did not build"
    silently "$scratch/prev/build/windows/plicanza-setup.exe" || fail "the previous version did not install"
    echo "appunti del negozio" >"$dir/appunti.txt"
    silently "$setup" || fail "the install over the previous version failed"
    cmake --install "$build" --prefix "$scratch/stage" >/dev/null
    (cd "$scratch/stage" && find . -type f | sort) >"$scratch/shipped"
    (cd "$dir" && find . -type f ! -name disinstalla.exe ! -name appunti.txt | sort) >"$scratch/there"
    diff "$scratch/shipped" "$scratch/there" >&2 || fail "after the upgrade the folder holds other files"
    [ -f "$dir/appunti.txt" ] || fail "the upgrade removed the shop's own file"
    [ "$(entry 32 DisplayVersion)" != "" ] || fail "the upgrade left no entry"
    echo "installer: the previous commit's version was replaced"
    silently "$dir/disinstalla.exe" || fail "the uninstall failed"
    [ -f "$dir/appunti.txt" ] || fail "the uninstaller removed the shop's own file"
    rm "$dir/appunti.txt"
    rmdir "$dir"
else
    echo "installer: the previous commit has no 32-bit installer: the upgrade from it is not checked"
fi

[ ! -e "$dir" ] || fail "the uninstaller left $(find "$dir" | head -n 5)"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
[ -z "$(entry 32 DisplayName)" ] || fail "the uninstaller left the installed-programs entry"
stop
[ "$(pgrep -x Xvfb | sort || true)" = "$xvfbs_before" ] || fail "an X server of this check is still running"
echo "installer: ok"
