#!/usr/bin/env bash
# Builds the two release packages, build/win32/LUMO-NT-<version>-x86.zip for
# 32-bit Windows and build/win64/LUMO-NT-<version>-x64.zip for 64-bit
# Windows: each a folder with LUMO32.EXE, LUM.HLP and README.TXT, ready to
# unpack and run. The version is the CMake project's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# shellcheck source=windows-build.sh
source scripts/windows-build.sh
for arch in x86 x64; do
    windows_build_make "$arch" --target lumo_package
    ls "$(windows_build_dir "$arch")"/LUMO-NT-*-"$arch".zip
done
