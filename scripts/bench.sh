#!/usr/bin/env bash
# Builds the benchmark in Release (installing what is missing) and runs it on
# the offscreen platform. Arguments go to the benchmark, e.g.
#   scripts/bench.sh --benchmark_filter=Handler --benchmark_repetitions=9
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DWORKSHEET_BENCH=ON >/dev/null
cmake --build build-release -j "$(nproc)" --target worksheet-bench
exec ./build-release/bench/worksheet-bench "$@"
