#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for the
# given number of seconds (default 20). A crash fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"

# The whole core is instrumented so that the fuzzer is guided by its branches.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
    -DWALL_BUILD_FUZZERS=ON -DWALL_BUILD_TESTS=OFF -DWALL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --parallel 2 --target fuzzers

for target in build-fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    echo "fuzzing $name for ${seconds}s"
    # The settings targets share the real files as seeds and may grow to
    # their size at once, so that the fuzzer reaches a whole wall's file.
    case "$name" in
    fuzz_settings_*) seeds=fuzz/seeds/settings limits=(-max_len=262144 -len_control=0) ;;
    *) seeds=fuzz/seeds/"${name#fuzz_}" limits=(-max_len=4096) ;;
    esac
    "$target" -max_total_time="$seconds" "${limits[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" "$seeds" 2>build-fuzz/"$name".log ||
        { tail -50 build-fuzz/"$name".log; exit 1; }
    tail -1 build-fuzz/"$name".log
done
