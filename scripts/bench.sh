#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release) and runs every one; each prints
# its own figures. Window benchmarks run on the offscreen platform, those of timers and windows
# on a real X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j2
echo "Machine: $(nproc) CPU, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
for bench in build-bench/bench/bench_*; do
    [[ -f $bench && -x $bench ]] || continue
    echo
    echo "== $(basename "$bench")"
    case $(basename "$bench") in
    bench_idle_cpu) scripts/with-xvfb.sh env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 "$bench" ;;
    *) QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$bench" ;;
    esac
done
