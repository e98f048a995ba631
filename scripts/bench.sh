#!/usr/bin/env bash
# Builds every benchmark (Release, the bench preset) and prints one table of figures in
# Markdown. The window figures are taken on a private Xvfb.
#
#   scripts/bench.sh                 print the table
#   scripts/bench.sh --update-docs   also put it into docs/performance.md
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} != --on-display ]]; then
    scripts/setup.sh
    cmake --preset bench >/dev/null
    cmake --build --preset bench
    table=$(mktemp)
    trap 'rm -f "$table"' EXIT
    scripts/with-xvfb.sh "$0" --on-display "$table"
    cat "$table"
    if [[ ${1:-} == --update-docs ]]; then
        # The table replaces what stands between the two marker lines.
        awk -v table="$table" '
            /<!-- bench table begin -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
            /<!-- bench table end -->/ { skip = 0 }
            !skip' docs/performance.md >docs/performance.md.new
        mv docs/performance.md.new docs/performance.md
        echo "docs/performance.md updated"
    fi
    exit 0
fi

# --- on the private display ----------------------------------------------------------------
out=$2
bin=build-bench
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
setxkbmap -layout us,ru

probe() { # figure-name, probe options..., -- program...
    "$bin/bench/tamrik_x11_probe" "$@" 2>/dev/null
}
figure() { # key, probe output
    awk -v key="$1" '$1 == key { print $2 }' <<<"$2"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "–" }'; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }

rows=()
row() { rows+=("| $1 | $2 | $3 | $4 | $5 |"); }

echo "start-up and memory (10 runs each) ..." >&2
prog=$(probe --runs 10 -- "$bin/src/app/tamrik")
mini=$(probe --runs 10 -- "$bin/bench/tamrik_minimal_window")
row "Start-up to the shown main window (median of 10)" "$(figure startup_ms "$prog") ms" \
    "$(figure startup_ms "$mini") ms (minimal Qt window)" \
    "$(ratio "$(figure startup_ms "$prog")" "$(figure startup_ms "$mini")")" "none set"
row "Peak memory (largest RSS of 10 runs)" "$(mb "$(figure peak_rss_kb "$prog")") MB" \
    "$(mb "$(figure peak_rss_kb "$mini")") MB (minimal Qt window)" \
    "$(ratio "$(figure peak_rss_kb "$prog")" "$(figure peak_rss_kb "$mini")")" "none set"

echo "idle CPU, no picker (3 runs of 5 s) ..." >&2
prog=$(probe --runs 3 --idle-ms 5000 -- "$bin/src/app/tamrik")
mini=$(probe --runs 3 --idle-ms 5000 -- "$bin/bench/tamrik_minimal_window")
row "Idle CPU, no picker (share of one core, median of 3 × 5 s)" \
    "$(figure idle_cpu_percent "$prog") %" \
    "$(figure idle_cpu_percent "$mini") % (minimal Qt window)" \
    "$(ratio "$(figure idle_cpu_percent "$prog")" "$(figure idle_cpu_percent "$mini")")" "none set"

echo "core throughput ..." >&2
core=$("$bin/bench/tamrik_core_bench" --benchmark_format=csv 2>/dev/null)
per_second() { # benchmark name -> items per second, in millions
    awk -F, -v name="\"$1\"" '$1 == name { printf "%.2f", $7 / 1e6 }' <<<"$core"
}
row "Core: the eight code texts of a segment state" "$(per_second BM_CodeTexts) M/s" "–" "–" \
    "none set"

{
    echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
        "$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo) RAM;" \
        "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6); $(date -u +%Y-%m-%d)."
    echo
    echo "| Figure | Tamrik | Against | Ratio | Target |"
    echo "|---|---|---|---|---|"
    printf '%s\n' "${rows[@]}"
} >"$out"
rm -rf "$XDG_RUNTIME_DIR"
