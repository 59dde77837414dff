#!/usr/bin/env bash
# Times a new user's first builds on this machine, each from a clean clone of the committed tree
# with nothing cached: ./run.sh until the editor's window shows, a rebuild to a shown editor
# after one source file of session/ changed, and ./test.sh on its own. Ends with the table of
# goals and exits with 1 when one is missed. Takes about half an hour on two cores.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
kx_install_missing

work=$(mktemp -d)
xvfb_pid=
editor_pid=
cleanup() {
    [ -z "$editor_pid" ] || kill "$editor_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The editor is shown on a virtual display of its own, where its window can be seen to appear.
display_file=$work/display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$display_file")"
unset QT_QPA_PLATFORM

now() { date +%s.%N; }

# Runs ./run.sh in folder $1 until the editor's main window is on the display; prints the
# seconds it took.
time_run() {
    local start
    start=$(now)
    (cd "$1" && exec ./run.sh) >"$work/run.log" 2>&1 &
    editor_pid=$!
    until xwininfo -root -tree 2>/dev/null | grep -q '"Kestrel X Editor'; do
        if ! kill -0 "$editor_pid" 2>/dev/null; then
            cat "$work/run.log" >&2
            echo "./run.sh ended before the editor showed." >&2
            exit 1
        fi
        sleep 0.2
    done
    awk -v a="$(now)" -v b="$start" 'BEGIN { print a - b }'
    kill "$editor_pid"
    wait "$editor_pid" 2>/dev/null || true
    editor_pid=
}

table=$work/table
row() { # what, seconds, goal in seconds
    local result=ok
    awk -v a="$2" -v b="$3" 'BEGIN { exit !(a <= b) }' || result=MISSED
    printf '%s\t%.0f s\t%s s\t%s\n' "$1" "$2" "$3" "$result" >>"$table"
}

echo "== ./run.sh from a clean clone"
git clone -q . "$work/run"
row "./run.sh to a shown editor, clean clone" "$(time_run "$work/run")" 300

echo "== one file of session/ changed"
touch "$work/run/session/pedal_session.cpp"
row "./run.sh after one session/ file changed" "$(time_run "$work/run")" 30

echo "== ./test.sh from a clean clone"
git clone -q . "$work/test"
start=$(now)
status=0
(cd "$work/test" && ./test.sh) >"$work/test.log" 2>&1 || status=$?
seconds=$(awk -v a="$(now)" -v b="$start" 'BEGIN { print a - b }')
if [ "$status" -ne 0 ]; then
    tail -40 "$work/test.log"
    echo "./test.sh failed (exit $status)." >&2
    printf '%s\t%.0f s\t%s s\t%s\n' "./test.sh, clean clone" "$seconds" 900 FAILED >>"$table"
else
    row "./test.sh, clean clone" "$seconds" 900
fi

echo
echo "Measured on $(nproc) cores, commit $(git rev-parse --short HEAD):"
{ printf 'What\tMeasured\tGoal\tResult\n'; cat "$table"; } |
    awk -F'\t' '{ for (i = 1; i <= NF; i++) { c[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
        END { for (r = 1; r <= NR; r++) printf "%-*s  %-*s  %-*s  %s\n", w[1], c[r, 1], w[2], c[r, 2], w[3], c[r, 3], c[r, 4] }'
! grep -qE $'\t(MISSED|FAILED)$' "$table"
