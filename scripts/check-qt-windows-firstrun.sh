#!/bin/sh
# scripts/qt-windows.sh as on a fresh machine: no deb-src line yet, nothing
# cached. A stand-in apt-get on the PATH plays apt (its update as talkative as
# the real one) and hands over stand-in sources that build in seconds, so the
# whole first run is walked without building Qt. What the Makefile takes from
# the script's standard output must be the prefix alone, on the first run as on
# the next.
# Usage: sh scripts/check-qt-windows-firstrun.sh   (as root, as the first run is)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "qt-windows first run: $*" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ]; then
    echo "qt-windows first run: skipped, it adds a deb-src line only as root"
    exit 0
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/bin" "$scratch/apt/sources.list.d"
printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\n' \
    >"$scratch/apt/sources.list.d/debian.sources"

cat >"$scratch/bin/apt-get" <<'EOF'
#!/bin/sh
# A stand-in for apt-get: sources only once a deb-src line and an update are there.
state=$(dirname "$0")/..
case "$*" in
*--print-uris*)
    [ -f "$state/apt/sources.list.d/edicola-deb-src.sources" ] && [ -f "$state/updated" ] ;;
*update*)
    echo "Get:1 http://deb.debian.org/debian bookworm InRelease [151 kB]"
    echo "Reading package lists..."
    touch "$state/updated" ;;
*source*)
    [ -f "$state/updated" ] || { echo "E: You must put some 'deb-src' URIs" >&2; exit 100; }
    echo "Need to get 1 kB of source archives."
    mkdir -p qt6-base-0/fake sqlite3-0
    printf 'cmake_minimum_required(VERSION 3.21)\nproject(fake NONE)\ninstall(FILES CMakeLists.txt DESTINATION lib/cmake/Qt6)\n' \
        >qt6-base-0/fake/CMakeLists.txt
    printf '#!/bin/sh\nwhile [ "$1" != -prefix ]; do shift; done\nexec cmake -S "$(dirname "$0")/fake" -B . -DCMAKE_INSTALL_PREFIX="$2"\n' \
        >qt6-base-0/configure
    printf '#!/bin/sh\n' >sqlite3-0/configure
    printf 'sqlite3.c shell.c:\n\techo "int sqlite3_stand_in;" >sqlite3.c\n\ttouch sqlite3.h sqlite3ext.h\n\techo "int main(void) { return 0; }" >shell.c\n' \
        >sqlite3-0/Makefile
    chmod +x qt6-base-0/configure sqlite3-0/configure ;;
*) echo "stand-in apt-get: $*" >&2; exit 1 ;;
esac
EOF
chmod +x "$scratch/bin/apt-get"

run() {
    PATH="$scratch/bin:$PATH" EDICOLA_WINDOWS_CACHE="$scratch/cache" \
        EDICOLA_APT_ETC="$scratch/apt" sh "$top/scripts/qt-windows.sh" \
        >"$scratch/out" 2>"$scratch/err" || { cat "$scratch/err" >&2; fail "$1 failed"; }
    [ "$(wc -l <"$scratch/out")" -eq 1 ] ||
        { cat "$scratch/out" >&2; fail "$1 wrote more than the prefix on its standard output"; }
    prefix=$(cat "$scratch/out")
    case $prefix in "$scratch/cache/qt-"*) ;; *) fail "$1 gave \"$prefix\" as the prefix" ;; esac
    [ -f "$prefix/.complete" ] && [ -f "$prefix/tools/sqlite3.exe" ] ||
        fail "$1 left no complete prefix"
}
run "the first run"
[ -f "$scratch/apt/sources.list.d/edicola-deb-src.sources" ] || fail "no deb-src line was added"
grep -q "Types: deb-src" "$scratch/apt/sources.list.d/edicola-deb-src.sources" ||
    fail "the added line is not a deb-src line"
grep -q "Reading package lists" "$scratch/err" || fail "apt's update was not told on stderr"
first=$prefix
run "the next run"
[ "$prefix" = "$first" ] || fail "the next run gave another prefix"
echo "qt-windows first run: ok"
