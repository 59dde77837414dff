#!/usr/bin/env bash
# Installs what is missing, builds the programs (the editor, kestrel-x, the served virtual
# pedal, with what `cmake --install build` installs; ./test.sh builds the tests), and starts the
# editor with the virtual pedal attached.
# Extra arguments go to the editor (for example --port /dev/ttyUSB0).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing
KX_TARGETS="kestrel-x-editor kestrel-x-virtual-pedal kestrel-x kestrel-x-man kx_packaging_files" kx_build
exec "${KX_BUILD_DIR:-build}/kestrel-x-editor" --virtual-pedal "$@"
