#!/usr/bin/env bash
# Runs a command with DISPLAY set to a private Xvfb. -noreset keeps the keymap that setxkbmap
# sets: without it the server resets to plain "us" as soon as setxkbmap disconnects.
set -euo pipefail
display=""
for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=":$n"; break; fi
done
[[ -n $display ]] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
DISPLAY=$display "$@"
