#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages. Safe to run again:
# when everything is there already it asks no package server at all.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb x11-xkb-utils x11-utils xdotool xclip openbox
    # Windows compile check of the platform files and the resource script
    mingw-w64 icoutils
    # the Debian package (CPack asks dpkg-shlibdeps for the library dependencies)
    dpkg-dev
    # fonts the windows ask for: Times New Roman's and Tahoma's metric twins
    fonts-liberation fonts-wine
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
