#!/usr/bin/env bash
# The game natively on Wayland: a headless weston of its own, the game's
# window (with a fixed deal, vr-seeded-window) started as on a Wayland
# desktop, with no X server to fall back on. It shows the menu within a few
# seconds (looked at through weston's screenshooter), and "Quit to OS",
# clicked through the test program's stdin (nothing can move the pointer of
# a headless weston), ends it with status 0.
set -uo pipefail
game=$(realpath "${1:?usage: wayland_test.sh path/to/vr-seeded-window}")
. "$(dirname "$0")/xwindow.sh"

export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-vr-test
unset DISPLAY QT_QPA_PLATFORM
# --debug lets weston-screenshooter read the screen.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 --debug \
    --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
server_pid=$!
for _ in $(seq 400); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 "$server_pid" 2>/dev/null || fail "weston did not start: $(tail -n 3 "$work/weston.log")"
    sleep 0.05
done

mkfifo "$work/player"
(cd "$work" && exec "$game" <player >game.log 2>&1) &
game_pid=$!
exec 3>"$work/player"

# Up: the menu panel and the window's background fill most of the window.
colour_count() { grep -i "#$1" <<<"$2" | sed 's/^ *\([0-9]*\):.*/\1/'; }
shows_menu() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && weston-screenshooter >/dev/null 2>&1) || return 1
    local counts
    counts=$(convert "$work"/wayland-screenshot-*.png -format %c histogram:info:- 2>/dev/null)
    [ "$(colour_count 755324 "$counts")" -gt 50000 ] 2>/dev/null && [ "$(colour_count 63461F "$counts")" -gt 100000 ] 2>/dev/null
}
for _ in $(seq 150); do
    shows_menu && break
    alive || fail "the game ended at start"
    sleep 0.2
done
shows_menu || fail "no window showing the menu on the Wayland screen"
pass "the game's window shows the menu on Wayland"

echo "click ukoncit" >&3
expect_quit
echo "wayland: $passed passed, 0 failed"
