# shellcheck shell=bash
# Shared by run.sh, test.sh and bench.sh: installs the Debian packages that are missing, then
# builds.

# Packages the editor, its tests and its tools need, by their real Debian names: a virtual
# package (one that another only "provides") is never reported installed, so asking for one
# would run the package manager every time.
KX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-serialport-dev libgl-dev
    stm32flash openssl
    libsndfile1-dev libsoxr-dev
    qcoro-qt6-dev # coroutines on the event loop: waits for the pedal that block no window
    libudev-dev # the pedal watcher's udev monitor; the library itself is loaded when it starts
    mold # a fast linker: the test programs link in a fraction of GNU ld's time
    # Translations: lupdate and lrelease (the build makes the .qm files), the CMake package
    # that drives them, and Qt's own translations that the editor loads for Qt's dialogs.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    python3 # the source checks of tests/i18n
    ccache # a second build folder compiles from what the first compiled (.cache/ccache)
)

# ---- Extra packages -------------------------------------------------------------------------
# Tools that only some scripts or build options need go here, e.g. a compiler for the fuzz
# targets. Listed packages are installed, when missing, by every script.
KX_EXTRA_PACKAGES=(
    sox # makes the impulse response tests' WAV files (tests/fixtures/ir/make_fixtures.sh)
    # The package checks (packaging/check-package.sh, a CTest test): CPack's dependency
    # lookup (dpkg-shlibdeps, file) and Debian's validators.
    dpkg-dev file lintian desktop-file-utils appstream
    # The screen reader's view (tests/support/with_screen_reader.sh): a virtual display, the
    # session bus and the accessibility bus.
    xvfb xauth dbus-daemon at-spi2-core
    # Windows under a real window manager (tests/support/with_window_manager.sh).
    openbox x11-utils
    # A Japanese font, so that the offscreen windows of the translation tests and the
    # screenshots in docs/ show Japanese text instead of empty boxes.
    fonts-ipafont
)
# ---------------------------------------------------------------------------------------------

# True when the package is installed (not merely known, or removed with its configuration
# left behind).
kx_installed() {
    dpkg-query -W -f='${db:Status-Status}\n' "$1" 2>/dev/null | grep -qx installed
}

# Installs those of KX_PACKAGES, KX_EXTRA_PACKAGES and the arguments that are missing; runs no
# package manager when nothing is.
kx_install_missing() {
    local missing=()
    local pkg
    for pkg in "${KX_PACKAGES[@]}" "${KX_EXTRA_PACKAGES[@]}" "$@"; do
        kx_installed "$pkg" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

# Builds in KX_BUILD_DIR (default build) the targets named in KX_TARGETS (blank-separated; all
# when empty). Arguments are CMake options (-D...): given, they configure the build again so
# that they reach an existing build too; without them, a build is configured only once.
kx_build() {
    local dir=${KX_BUILD_DIR:-build}
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    elif [ $# -gt 0 ]; then
        cmake -S . -B "$dir" "$@"
    fi
    local targets=()
    # shellcheck disable=SC2206 # the names are blank-separated on purpose
    [ -z "${KX_TARGETS:-}" ] || targets=(--target ${KX_TARGETS})
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
