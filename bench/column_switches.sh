#!/usr/bin/env bash
# A host that switches between 80 and 132 columns, under Wine: seconds for
# LUMO_SWITCHES switches (default 20,000) and switches per second. Needs the
# Windows build that tests/e2e/run.sh chooses (build/win32 or build/win64);
# prints a table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/tests/e2e/run.sh" "$root/bench/e2e" -k column_switches -s "$@"
