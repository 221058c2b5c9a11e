#!/usr/bin/env bash
# Renders the window pictures the snapshot test compares against, after a
# deliberate change of the window's look. Review them before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target window_tests
WORKSHEET_UPDATE_SNAPSHOTS=1 QT_QPA_PLATFORM=offscreen \
    ./build/tests/window_tests --gtest_filter='Snapshot.*'
git status --short tests/window/snapshots
