#!/bin/sh
# Fails when a tracked C++ file is not laid out as .clang-format says; lists them.
set -eu
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file as .clang-format lays it out"
