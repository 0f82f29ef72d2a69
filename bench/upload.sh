#!/usr/bin/env bash
# The 50 MB upload under Wine: time and the program's memory. Needs the
# Windows build that tests/e2e/run.sh chooses (build/win32 or build/win64);
# prints one line of figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/tests/e2e/run.sh" "$root/bench/e2e" -k upload_50mb -s "$@"
