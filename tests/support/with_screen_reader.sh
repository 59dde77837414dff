#!/bin/sh
# Runs a program as on a desktop with a screen reader: a private session bus, the
# accessibility bus and a virtual X display, so that Qt's accessibility bridge is active and
# sends its events. Without those tools the program runs as it is (and can skip).
set -u
launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v dbus-run-session >/dev/null || ! command -v xvfb-run >/dev/null ||
    [ ! -x "$launcher" ]; then
    exec "$@"
fi
exec dbus-run-session -- sh -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    bus=$!
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a "$@"
    status=$?
    kill "$bus" 2>/dev/null
    exit "$status"' "$launcher" "$@"
