#!/usr/bin/env bash
# Builds and runs every test: the normal build, the sanitizer build, and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset dev
cmake --build --preset dev
# clang-tidy over the project's own sources. The path is anchored at the checkout: the generated moc
# files under build/ also have src/ or tools/ in their paths.
tidy_log=$(mktemp)
tidy_status=0
run-clang-tidy -quiet -j 2 -p build/dev "^$(pwd -P)/(src|tools)/" >"$tidy_log" 2>&1 || tidy_status=$?
if [ "$tidy_status" -ne 0 ] || grep -qE '(warning|error):' "$tidy_log" || ! grep -q '^clang-tidy' "$tidy_log"; then
    grep -vE 'warnings? generated\.$' "$tidy_log" || true
    rm -f "$tidy_log"
    echo "clang-tidy: findings, or no file checked"
    exit 1
fi
echo "clang-tidy: $(grep -c '^clang-tidy' "$tidy_log") files, no findings"
rm -f "$tidy_log"
ctest --preset dev

# The Debian package, from a release build of only the programs it installs (a folder of its own:
# packaging builds every target of its build).
cmake --preset release -B build/package -DQEL880_TESTS=OFF -DQEL880_BENCH=OFF
cmake --build build/package -j 2 --target package
bash scripts/check-package.sh build/package

cmake --preset dev-asan
cmake --build --preset dev-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset dev-asan

cmake --preset fuzz
fuzz_targets=(fuzz_frame_receiver fuzz_rtu_reply fuzz_ini_document fuzz_conf_check fuzz_calibration_record
    fuzz_device_list fuzz_cp1252 fuzz_event_record fuzz_timestamp fuzz_record_card fuzz_report)
cmake --build --preset fuzz --target "${fuzz_targets[@]}"
# New inputs go to a scratch directory so that the committed seeds stay as they are; a failing
# input is kept in build/fuzz.
fuzz_scratch=$(mktemp -d)
trap 'rm -rf "$fuzz_scratch"' EXIT
for target in "${fuzz_targets[@]}"; do
    mkdir "$fuzz_scratch/$target"
    if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "./build/fuzz/fuzz/$target" -max_total_time=15 \
        -print_final_stats=0 -artifact_prefix="build/fuzz/$target-" "$fuzz_scratch/$target" "fuzz/corpus/$target" \
        >"$fuzz_scratch/$target.log" 2>&1; then
        tail -n 40 "$fuzz_scratch/$target.log"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE|^Done' "$fuzz_scratch/$target.log" | sed "s/^/$target: /"
done
echo "all tests passed"
