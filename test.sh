#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing
kx_build
export QT_QPA_PLATFORM=offscreen

# Every kept fuzz input and regression once more, under AddressSanitizer and UBSan: a fault
# that reads a byte too far or overflows passes silently in the normal build. GCC builds the
# replays without libFuzzer; only they and the libraries they need are built here. The build
# runs at the lowest priority while the tests run: they wait on the wire most of their time,
# and the build takes only the processor time they leave.
sanitize_dir=${KX_SANITIZE_BUILD_DIR:-${KX_BUILD_DIR:-build}-sanitize}
sanitize_log=$(mktemp)
trap 'rm -f "$sanitize_log"' EXIT
(
    if [ ! -f "$sanitize_dir/build.ninja" ]; then
        cmake -S . -B "$sanitize_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_SANITIZE=ON
    fi
    nice -n 19 cmake --build "$sanitize_dir" --parallel "$(nproc)" --target fuzz_replays
) >"$sanitize_log" 2>&1 &
sanitize_build=$!

# Three tests to a core: most of them wait for the pedal's bytes, not for the processor.
status=0
(cd "${KX_BUILD_DIR:-build}" && ctest --output-on-failure --timeout 600 -j "$(($(nproc) * 3))") ||
    status=$?

if ! wait "$sanitize_build"; then
    cat "$sanitize_log"
    echo "The build of the sanitizer replays failed." >&2
    exit 1
fi
[ "$status" -eq 0 ] || exit "$status"
# Leaks are left to the fuzzing build (clang and libFuzzer), which checks them on every input.
(cd "$sanitize_dir" && ASAN_OPTIONS=abort_on_error=1:detect_leaks=0 \
    UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --timeout 600 -j "$(nproc)" -R '^fuzz_replay_')

# The portable platform, the one Windows and macOS build (chips, hot-plug and the doctor from
# QtSerialPort alone), built on Linux too so that it cannot rot: the same tests, but those of
# the Linux parts. Everything outside platform/ compiles as above, so the compiler cache serves
# it.
portable_dir=${KX_PORTABLE_BUILD_DIR:-${KX_BUILD_DIR:-build}-portable}
if [ ! -f "$portable_dir/build.ninja" ]; then
    cmake -S . -B "$portable_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKX_PORTABLE_PLATFORM=ON
fi
cmake --build "$portable_dir" --parallel "$(nproc)"
(cd "$portable_dir" && ctest --output-on-failure --timeout 600 -j "$(($(nproc) * 3))")
