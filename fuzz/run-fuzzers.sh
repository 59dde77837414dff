#!/bin/sh
# Builds the fuzz targets with clang and the sanitizers, then runs each for SECONDS, one after
# another (the machine's cores are shared), starting from the kept corpus, the regressions and
# fresh seeds (seed_corpora.py). New inputs go to a scratch corpus in the build folder, failing
# inputs to BUILD/fuzz-findings/<name>/. The source tree is left alone unless --merge is given,
# which rewrites fuzz/corpus/<name>/ as the smallest set of inputs that reaches every branch the
# kept corpus, the scratch corpus and the seeds reach.
#
#   fuzz/run-fuzzers.sh [--merge] SECONDS [NAME...]
#
# SECONDS 0 runs nothing: with --merge, it only folds the last runs into the kept corpus.
# NAME is a target without its "fuzz_" (all when none is given). KX_BUILD_DIR names the build
# folder, build-fuzz by default.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/${KX_BUILD_DIR:-build-fuzz}"
merge=0
if [ "${1:-}" = "--merge" ]; then
    merge=1
    shift
fi
seconds=${1:?usage: run-fuzzers.sh [--merge] SECONDS [NAME...]}
shift
if [ $# -eq 0 ]; then
    set -- $(cd "$root/fuzz" && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//')
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKX_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzzers

seeds="$build/fuzz-seeds"
rm -rf "$seeds"
python3 "$root/fuzz/seed_corpora.py" "$seeds"

# The folders of a target that exist: the fuzzer stops at a missing one.
kept() {
    for folder in "$root/fuzz/corpus/$1" "$root/fuzz/regressions/$1"; do
        if [ -d "$folder" ]; then
            printf '%s\n' "$folder"
        fi
    done
}

failed=""
for name in "$@"; do
    [ "$seconds" -gt 0 ] || break
    scratch="$build/fuzz-scratch/$name"
    findings="$build/fuzz-findings/$name"
    mkdir -p "$scratch" "$findings"
    echo "== fuzz_$name for $seconds s"
    # shellcheck disable=SC2046 # one argument per folder
    if ! "$build/fuzz_$name" "$scratch" $(kept "$name") "$seeds/$name" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1; then
        failed="$failed $name"
    fi
done

if [ "$merge" = 1 ]; then
    for name in "$@"; do
        merged="$build/fuzz-merged/$name"
        rm -rf "$merged"
        mkdir -p "$merged" "$build/fuzz-scratch/$name"
        corpus="$root/fuzz/corpus/$name"
        [ -d "$corpus" ] || corpus=""
        # Edges only, without hit counts: a few dozen inputs rather than hundreds. The
        # regressions are replayed from their own folder, so they are not merged in.
        "$build/fuzz_$name" -merge=1 -use_counters=0 "$merged" $corpus \
            "$build/fuzz-scratch/$name" "$seeds/$name"
        rm -rf "$root/fuzz/corpus/$name"
        mkdir -p "$root/fuzz/corpus"
        mv "$merged" "$root/fuzz/corpus/$name"
        echo "== fuzz/corpus/$name: $(ls "$root/fuzz/corpus/$name" | wc -l) inputs"
    done
fi

if [ -n "$failed" ]; then
    echo "failed:$failed (inputs in $build/fuzz-findings/)"
    exit 1
fi
