#!/bin/sh
# Qt for 32-bit Windows, cross-compiled from Debian's own qt6-base source with
# Debian's MinGW-w64, and a Windows sqlite3.exe from Debian's sqlite3 source for the
# viewer's tests. Built once per machine into a cache outside the build tree, keyed
# by everything that shapes it.
#
# Usage: sh scripts/qt-windows.sh [--print]   (--print: the prefix, building nothing)
# Its standard output is the installed prefix and nothing else, so that a caller
# can take it as a value; everything else, apt's lines included, goes to stderr.
set -eu
exec 3>&1 1>&2
top=$(cd "$(dirname "$0")/.." && pwd)
cache=${EDICOLA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/edicola-windows}
# apt's configuration folder, where a deb-src line is added; moved only by the
# first-run check, which must not change the machine's own.
apt_etc=${EDICOLA_APT_ETC:-/etc/apt}
host=i686-w64-mingw32
toolchain=$top/packaging/windows/mingw-w64-i686.cmake

# Only what the program and its tests use: Widgets, Sql (SQLite, ODBC), Test, and
# Network without TLS for the test that plays a silent server. Direct2D and
# DirectWrite are off, so the GDI font database serves, as it does by default.
# Tablet support needs the wintab sources Debian removed.
qt_options="-release -shared -nomake examples -nomake tests
 -no-opengl -no-feature-vulkan -no-dbus -no-icu -no-feature-printsupport
 -no-feature-concurrent -no-feature-xml -no-feature-sql-psql -no-feature-sql-mysql
 -no-feature-sql-ibase -no-feature-sql-oci -no-feature-sql-db2
 -sql-sqlite -qt-sqlite -sql-odbc -no-feature-ssl -no-openssl -no-zstd
 -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
 -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite
 -no-feature-directwrite3 -no-feature-androiddeployqt -no-feature-windeployqt
 -no-feature-qmake"

version_of() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true; }
qt_version=$(version_of qt6-base-dev)
sqlite_version=$(version_of sqlite3)
mingw_version=$(version_of g++-mingw-w64-i686-posix)
if [ -z "$qt_version" ] || [ -z "$sqlite_version" ] || [ -z "$mingw_version" ]; then
    echo "qt-windows.sh: run 'sh scripts/deps.sh windows' first" >&2
    exit 1
fi
key=$(printf '%s\n' "$qt_version" "$sqlite_version" "$mingw_version" "$qt_options" |
    cat - "$toolchain" | sha256sum | cut -c1-16)
prefix=$cache/qt-$key

# Qt's Italian texts are Debian's, the same for every system.
translations() {
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_it.qm "$prefix/translations/"
}

if [ "${1:-}" = "--print" ] || [ -f "$prefix/.complete" ]; then
    [ "${1:-}" = "--print" ] || translations
    echo "$prefix" >&3
    exit 0
fi
echo "qt-windows.sh: building Qt for Windows into $prefix (about half an hour on 2 idle cores)"

# The host Qt's own source version, so that its tools match the Windows libraries.
if ! apt-get source --print-uris -qq "qt6-base=$qt_version" >/dev/null 2>&1; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "qt-windows.sh: apt needs a deb-src line for Debian's archive; as root run:" >&2
        echo "  sh scripts/qt-windows.sh" >&2
        exit 1
    fi
    # The same archives as the binary packages, for sources.
    if [ -f "$apt_etc/sources.list.d/debian.sources" ]; then
        sed -e 's/^Types: deb$/Types: deb-src/' "$apt_etc/sources.list.d/debian.sources" \
            >"$apt_etc/sources.list.d/edicola-deb-src.sources"
    else
        sed -n -e 's/^deb /deb-src /p' "$apt_etc/sources.list" \
            >"$apt_etc/sources.list.d/edicola-deb-src.list"
    fi
    apt-get update -q
fi

work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
apt-get source -q "qt6-base=$qt_version" "sqlite3=$sqlite_version" >source.log 2>&1 ||
    { cat source.log >&2; exit 1; }
qtsrc=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
sqlsrc=$(find . -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
jobs=$(nproc 2>/dev/null || echo 2)

# Debian strips the SQLite amalgamation from Qt's source; its own sqlite3 source
# makes it (with tclsh), and the Windows shell from the same two files.
(cd "$sqlsrc" && ./configure -q >/dev/null && make -s sqlite3.c shell.c >/dev/null)
mkdir -p "$qtsrc/src/3rdparty/sqlite" "$prefix/tools"
cp "$sqlsrc/sqlite3.c" "$sqlsrc/sqlite3.h" "$sqlsrc/sqlite3ext.h" "$qtsrc/src/3rdparty/sqlite/"
"$host-gcc-posix" -O2 -s -DSQLITE_THREADSAFE=0 -I"$sqlsrc" "$sqlsrc/shell.c" \
    "$sqlsrc/sqlite3.c" -o "$prefix/tools/sqlite3.exe"

mkdir -p build
cd build
# shellcheck disable=SC2086 # the options are words
"../$qtsrc/configure" -prefix "$prefix" -xplatform win32-g++ \
    -qt-host-path /usr $qt_options -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    >configure.log 2>&1 || { tail -n 60 configure.log >&2; exit 1; }
cmake --build . --parallel "$jobs" >build.log 2>&1 || { tail -n 60 build.log >&2; exit 1; }
cmake --install . >install.log 2>&1 || { tail -n 30 install.log >&2; exit 1; }

translations
# Only a whole installation counts; the tree is no longer needed.
touch "$prefix/.complete"
cd "$cache"
rm -rf "$work"
echo "$prefix" >&3
