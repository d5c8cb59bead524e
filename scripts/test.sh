#!/usr/bin/env bash
# Builds everything and runs the whole test suite, then each fuzz target for a
# short, bounded time. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel 2
ctest --test-dir build --output-on-failure --timeout 120 --parallel 2

scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
