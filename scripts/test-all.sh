#!/usr/bin/env bash
# Builds and runs every test: the normal build, the sanitizer build, and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset dev
cmake --build --preset dev
ctest --preset dev

cmake --preset dev-asan
cmake --build --preset dev-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset dev-asan

cmake --preset fuzz
cmake --build --preset fuzz --target fuzz_frame_receiver fuzz_rtu_reply
for target in fuzz_frame_receiver fuzz_rtu_reply; do
    ./build/fuzz/fuzz/$target -max_total_time=20 -print_final_stats=0 2>&1 | tail -n 1
done
echo "all tests passed"
