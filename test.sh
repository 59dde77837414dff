#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite offscreen: the tests, the
# fuzz targets' kept inputs under the sanitizers, and the tests again on the portable platform.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing
kx_build
export QT_QPA_PLATFORM=offscreen
# Two tests to a core at most: many talk to a virtual pedal in real time, and a pedal process
# starved of the processor misses the protocol's time limits.
(cd "${KX_BUILD_DIR:-build}" && ctest --output-on-failure --timeout 600 -j "$(nproc)")

# Every kept fuzz input and regression once more, under AddressSanitizer and UBSan: a fault
# that reads a byte too far or overflows passes silently in the normal build. GCC builds the
# replays without libFuzzer; only they and the libraries they need are built here.
sanitize_dir=${KX_SANITIZE_BUILD_DIR:-${KX_BUILD_DIR:-build}-sanitize}
if [ ! -f "$sanitize_dir/build.ninja" ]; then
    cmake -S . -B "$sanitize_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_SANITIZE=ON
fi
cmake --build "$sanitize_dir" --parallel "$(nproc)" --target fuzz_replays
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
(cd "$portable_dir" && ctest --output-on-failure --timeout 600 -j "$(nproc)")
