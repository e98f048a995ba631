#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release, the bench preset) and runs every
# one: each bench_* program prints its own figures, then one table in Markdown sums them up
# together with the program's start-up, memory and idle CPU, taken from outside on a private
# Xvfb. Window benchmarks run on the offscreen platform, those of timers and windows on the
# private Xvfb.
#
#   scripts/bench.sh                 run everything, print the figures and the table
#   scripts/bench.sh --update-docs   also put the table into docs/performance.md
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} != --on-display ]]; then
    scripts/setup.sh
    cmake --preset bench >/dev/null
    cmake --build --preset bench -j2
    table=$(mktemp)
    trap 'rm -f "$table"' EXIT
    scripts/with-xvfb.sh "$0" --on-display "$table"
    echo
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
bin=build-bench/bench
export LANG=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
setxkbmap -layout us,ru

# Every bench_* program, its output shown and kept for the table.
declare -A output
for bench in "$bin"/bench_*; do
    [[ -f $bench && -x $bench ]] || continue
    name=$(basename "$bench")
    echo "== $name"
    platform=offscreen
    [[ $name == bench_idle_cpu ]] && platform=xcb
    output[$name]=$(QT_QPA_PLATFORM=$platform "$bench" 2>/dev/null)
    printf '%s\n' "${output[$name]}"
    echo
done >&2

rows=()
row() { rows+=("| $1 | $2 | $3 | $4 | $5 |"); }
field() { # output name, awk program
    awk "$2" <<<"${output[$1]:-}"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b > 0) printf "%.2f", a / b; else print "–" }'; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }

# --- the program itself, from outside (real X server, no window manager) -------------------
export QT_QPA_PLATFORM=xcb
probe() { "$bin/tamrik_x11_probe" "$@" 2>/dev/null; }
figure() { awk -v key="$1" '$1 == key { print $2 }' <<<"$2"; }
program=build-bench/src/app/tamrik
minimal=$bin/tamrik_minimal_window

echo "== start-up and memory, 10 runs each" >&2
prog=$(probe --runs 10 -- "$program")
mini=$(probe --runs 10 -- "$minimal")
row "Start-up to the shown main window (median of 10)" "$(figure startup_ms "$prog") ms" \
    "$(figure startup_ms "$mini") ms, minimal Qt window" \
    "$(ratio "$(figure startup_ms "$prog")" "$(figure startup_ms "$mini")")" "none set"
row "Peak memory (largest RSS of 10 runs)" "$(mb "$(figure peak_rss_kb "$prog")") MB" \
    "$(mb "$(figure peak_rss_kb "$mini")") MB, minimal Qt window" \
    "$(ratio "$(figure peak_rss_kb "$prog")" "$(figure peak_rss_kb "$mini")")" "none set"

echo "== idle CPU, 3 runs of 5 s each" >&2
prog=$(probe --runs 3 --idle-ms 5000 -- "$program")
mini=$(probe --runs 3 --idle-ms 5000 -- "$minimal")
row "Idle CPU, no picker (share of one core, median of 3 × 5 s)" \
    "$(figure idle_cpu_percent "$prog") %" "$(figure idle_cpu_percent "$mini") %, minimal Qt window" \
    "–" "none set"
# Pickers opened by clicks on Button2 and hidden by their "Отмена", each still ticking every
# millisecond, against the minimal window with one 1 ms timer. The three are measured in turn
# in each round, so that a change of the machine's load hits all of them alike.
p1=() p20=() m1=() r1=() r20=()
for round in 1 2 3 4 5; do
    a=$(figure idle_cpu_percent "$(probe --runs 1 --idle-ms 5000 \
        --before-idle "bench/open_hidden_pickers.sh 1" -- "$program")")
    b=$(figure idle_cpu_percent "$(probe --runs 1 --idle-ms 5000 \
        --before-idle "bench/open_hidden_pickers.sh 20" -- "$program")")
    c=$(figure idle_cpu_percent "$(probe --runs 1 --idle-ms 5000 -- "$minimal" --timer-ms 1)")
    p1+=("$a") p20+=("$b") m1+=("$c") r1+=("$(ratio "$a" "$c")") r20+=("$(ratio "$b" "$c")")
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
row "Idle CPU, 1 hidden picker (real clicks; median of 5 rounds × 5 s)" "$(median "${p1[@]}") %" \
    "$(median "${m1[@]}") %, minimal Qt window with one 1 ms timer" "$(median "${r1[@]}")" "< 1.2"
row "Idle CPU, 20 hidden pickers (real clicks; median of 5 rounds × 5 s)" \
    "$(median "${p20[@]}") %" "$(median "${m1[@]}") %, minimal Qt window with one 1 ms timer" \
    "$(median "${r20[@]}")" "< 1.2"

# --- figures of the bench_* programs ---------------------------------------------------------
row "Idle CPU, 20 hidden pickers in-process against a 1 ms timer (\`bench_idle_cpu\`)" "–" \
    "–" "$(field bench_idle_cpu '/^idle CPU ratio/ { sub(/.*: /, ""); print $1 }')" "< 1.2"
row "Array builder: 10,000 appends into \`Memo3\` (\`bench_memo_append\`)" \
    "$(field bench_memo_append '$1 == "median" { print $2 }') ms" \
    "$(field bench_memo_append '$1 == "median" { print $3 }') ms, \`appendPlainText\` of the same lines" \
    "$(field bench_memo_append '$1 == "median" { print $4 }')" "< 3"
row "Array inverter: \`Memo2Click\` on 100,000 lines" \
    "$(field bench_memo2_click '$1 == "Memo2Click" { print $2 }') ms" \
    "$(field bench_memo2_click '/one setPlainText/ { print $NF }') ms, one \`setPlainText\` of its output" \
    "$(field bench_memo2_click '$1 == "ratio" { print $2 }')" "< 1.5"
row "Core: array inverter line rule, 10 MB of array text" \
    "$(field bench_array_inverter '$1 == "LineRule" { print $2 }') Mchar/s" \
    "$(field bench_array_inverter '$1 == "CopyLines" { print $2 }') Mchar/s, copy of every line" \
    "$(field bench_array_inverter '$1 == "LineRule" { sub("x", "", $3); print $3 }')" "none set"
row "Core: whole \`Memo2\` text (split, invert, count), 10 MB" \
    "$(field bench_array_inverter '$1 == "WholeOutput" { print $2 }') Mchar/s" \
    "$(field bench_array_inverter '$1 == "CopyText" { print $2 }') Mchar/s, copy of the text" \
    "$(field bench_array_inverter '$1 == "WholeOutput" { sub("x", "", $3); print $3 }')" \
    "none set"
per_second() { # Google Benchmark console line of bench_core -> "4.63 M/s"
    field bench_core "\$1 == \"$1\" { for (i = 1; i <= NF; i++) if (\$i ~ /items_per_second=/) { sub(\"items_per_second=\", \"\", \$i); unit = \$i; sub(/^[0-9.]+/, \"\", unit); printf \"%.2f %s\", \$i + 0, unit } }"
}
row "Core: the eight code texts of a segment state" "$(per_second BM_CodeTexts)" "–" "–" \
    "none set"
row "Core: one press of the number inverter" "$(per_second BM_NumberInverter)" "–" "–" "none set"
row "Core: one append to the array text (plain list of lines)" "$(per_second BM_ArrayAppend)" \
    "–" "–" "none set"

{
    echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
        "$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo) RAM," \
        "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end;" \
        "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6); $(date -u +%Y-%m-%d)."
    echo
    echo "| Figure | Tamrik | Against | Ratio | Target |"
    echo "|---|---|---|---|---|"
    printf '%s\n' "${rows[@]}"
} >"$out"
