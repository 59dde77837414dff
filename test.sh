#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing
kx_build
export QT_QPA_PLATFORM=offscreen
cd "${KX_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
