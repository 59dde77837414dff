#!/bin/sh
# Runs a program on a virtual X display of its own (1024 x 720, lower than the windows' fixed
# places assume) under a real window manager (openbox), so that windows get frames, title bars
# and the manager's placement, as on a desktop. Without Xvfb or openbox the program runs as it
# is (and skips).
set -u
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
    exec "$@"
fi
work=$(mktemp -d)
trap 'kill "$wm" "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT INT TERM
wm=
# Xvfb picks a free display and writes its number to descriptor 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x720x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
DISPLAY=:$(cat "$work/display")
export DISPLAY
# openbox runs its start-up command once it manages the screen.
openbox --sm-disable --startup "touch $work/managed" \
    >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    [ -e "$work/managed" ] && break
    sleep 0.1
done
if [ ! -e "$work/managed" ]; then
    echo "openbox did not start:" >&2
    cat "$work/openbox.log" >&2
    exit 1
fi
QT_QPA_PLATFORM=xcb "$@"
