#!/usr/bin/env bash
# Installs what is missing (Google Benchmark included), builds the benchmarks in their own
# optimised build (build-bench) and runs them. Extra arguments go to every benchmark (for
# example --benchmark_filter=Exchange).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing libbenchmark-dev
export KX_BUILD_DIR=${KX_BUILD_DIR:-build-bench}
kx_build -DCMAKE_BUILD_TYPE=Release -DKX_BENCHMARKS=ON
status=0
for bench in "$KX_BUILD_DIR"/bench_*; do
    [ -x "$bench" ] || continue
    echo "== ${bench##*/}"
    "$bench" "$@" || status=1
done
exit $status
