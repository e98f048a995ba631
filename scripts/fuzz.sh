#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, the fuzz preset) and runs each one in turn, starting
# from its committed seed corpus.
#
#   scripts/fuzz.sh                      10 minutes per target
#   scripts/fuzz.sh --short              20 s per target (what scripts/test.sh runs)
#   scripts/fuzz.sh --seconds N [TARGET...]
#
# New inputs that a run finds go to build-fuzz/corpus/TARGET; the seeds in fuzz/corpus are not
# touched. A crash, a broken invariant or a sanitizer report is saved in build-fuzz/findings/
# and fails the run. libFuzzer's closing statistics of every run are printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
targets=()
while (($#)); do
    case $1 in
    --short) seconds=20 ;;
    --seconds) seconds=$2; shift ;;
    -*) echo "usage: $0 [--short | --seconds N] [TARGET...]" >&2; exit 2 ;;
    *) targets+=("$1") ;;
    esac
    shift
done
if ((${#targets[@]} == 0)); then
    for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

build=build-fuzz
mkdir -p "$build/findings" "$build/logs"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
summary=()
for target in "${targets[@]}"; do
    binary=$build/fuzz/$target
    [[ -x $binary ]] || { echo "no fuzz target $target" >&2; exit 1; }
    mkdir -p "$build/corpus/$target"
    log=$build/logs/$target.log
    echo "-- $target, $seconds s"
    if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "$build/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "FUZZ FINDING in $target: see $log and $build/findings/" >&2
        exit 1
    fi
    summary+=("== $target" "$(grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs|^stat::' "$log")")
done
printf '%s\n' "${summary[@]}"
