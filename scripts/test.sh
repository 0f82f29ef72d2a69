#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and under
# AddressSanitizer/UndefinedBehaviorSanitizer), the Windows cross build, each
# fuzz target for a short fixed time, and the end-to-end tests under Wine.
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

step "Windows (mingw-w64 i686) build"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"
passed=$((passed + 1))

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
