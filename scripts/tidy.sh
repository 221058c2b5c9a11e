#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every source file of src/,
# as the given build directory compiles it (default: build), then checks that
# every C++ file is laid out as .clang-format says. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy-14 -p "$build" -j "$(nproc)" -quiet "^$PWD/src/" >"$log" 2>&1 || status=$?
# Only the findings, without the progress lines and colours.
sed 's/\x1b\[[0-9;]*m//g' "$log" |
    grep -v -e '^Running clang-tidy for' -e '^clang-tidy-14 ' -e 'warnings generated\.$' || true
if ((status != 0)); then
    echo "clang-tidy found problems in src/" >&2
fi
# The layout of every C++ file, tests and tools included.
find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format-14 --dry-run --Werror || {
    echo "clang-format: lay these out with clang-format-14 -i" >&2
    status=1
}
exit "$status"
