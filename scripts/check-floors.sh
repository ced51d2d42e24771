#!/bin/sh
# Fails when a folder of the program includes from a floor above its own or from
# its sibling. Bottom up: core (the standard library only), shell, then
# calculators and bolla side by side, then app.
set -eu
cd "$(dirname "$0")/.."

allowed() {
    case $1 in
    core) echo "core" ;;
    shell) echo "core shell" ;;
    calculators) echo "core shell calculators" ;;
    bolla) echo "core shell bolla" ;;
    app) echo "core shell calculators bolla app" ;;
    esac
}

status=0
for floor in core shell calculators bolla app; do
    ok=$(allowed $floor)
    # Every include of the project's own headers, as "file:line:folder".
    for hit in $(git ls-files "$floor/*.h" "$floor/*.cpp" |
        xargs grep -HnoE '^#include "[a-z_]+/' | sed 's/#include "//; s#/$##'); do
        target=${hit##*:}
        case " $ok " in
        *" $target "*) ;;
        *) echo "floors: ${hit%:*} includes from $target/" >&2; status=1 ;;
        esac
    done
done
# The core is widget-free: nothing but the standard library and itself.
if git ls-files 'core/*.h' 'core/*.cpp' | xargs grep -HnE '^#include <Q' >&2; then
    echo "floors: the core includes Qt" >&2
    status=1
fi
[ $status -eq 0 ] && echo "floors: core -> shell -> calculators | bolla -> app"
exit $status
