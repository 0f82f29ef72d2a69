#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and under
# AddressSanitizer/UndefinedBehaviorSanitizer), the two Windows cross builds
# (32-bit and 64-bit, warnings as errors), each fuzz target for a short fixed
# time, and the end-to-end tests under Wine on the Windows build this machine
# runs (scripts/windows-build.sh), with the smoke set on the other where the
# machine runs both.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
fuzz_seconds=${LUMO_FUZZ_SECONDS:-30}
passed=0

step() { echo; echo "=== $*"; }

bash scripts/setup.sh

step "native build and unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure
passed=$((passed + 1))

step "unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DLUMO_SANITIZE=ON -DLUMO_BENCH=OFF >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan --output-on-failure
passed=$((passed + 1))

# shellcheck source=windows-build.sh
source scripts/windows-build.sh
for arch in x86 x64; do
    step "Windows build $arch ($(windows_toolchain "$arch"))"
    windows_build_make "$arch"
    passed=$((passed + 1))
done

step "fuzz targets, ${fuzz_seconds}s each"
CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMO_FUZZ=ON >/dev/null
cmake --build build/fuzz -j"$jobs"
for target in build/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=build/fuzz/corpus/$name
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/${name#fuzz_}" ] && seeds=("fuzz/seeds/${name#fuzz_}")
    echo "--- $name"
    if ! "$target" -max_total_time="$fuzz_seconds" "$corpus" "${seeds[@]}" >"$corpus.log" 2>&1; then
        cat "$corpus.log"
        exit 1
    fi
    tail -n 1 "$corpus.log"
    passed=$((passed + 1))
done

if [ -x tests/e2e/run.sh ]; then
    step "end-to-end tests under Wine"
    tests/e2e/run.sh
    passed=$((passed + 1))
fi

echo
echo "stages: $passed passed, 0 failed"
