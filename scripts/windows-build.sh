# Chooses the Windows build and the Wine loader this machine runs; sourced
# by scripts/run.sh, scripts/package.sh and tests/e2e/run.sh.
#
# Both builds make LUMO32.EXE: the 32-bit one (x86, build/win32) and the
# 64-bit one (x64, build/win64). Some Linux kernels cannot execute 32-bit
# programs, and Debian's `wine` wrapper picks the 32-bit loader whenever it is
# installed, even where it cannot start; so the 32-bit loader is tried, and
# the 64-bit build and loader are used when it fails. LUMO_WINDOWS=x86 or
# LUMO_WINDOWS=x64 forces either choice.
#
# windows_build_choose ROOT sets, and exports for the end-to-end helpers:
#   LUMO_ARCH          x86 or x64
#   LUMO_WINE          the Wine loader for it (also WINELOADER, which Wine
#                      uses for the programs a Windows program starts)
#   LUMO_WIN32_BUILD   its build folder
#   LUMO_WINEPREFIX    its Wine prefix (a prefix serves one loader only)
#   LUMO_OTHER_ARCH    the other build, when this machine runs it too
# windows_build_set ROOT ARCH sets the same for one build, without trying.

wine_loader_of() {
    case "$1" in
        x86) echo /usr/lib/wine/wine ;;
        x64) echo /usr/lib/wine/wine64 ;;
    esac
}

windows_build_dir() {
    case "$1" in
        x86) echo build/win32 ;;
        x64) echo build/win64 ;;
    esac
}

windows_toolchain() {
    case "$1" in
        x86) echo cmake/mingw-i686.cmake ;;
        x64) echo cmake/mingw-x86_64.cmake ;;
    esac
}

# Whether this machine can start ARCH's Wine loader.
windows_build_runs() {
    local loader
    loader=$(wine_loader_of "$1")
    [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1
}

windows_build_set() {
    local root=$1 arch=$2
    export LUMO_ARCH=$arch
    LUMO_WINE=$(wine_loader_of "$arch")
    export LUMO_WINE WINELOADER=$LUMO_WINE
    export LUMO_WIN32_BUILD=$root/$(windows_build_dir "$arch")
    export LUMO_WINEPREFIX=$root/build/wineprefix-$arch
}

windows_build_choose() {
    local root=$1 arch other
    case "${LUMO_WINDOWS:-}" in
        x86 | x64) arch=$LUMO_WINDOWS ;;
        "")
            arch=x64
            windows_build_runs x86 && arch=x86
            ;;
        *)
            echo "LUMO_WINDOWS must be x86 or x64, not '$LUMO_WINDOWS'" >&2
            return 1
            ;;
    esac
    if ! windows_build_runs "$arch"; then
        echo "this machine cannot start Wine's $arch loader ($(wine_loader_of "$arch"))" >&2
        return 1
    fi
    other=x86
    [ "$arch" = x86 ] && other=x64
    LUMO_OTHER_ARCH=""
    windows_build_runs "$other" && LUMO_OTHER_ARCH=$other
    export LUMO_OTHER_ARCH
    windows_build_set "$root" "$arch"
}

# windows_build_make ARCH [cmake --build arguments]: configures and builds
# ARCH's Windows build (Release, warnings as errors) from the current folder,
# the repository's root.
windows_build_make() {
    local arch=$1 dir
    shift
    dir=$(windows_build_dir "$arch")
    cmake --no-warn-unused-cli -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$(windows_toolchain "$arch")" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)" "$@"
}
