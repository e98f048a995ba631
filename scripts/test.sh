#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test:
# the suite (core, windows, the end-to-end walk on its own Xvfb), then the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of every fuzz target.
# Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
scripts/setup.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
# Window tests run offscreen; the keyboard layout tests need a real X server.
scripts/with-xvfb.sh ctest --preset ci

echo "== the whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
scripts/with-xvfb.sh ctest --preset asan

echo "== every fuzz target on its seed corpus, briefly"
scripts/fuzz.sh --short

elapsed=$((SECONDS - started))
echo "== all tests passed in $((elapsed / 60)) min $((elapsed % 60)) s"
