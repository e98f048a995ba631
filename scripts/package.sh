#!/usr/bin/env bash
# Builds the program in release mode and packs it as a Debian package (build-deb/tamrik_*.deb).
# Install it with: sudo apt-get install ./build-deb/tamrik_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMRIK_BUILD_TESTS=OFF \
    -DCPACK_STRIP_FILES=ON >/dev/null
cmake --build build-deb --target tamrik
(cd build-deb && cpack -G DEB >/dev/null)
ls build-deb/tamrik_*.deb
