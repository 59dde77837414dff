#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes the Debian package, and checks both with
# Debian's tools: desktop-file-validate, appstreamcli, dpkg-deb and lintian. Exits 77 (skipped)
# when those tools are missing; ./test.sh installs them.
# Arguments: the build folder, the AppStream id, the udev rule folder relative to the prefix.
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=$2
rules_dir=$3

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps lintian cpack; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "== cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
}
expected=(
    bin/kestrel-x-editor
    bin/kestrel-x-virtual-pedal
    bin/kestrel-x
    share/man/man1/kestrel-x.1.gz
    share/bash-completion/completions/kestrel-x
    "share/applications/$app_id.desktop"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    "share/metainfo/$app_id.metainfo.xml"
    "$rules_dir/60-kestrel-x-editor.rules"
    share/man/man1/kestrel-x-editor.1.gz
    share/doc/kestrel-x-editor/copyright
)
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
# The version check's network module and the serial port module, where the programs look for
# them.
[ -n "$(find "$prefix" -path "*/kestrel-x/kestrel-x-https.so")" ] ||
    fail "not installed: the network module kestrel-x-https.so"
[ -n "$(find "$prefix" -path "*/kestrel-x/kestrel-x-serial.so")" ] ||
    fail "not installed: the serial port module kestrel-x-serial.so"
echo "installed: ${expected[*]}"
"$prefix/bin/kestrel-x-editor" --version | grep -q "Kestrel X Editor" || fail "--version"
"$prefix/bin/kestrel-x" --version | grep -q "^kestrel-x " || fail "kestrel-x --version"

echo "== the kestrel-x man page and completion"
# man's own check: troff warnings (lintian runs the same).
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$prefix/share/man/man1/kestrel-x.1.gz" 2>&1 >/dev/null || true)
[ -z "$warnings" ] || fail "the man page has troff warnings: $warnings"
for section in EXAMPLES ENVIRONMENT FILES "JSON OUTPUT"; do
    zcat "$prefix/share/man/man1/kestrel-x.1.gz" | grep -q "^\.SH $section\$" ||
        fail "the man page has no $section section"
done
bash -n "$prefix/share/bash-completion/completions/kestrel-x" || fail "the completion is not bash"

echo "== desktop-file-validate"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

echo "== the udev rule"
rule=$prefix/$rules_dir/60-kestrel-x-editor.rules
grep -v '^#' "$rule" | grep -q 'ATTRS{idVendor}=="0403", ATTRS{idProduct}=="6015"' ||
    fail "the rule does not match USB 0403:6015"
grep -v '^#' "$rule" | grep -q 'TAG+="uaccess"' || fail "the rule does not tag uaccess"
if grep -v '^#' "$rule" | grep -Eq 'MODE="?0?[0-7]{2}[2367]'; then
    fail "the rule makes a node world-writable"
fi
if grep -v '^#' "$rule" | grep -v 'idVendor}=="0403", ATTRS{idProduct}=="6015"' | grep -q .; then
    fail "the rule has a line for other devices"
fi

echo "== cpack -G DEB"
(cd "$work" && cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" \
    >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"
    fail "cpack"
}
deb=$(find "$work/package" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb"

echo "== dpkg-deb --info"
dpkg-deb --info "$deb" | tee "$work/info.txt"
# libsndfile, libsoxr and the network module's libraries are loaded on first use.
for dependency in libqt6widgets6 libqt6serialport6 qt6-qpa-plugins libsndfile1 libsoxr0 \
    libqt6network6; do
    grep -E '^ Depends:' "$work/info.txt" | grep -q "$dependency" ||
        fail "the package does not depend on $dependency"
done

echo "== dpkg-deb --contents"
dpkg-deb --contents "$deb" | tee "$work/contents.txt"
for file in "${expected[@]}"; do
    grep -q " \./usr/$file\$" "$work/contents.txt" || fail "not in the package: /usr/$file"
done
# Nothing in the package is writable by others.
if awk '{print $1}' "$work/contents.txt" | grep -q '^[^l].......w'; then
    fail "the package holds a world-writable file"
fi

echo "== lintian"
lintian --fail-on error --display-info --tag-display-limit 0 "$deb"
echo "package checks passed: $(basename "$deb")"
