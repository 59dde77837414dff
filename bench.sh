#!/usr/bin/env bash
# Installs what is missing (Google Benchmark, a virtual X display for the start-up benchmark),
# builds the benchmarks and the programs they run in their own optimised build (build-bench),
# runs them, and ends with the table of goals: each row measured next to its anchor in the
# same run. Exits with 1 when a goal is missed or a benchmark could not run. Extra arguments go
# to every benchmark (for example --benchmark_filter=Upload).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing libbenchmark-dev xvfb
export KX_BUILD_DIR=${KX_BUILD_DIR:-build-bench}
KX_TARGETS=benchmarks kx_build -DCMAKE_BUILD_TYPE=Release -DKX_BENCHMARKS=ON

table=$(mktemp)
xvfb_pid=
cleanup() {
    rm -f "$table"
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export KX_BENCH_TABLE=$table

# Windows are timed on a real X server: the desktop's, or a virtual one started here.
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

status=0
for bench in "$KX_BUILD_DIR"/bench_*; do
    [ -x "$bench" ] || continue
    echo "== ${bench##*/}"
    "$bench" "$@" || status=1
done

echo
awk -F'\t' -v OFS='' '
    BEGIN { split("What|Measured|Anchor|Ratio|Goal|Result", head, "|") }
    { for (i = 1; i <= NF; i++) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
    END {
        for (i = 1; i <= 6; i++) if (length(head[i]) > w[i]) w[i] = length(head[i])
        for (r = 0; r <= NR; r++) {
            line = ""
            for (i = 1; i <= 6; i++) {
                text = r == 0 ? head[i] : cell[r, i]
                line = line (i < 6 ? sprintf("%-" w[i] "s  ", text) : text)
            }
            print line
        }
    }' "$table"
grep -q $'\tFAIL$' "$table" && status=1
exit $status
