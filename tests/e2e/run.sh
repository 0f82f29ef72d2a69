#!/usr/bin/env bash
# End-to-end tests of LUMO32.EXE under Wine. Runs every test on the Windows
# build this machine runs (scripts/windows-build.sh chooses it; LUMO_WINDOWS
# forces x86 or x64) and, where the machine runs the other build too, the
# smoke set (tests marked "smoke") on that one. Expects the builds in
# build/win32 (x86) and build/win64 (x64); starts its own Xvfb display and
# uses one Wine prefix per build (build/wineprefix-x86, build/wineprefix-x64),
# created on first use. Every process it starts is stopped on exit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
artifacts=${LUMO_E2E_ARTIFACTS:-$root/build/e2e}

# shellcheck source=../../scripts/windows-build.sh
source "$root/scripts/windows-build.sh"
windows_build_choose "$root"
main_arch=$LUMO_ARCH other_arch=$LUMO_OTHER_ARCH
say_build() {
    echo "end-to-end: $LUMO_ARCH build $LUMO_WIN32_BUILD, loader $LUMO_WINE, prefix $LUMO_WINEPREFIX"
}
say_build

check_build() {
    local program
    for program in LUMO32.EXE lumoprobe.exe winlibcheck.exe; do
        if [ ! -f "$LUMO_WIN32_BUILD/$program" ]; then
            echo "missing $LUMO_WIN32_BUILD/$program: build the $LUMO_ARCH Windows program first" >&2
            exit 1
        fi
    done
}
check_build
if [ -z "$other_arch" ]; then
    other=x86
    [ "$main_arch" = x86 ] && other=x64
    echo "end-to-end: no smoke set on the $other build: this machine cannot start $(wine_loader_of "$other")"
fi

# shellcheck source=printers.sh
source "$root/tests/e2e/printers.sh"

# Ends the Wine session of the prefix. A Wine server that died on an
# assertion leaves its programs behind, out of reach of `wineserver -k`, so
# every Windows program still running with this prefix is ended by signal.
end_wine_session() {
    local prefix=$LUMO_WINEPREFIX
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

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LUMO_E2E_ARTIFACTS=$artifacts
# The printers come before any Wine process: Wine asks CUPS for them as
# programs start.
start_printers "$artifacts/cups"

# Makes the build's prefix on first use.
prepare_prefix() {
    local prefix=$LUMO_WINEPREFIX
    export WINEPREFIX=$prefix
    # A Wine server left from another display would show the windows there.
    end_wine_session
    if [ ! -f "$prefix/system.reg" ]; then
        echo "creating the Wine prefix $prefix"
        mkdir -p "$prefix"
        timeout 120 "$LUMO_WINE" wineboot -i >"$artifacts/wineboot-$LUMO_ARCH.log" 2>&1
        timeout 60 wineserver -w
    fi
    # No window manager runs on the display: Wine draws the frames itself.
    if ! grep -q '"Managed"="N"' "$prefix/user.reg"; then
        timeout 30 "$LUMO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
            >/dev/null 2>&1
        timeout 60 wineserver -w
    fi
}

# One Wine session for the whole run. Left to itself, Wine ends its server,
# its system processes and the desktop soon after the last program exits, and
# a program that starts while they are being brought up again can wait for
# 20 s. A probe that stays keeps them up.
start_wine_session() {
    wineserver -p
    "$LUMO_WINE" "$LUMO_WIN32_BUILD/lumoprobe.exe" stay >/dev/null 2>&1 &
    timeout 90 "$LUMO_WINE" "$LUMO_WIN32_BUILD/lumoprobe.exe" windows >/dev/null
}

# run_tests [pytest arguments]: the tests on the build windows_build_set
# chose, in its prefix.
run_tests() {
    prepare_prefix
    start_wine_session
    local cache=$artifacts/pytest-cache-$LUMO_ARCH status=0 rerun
    # Every wait in a test has its own limit; this one only ends a run that
    # hangs as a whole, and leaves room for a machine loaded by other work.
    local pytest=(timeout 1500 /usr/bin/python3 -m pytest -q -o cache_dir="$cache")
    rm -rf "$cache"
    (cd "$root" && "${pytest[@]}" tests/e2e "$@") || status=$?
    # Wine under load now and then loses a synthetic key, or its server dies
    # on an assertion in its socket code and takes every running test with
    # it. Tests that failed get up to two more runs, each in a fresh Wine
    # session; a test that fails three times fails the run.
    for rerun in 1 2; do
        [ "$status" -eq 1 ] || break
        echo "end-to-end: running the failed tests again in a fresh Wine session ($rerun of 2)"
        end_wine_session
        start_wine_session
        status=0
        (cd "$root" && "${pytest[@]}" --last-failed tests/e2e "$@") || status=$?
    done
    end_wine_session
    return "$status"
}

export LUMO_OTHER_BUILD=""
[ -n "$other_arch" ] && LUMO_OTHER_BUILD=$root/$(windows_build_dir "$other_arch")
run_tests "$@"
if [ -n "$other_arch" ]; then
    windows_build_set "$root" "$other_arch"
    LUMO_OTHER_BUILD=$root/$(windows_build_dir "$main_arch")
    say_build
    check_build
    # Arguments that select no smoke test leave pytest nothing to run (5).
    status=0
    run_tests -m smoke "$@" || status=$?
    [ "$status" -eq 0 ] || [ "$status" -eq 5 ] || exit "$status"
fi
