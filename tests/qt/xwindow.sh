# The game in a real X window for the shell tests that source this file: an X
# server of their own, the player's mouse (xdotool) and eyes (screenshots, in
# pixels of the 800 x 600 client area). Sourcing makes a scratch directory
# $work, removed at exit with the server and the game; then start_xvfb (or a
# compositor of one's own), start_game COMMAND..., and the helpers below.
set -uo pipefail
work=$(mktemp -d) server_pid="" game_pid="" wid="" X=0 Y=0 passed=0  # server: Xvfb, or a Wayland compositor
export XDG_RUNTIME_DIR="$work/run" DBUS_SESSION_BUS_ADDRESS="disabled:"  # no desktop session
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER
cleanup() {
    kill $game_pid $server_pid 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; sed 's/^/  game: /' "$work/game.log" 2>/dev/null; exit 1; }
pass() { echo "ok: $*"; passed=$((passed + 1)); }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
alive() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
shot() { import -window root "$work/shot.png" 2>/dev/null; }
# The colours at points (X Y ...) of the last screenshot as RRGGBB, in one
# look; of a point of the screen now.
at() {
    local f=""
    while [ $# -ge 2 ]; do f+=" %[hex:p{$((X + $1)),$((Y + $2))}]" && shift 2; done
    convert "$work/shot.png" -format "${f# }" info: 2>/dev/null | sed -E 's/([0-9A-F]{6})[0-9A-F]*/\1/g'
}
pixel() { shot && at "$1" "$2"; }
# Of a rectangle (left top width height) of the last screenshot: how many
# pixels have a colour, and a fingerprint of what it shows.
crop() { convert "$work/shot.png" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage "${@:5}" 2>/dev/null; }
count_colour() {
    local n
    n=$(crop "$1" "$2" "$3" "$4" -format %c histogram:info:- | grep -i "#$5\b" | sed 's/^ *\([0-9]*\):.*/\1/')
    echo "${n:-0}"
}
signature() { crop "$1" "$2" "$3" "$4" -format %# info:; }
# Checks: a command (after the ms it may take and what it shows) polled until
# it succeeds, failing only when a generous time is up (a busy machine is
# slow, and a check waits for what the game shows, not for the clock); a
# point's colour; how many pixels of a rectangle
# have a colour (then a test such as -gt 1000 and what it shows).
wait_for() {
    local end=$(($(now_ms) + $1)) what=$2
    shift 2
    until "$@"; do [ $(now_ms) -gt $end ] && fail "$what: not within the time" || sleep 0.1; done
    pass "$what"
}
is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
expect_pixel() { wait_for 10000 "$4" is "$1" "$2" "$3"; }
expect_count() {
    local n
    n=$(count_colour "$1" "$2" "$3" "$4" "$5")
    [ "$n" "$6" "$7" ] || fail "$8: $n pixels of #$5"
    pass "$8"
}
# After "Quit to OS": the game ends, with status 0.
expect_quit() {
    wait_for 10000 "\"Quit to OS\" ends the game" eval '! alive'
    wait "$game_pid"
    local status=$?
    game_pid=""
    [ $status = 0 ] || fail "the game ended with status $status"
}

# An X server on a free display from :90: ours once its lock file names it and it answers.
start_xvfb() {
    for n in $(seq 90 160); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        server_pid=$!
        for _ in $(seq 400); do
            kill -0 $server_pid 2>/dev/null || break
            [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = $server_pid ] &&
                DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1 && export DISPLAY=":$n" && return 0
            sleep 0.05
        done
        kill $server_pid 2>/dev/null
        server_pid=""
    done
    fail "no X server could be started"
}

# Starts the game (a command and its arguments) and waits for its window of
# 800 x 600 to show the menu; X and Y are then the client area's place.
start_game() {
    "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    for _ in $(seq 300); do
        wid=$(xdotool search --onlyvisible --name "Vojtik Rournik" 2>/dev/null | head -n 1)
        [ -n "$wid" ] && break
        alive || fail "the game ended at start"
        sleep 0.1
    done
    [ -n "$wid" ] || fail "no window named Vojtik Rournik"
    local WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$wid")"  # X, Y, WIDTH, HEIGHT
    [ "$WIDTH x $HEIGHT" = "800 x 600" ] || fail "the window is $WIDTH x $HEIGHT"
    wait_for 20000 "the window, 800 x 600, shows the menu" is 158 222 755324
}

# A browser that only writes down the addresses it is asked to open, one a
# line, in $work/opened: $work/bin/xdg-open, for the front of the game's PATH.
recording_browser() {
    mkdir -p "$work/bin"
    printf '#!/bin/sh\necho "$*" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    : >"$work/opened"
}
