#!/bin/sh
# Fails when a folder of the program includes from a floor above its own or from
# its sibling. Bottom up: core (the standard library only), shell, then
# calculators and bolla side by side, then app. bolla/datalink, the data link
# file reader, is standard C++ only too and stands on the core alone.
set -eu
cd "$(dirname "$0")/.."

floors="core shell calculators bolla/datalink bolla app"

allowed() {
    case $1 in
    core) echo "core" ;;
    shell) echo "core shell" ;;
    calculators) echo "core shell calculators" ;;
    bolla/datalink) echo "core bolla/datalink" ;;
    bolla) echo "core shell bolla/datalink bolla" ;;
    app) echo "core shell calculators bolla/datalink bolla app" ;;
    esac
}

# The floor a path lies on: bolla/datalink/x.h is on bolla/datalink, not bolla.
floorOf() {
    case $1 in
    bolla/datalink/*) echo bolla/datalink ;;
    *) echo "${1%%/*}" ;;
    esac
}

status=0
for floor in $floors; do
    ok=$(allowed $floor)
    files=$(git ls-files "$floor/*.h" "$floor/*.cpp" | while read -r f; do
        [ "$(floorOf "$f")" = "$floor" ] && echo "$f"; done)
    [ -n "$files" ] || continue
    # Every include of the project's own headers, as "file:line:path".
    for hit in $(echo "$files" | xargs grep -HnoE '^#include "[a-z_]+/[a-z0-9_/]+\.h"' |
        sed 's/#include "//; s/"$//'); do
        target=$(floorOf "${hit##*:}")
        case " $ok " in
        *" $target "*) ;;
        *) echo "floors: ${hit%:*} includes from $target/" >&2; status=1 ;;
        esac
    done
done
# The core and the data link file reader are widget-free: nothing but the
# standard library and the floors they stand on.
for floor in core bolla/datalink; do
    if git ls-files "$floor/*.h" "$floor/*.cpp" | xargs grep -HnE '^#include <Q' >&2; then
        echo "floors: $floor/ includes Qt" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "floors: core -> bolla/datalink; core -> shell -> calculators | bolla -> app"
exit $status
