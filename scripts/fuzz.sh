#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang 14 in build-fuzz/ and runs
# each for the given number of seconds (default 240), one after the other.
# The corpus grows in build-fuzz/corpus/<target>/ from run to run (further
# folders given after it seed it and are left alone); an input
# that breaks a property is saved in build-fuzz/findings/<target>/ and stops
# the script.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
seconds=${1:-240}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DWORKSHEET_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target val_fuzzer format_fuzzer \
    job_file_fuzzer csv_fuzzer

run() {
    local target=$1
    shift
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
    echo "== $target for $seconds s"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target/" "build-fuzz/corpus/$target" "$@"
}

# Texts up to 20,000 bytes, long enough for numbers of many hundred digits.
run val_fuzzer -dict=fuzz/val.dict -max_len=20000
run format_fuzzer -max_len=12
# Job files up to 16 KiB, seeded with a job file as Save writes it.
run job_file_fuzzer -dict=fuzz/job_file.dict -max_len=16384 fuzz/job_file_seeds
# Inputs of a few records, past the small record limit the target sets, from
# seeds of evaluated rows (a first byte 1 puts a header before them).
run csv_fuzzer -dict=fuzz/csv.dict -max_len=4096 fuzz/csv_seeds
