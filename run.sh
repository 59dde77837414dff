#!/usr/bin/env bash
# Installs what is missing, builds the editor and the virtual pedal (only those: ./test.sh
# builds the rest), and starts the editor with the virtual pedal attached.
# Extra arguments go to the editor (for example --port /dev/ttyUSB0).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing
KX_TARGETS="kestrel-x-editor kestrel-x-virtual-pedal" kx_build
exec "${KX_BUILD_DIR:-build}/kestrel-x-editor" --virtual-pedal "$@"
