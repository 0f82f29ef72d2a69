#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
    cmake g++ clang libclang-rt-14-dev clang-format googletest libgtest-dev
    libbenchmark-dev libvterm-dev pkg-config
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64
    xvfb xdotool xclip imagemagick python3-pytest inetutils-telnetd socat locales
    xterm telnet
    cups printer-driver-cups-pdf libcups2:i386 poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
