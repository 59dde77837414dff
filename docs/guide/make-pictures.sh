#!/bin/sh
# Takes the guide's pictures again from the real windows, offscreen, against the built-in
# virtual pedal: builds kx-guide-shots and writes docs/guide/images/*.png.
set -eu
cd "$(dirname "$0")/../.."
build=${KX_BUILD_DIR:-build}
cmake --build "$build" --target kx-guide-shots
QT_QPA_PLATFORM=offscreen "$build/kx-guide-shots" docs/guide/images \
    tests/fixtures/ir/cabinet-like-24bit-mono-48k.wav
