#!/bin/sh
# Runs each libFuzzer target for SECONDS from its committed seeds, growing a working
# corpus in BUILD/corpus/NAME. Any finding goes to BUILD/findings and fails the run.
# Usage: fuzz/run.sh BUILD SECONDS
set -eu
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

for seeds in "$here"/corpus/*/; do
    name=$(basename "$seeds")
    exe="$build/fuzz/$name"
    if [ ! -x "$exe" ]; then
        echo "fuzz: corpus/$name has no target $exe" >&2
        exit 1
    fi
    mkdir -p "$build/corpus/$name" "$build/findings" "$build/logs"
    dict=""
    [ -f "$here/$name.dict" ] && dict="-dict=$here/$name.dict"
    log="$build/logs/$name.log"
    echo "fuzz: $name for ${seconds}s"
    # shellcheck disable=SC2086 # $dict is one word or none
    if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name-" $dict "$build/corpus/$name" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "fuzz: $name found a fault; the input is in $build/findings/" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" | sed "s/^/  /"
done
