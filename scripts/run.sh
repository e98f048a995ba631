#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target tamrik
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display to show the window on. Start it under a virtual one:" >&2
    echo "  xvfb-run -a -s '-screen 0 1024x768x24' build/src/app/tamrik" >&2
    exit 1
fi
exec build/src/app/tamrik
