#!/usr/bin/env bash
# Logging on a 20 MiB flood under Wine: seconds per flood without a log and
# with each policy. Needs the Windows build that tests/e2e/run.sh chooses
# (build/win32 or build/win64); prints a table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/tests/e2e/run.sh" "$root/bench/e2e" -k logging_flood -s "$@"
