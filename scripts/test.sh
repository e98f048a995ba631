#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
# Window tests run offscreen; the keyboard layout tests need a real X server.
scripts/with-xvfb.sh ctest --preset ci
