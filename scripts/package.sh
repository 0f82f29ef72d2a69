#!/usr/bin/env bash
# Builds the release package build/win32/LUMO-NT-<version>.zip: a folder
# with LUMO32.EXE, LUM.HLP and README.TXT, ready to unpack and run on
# Windows. The version is the CMake project's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$(nproc)" --target lumo_package
ls build/win32/LUMO-NT-*.zip
