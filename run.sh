#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor with the virtual pedal attached.
# Extra arguments go to the editor (for example --port /dev/ttyUSB0).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing
kx_build
exec "${KX_BUILD_DIR:-build}/kestrel-x-editor" --virtual-pedal "$@"
