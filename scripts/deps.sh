#!/bin/sh
# Installs the Debian packages the build, the program and its tests need
# (and, named as arguments, the extras below).
# As root it installs what is missing; otherwise it prints the line to run.
set -eu

packages="g++ make cmake qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite \
qt6-translations-l10n fonts-liberation fonts-urw-base35 fonts-dejavu-core \
libqt6sql6-psql postgresql sqlite3 locales \
unixodbc libqt6sql6-odbc odbc-postgresql"

# What the instruments beyond `make test` need, asked for by name:
# `fuzz` the libFuzzer build, `package` the .deb and its check, `format` the
# layout check, `windows` the Windows build (scripts/qt-windows.sh), its tests
# under Wine and its installer. The Windows program is 32-bit, so its tests run
# under 32-bit Wine, with 32-bit ODBC: those are Debian's i386 packages, for
# which the i386 architecture is added. Installing them upgrades their 64-bit
# twins (some 60 libraries, and PostgreSQL's libpq5 and server where the
# machine's are older than the archive's) to the archive's versions, since a
# 32-bit library must match its 64-bit one.
multiarch=""
for extra in "$@"; do
    case $extra in
    fuzz) packages="$packages clang libclang-rt-14-dev" ;;
    package) packages="$packages dpkg-dev file desktop-file-utils" ;;
    format) packages="$packages clang-format" ;;
    windows)
        multiarch=i386
        packages="$packages g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix \
wine wine64 wine32:i386 libodbc2:i386 odbc-postgresql:i386 \
nsis tcl ninja-build dpkg-dev fonts-kaushanscript xvfb xauth" ;;
    *) echo "deps.sh: no extra called $extra" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    if [ -n "$multiarch" ] && ! dpkg --print-foreign-architectures | grep -qx "$multiarch"; then
        dpkg --add-architecture "$multiarch"
    fi
    apt-get update -q
    apt-get install -y -q --no-install-recommends $missing
else
    echo "Missing packages. Run:"
    if [ -n "$multiarch" ] && ! dpkg --print-foreign-architectures | grep -qx "$multiarch"; then
        echo "  sudo dpkg --add-architecture $multiarch && sudo apt-get update"
    fi
    echo "  sudo apt-get install -y$missing"
    exit 1
fi
