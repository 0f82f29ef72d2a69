#!/usr/bin/env bash
# Builds LUMO32.EXE and runs it under Wine, connected to HOST (and PORT), or
# to the project's demo host on 127.0.0.1 when no host is given. Without a
# display it starts a virtual one and saves a screenshot. It runs the 32-bit
# build where this machine can, else the 64-bit one (scripts/windows-build.sh;
# LUMO_WINDOWS=x86 or x64 chooses).
#
#   bash scripts/run.sh [host [port]]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
run_dir=$root/build/run
mkdir -p "$run_dir"

bash scripts/setup.sh
# shellcheck source=windows-build.sh
source scripts/windows-build.sh
windows_build_choose "$root"
prefix=$root/build/wineprefix-run-$LUMO_ARCH
echo "running the $LUMO_ARCH build with $LUMO_WINE"
windows_build_make "$LUMO_ARCH" --target lumo32 lumo_help

pids=()
cleanup() {
    WINEPREFIX=$prefix timeout 20 wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT INT TERM

headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    : >"$run_dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run_dir/display" \
        >"$run_dir/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$run_dir/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n 1 "$run_dir/display")"
    echo "no display: started Xvfb on $DISPLAY"
fi

host=${1:-}
port=${2:-}
if [ -z "$host" ]; then
    rm -f "$run_dir/demohost.port"
    python3 tools/demohost.py --port 0 --port-file "$run_dir/demohost.port" &
    pids+=($!)
    for _ in $(seq 50); do
        [ -s "$run_dir/demohost.port" ] && break
        sleep 0.1
    done
    host=127.0.0.1
    port=$(cat "$run_dir/demohost.port")
fi

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix $WINEPREFIX (once, about 20 s)"
    mkdir -p "$WINEPREFIX"
    "$LUMO_WINE" wineboot -i >"$run_dir/wineboot.log" 2>&1
    if [ "$headless" = 1 ]; then
        "$LUMO_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    wineserver -w
fi

arguments=("$host")
[ -n "$port" ] && arguments+=(-P "$port")
echo "starting LUMO32.EXE ${arguments[*]}"
"$LUMO_WINE" "$LUMO_WIN32_BUILD/LUMO32.EXE" "${arguments[@]}" &
program=$!
if [ "$headless" = 1 ]; then
    # The window may take a while on a busy machine; the screenshot waits
    # for it and for the host's first screen.
    for _ in $(seq 120); do
        xdotool search --name '^LUMO/NT' >/dev/null 2>&1 && break
        sleep 0.5
    done
    sleep 3
    import -window root "$run_dir/screenshot.png"
    echo "screenshot of the virtual display: $run_dir/screenshot.png"
    echo "the program keeps running on $DISPLAY; press Ctrl+C to stop it"
fi
wait "$program" || true
