#!/usr/bin/env bash
# End-to-end tests of LUMO32.EXE under Wine. Expects the Windows build in
# build/win32 (or $LUMO_WIN32_BUILD); starts its own Xvfb display and uses the
# Wine prefix build/wineprefix (or $LUMO_WINEPREFIX), created on first use.
# Every process it starts is stopped on exit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${LUMO_WIN32_BUILD:-$root/build/win32}
prefix=${LUMO_WINEPREFIX:-$root/build/wineprefix}
artifacts=${LUMO_E2E_ARTIFACTS:-$root/build/e2e}

for program in LUMO32.EXE lumoprobe.exe winlibcheck.exe; do
    if [ ! -f "$build/$program" ]; then
        echo "missing $build/$program: build the Windows program first" >&2
        exit 1
    fi
done

# shellcheck source=printers.sh
source "$root/tests/e2e/printers.sh"

# Ends the Wine session of the prefix. A Wine server that died on an
# assertion leaves its programs behind, out of reach of `wineserver -k`, so
# every Windows program still running with this prefix is ended by signal.
end_wine_session() {
    WINEPREFIX=$prefix timeout 20 wineserver -k 2>/dev/null || true
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        grep -qsxz "WINEPREFIX=$prefix" "$environ" || continue
        grep -qsiz '\.exe$' "/proc/$pid/cmdline" || continue
        kill -9 "$pid" 2>/dev/null || true
    done
}

xvfb_pid=""
cleanup() {
    end_wine_session
    stop_printers
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

# Xvfb picks a free display number itself and writes it to the file.
mkdir -p "$artifacts"
display_file=$artifacts/display
: >"$display_file"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" \
    >"$artifacts/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
display_number=$(head -n 1 "$display_file")
if [ -z "$display_number" ]; then
    echo "Xvfb did not start; see $artifacts/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$display_number"

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The printers come before any Wine process: Wine asks CUPS for them as
# programs start.
start_printers "$artifacts/cups"
# A Wine server left from another display would show the windows there.
end_wine_session
if [ ! -f "$prefix/system.reg" ]; then
    echo "creating the Wine prefix $prefix"
    mkdir -p "$prefix"
    timeout 120 wineboot -i >"$artifacts/wineboot.log" 2>&1
    timeout 60 wineserver -w
fi
# No window manager runs on the display: Wine draws the frames itself.
if ! grep -q '"Managed"="N"' "$prefix/user.reg"; then
    timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    timeout 60 wineserver -w
fi
# One Wine session for the whole run. Left to itself, Wine ends its server,
# its system processes and the desktop soon after the last program exits, and
# a program that starts while they are being brought up again can wait for
# 20 s. A probe that stays keeps them up.
start_wine_session() {
    wineserver -p
    wine "$build/lumoprobe.exe" stay >/dev/null 2>&1 &
    timeout 90 wine "$build/lumoprobe.exe" windows >/dev/null
}
start_wine_session

export LUMO_WIN32_BUILD=$build LUMO_E2E_ARTIFACTS=$artifacts
cd "$root"
pytest=(timeout 600 /usr/bin/python3 -m pytest -q -o cache_dir="$artifacts/pytest-cache")
rm -rf "$artifacts/pytest-cache"
status=0
"${pytest[@]}" tests/e2e "$@" || status=$?
# Wine under load now and then loses a synthetic key, or its server dies on
# an assertion in its socket code and takes every running test with it.
# Tests that failed get up to two more runs, each in a fresh Wine session; a
# test that fails three times fails the run.
for rerun in 1 2; do
    [ "$status" -eq 1 ] || break
    echo "end-to-end: running the failed tests again in a fresh Wine session ($rerun of 2)"
    end_wine_session
    start_wine_session
    status=0
    "${pytest[@]}" --last-failed tests/e2e "$@" || status=$?
done
exit "$status"
