# Shared by run.sh and test.sh: installs the Debian packages that are missing, then builds.

# Packages the editor, its tests and its tools need.
KX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6serialport6-dev libgl-dev
    stm32flash openssl
)

kx_install_missing() {
    local missing=()
    local pkg
    for pkg in "${KX_PACKAGES[@]}" "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

kx_build() {
    local dir=${KX_BUILD_DIR:-build}
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}
