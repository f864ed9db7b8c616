#!/usr/bin/env bash
# The shipped game in a real X window (Xvfb), played with the mouse through
# xdotool and looked at through screenshots: it opens centred with the menu,
# a click shows the help screen, a double click on "Okay" where it covers
# "Quit to OS" closes the help screen and nothing more, and "Quit to OS"
# ends the program with status 0 within a second.
set -uo pipefail

game=${1:?usage: real_window_test.sh path/to/vojtik-rournik}
work=$(mktemp -d)
xvfb_pid=""
game_pid=""

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -s "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log"
    exit 1
}
passed=0
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}

# A free display: neither a socket nor a lock file from :90 upwards.
for n in $(seq 90 150); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        export DISPLAY=":$n"
        break
    fi
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || fail "no X server could be started"

"$game" >"$work/game.log" 2>&1 &
game_pid=$!

wid=""
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name "Vojtik Rournik" 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start"
    sleep 0.1
done
[ -n "$wid" ] || fail "no window named Vojtik Rournik"
eval "$(xdotool getwindowgeometry --shell "$wid")"  # X, Y, WIDTH, HEIGHT
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}, not 800x600"
pass "the window is 800 x 600"
[ "$X" = $(((1024 - 800) / 2)) ] && [ "$Y" = $(((768 - 600) / 2)) ] || fail "window at $X,$Y is not centred"
pass "the window is centred on the screen"
case "$(xdotool getwindowname "$wid")" in
    "Vojtik Rournik   -   "*) pass "the title bar shows the game's caption" ;;
    *) fail "the window's caption is '$(xdotool getwindowname "$wid")'" ;;
esac

# The colour at a point of the client area, as RRGGBB.
pixel() {
    import -window root "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -format "%[hex:p{$((X + $1)),$((Y + $2))}]" info: 2>/dev/null | cut -c1-6
}
# Waits up to two seconds for a point to show a colour.
expect_pixel() {
    local x=$1 y=$2 want=$3 what=$4 got=""
    for _ in $(seq 10); do
        got=$(pixel "$x" "$y")
        [ "$got" = "$want" ] && { pass "$what"; return 0; }
        sleep 0.2
    done
    fail "$what: #$got at $x,$y, not #$want"
}
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

expect_pixel 300 40 63461F "the board area shows the window's background"
expect_pixel 158 222 755324 "the menu panel is shown"
expect_pixel 190 260 996C2F "\"Nová Hra\" shows the button colour"
expect_pixel 84 428 63461F "no help screen at start"

# "Intro aneb Malá Nápověda": the help screen opens over the menu.
click 276 372
expect_pixel 84 428 755324 "a click on \"Intro aneb Malá Nápověda\" shows the help screen"

# A double click where "Okay" covers "Quit to OS": the first click closes
# the help screen, the second press falls on "Quit to OS" and is no click.
xdotool mousemove $((X + 276)) $((Y + 440)) click --repeat 2 --delay 90 1
expect_pixel 84 428 63461F "the double click on \"Okay\" closes the help screen"
sleep 0.8
kill -0 "$game_pid" 2>/dev/null || fail "the double click on \"Okay\" quit the game"
pass "the game goes on after the double click"
expect_pixel 158 222 755324 "the menu is still shown"

# "Quit to OS": the program ends at once with status 0.
click 276 420
start=$(date +%s%N)
while kill -0 "$game_pid" 2>/dev/null; do
    [ $(($(date +%s%N) - start)) -gt 1000000000 ] && fail "the game still runs a second after \"Quit to OS\""
    sleep 0.02
done
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "the game ended with status $status"
pass "\"Quit to OS\" ends the game with status 0 in $((($(date +%s%N) - start) / 1000000)) ms"

echo "real window: $passed passed, 0 failed"
