# The game in a real X window, for the shell tests that source this file: a
# virtual X server of their own, the game's window in it, the player's mouse
# (xdotool) and eyes (screenshots read pixel by pixel). Positions are pixels
# of the window's 800 x 600 client area.
#
# Sourcing it makes a scratch directory $work, removed at exit together with
# the X server and the game. Then: start_xvfb; start_game command...; and the
# helpers below. The Wayland test keeps the scratch directory, the clean-up
# and the helpers, with a compositor of its own in place of the X server.
set -uo pipefail

work=$(mktemp -d)
server_pid=""  # the display server: Xvfb, or a Wayland compositor
game_pid=""
wid=""
X=0
Y=0
passed=0

# No desktop session: Qt keeps its runtime files here and looks for no
# session bus (none is started on its behalf).
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DBUS_SESSION_BUS_ADDRESS="disabled:"
unset SESSION_MANAGER

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -s "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log"
    exit 1
}
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}

# Milliseconds since the epoch.
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# An X server of our own on a free display from :90 upwards. Another test may
# start one on the same number at the same moment: the display is ours only
# when the server's lock file names our server and it answers. -noreset keeps
# the server from restarting when that probe disconnects, which would break
# the game's connection if it came at the same moment.
start_xvfb() {
    local n lock
    for n in $(seq 90 160); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        server_pid=$!
        for _ in $(seq 100); do
            kill -0 "$server_pid" 2>/dev/null || break
            lock=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")
            if [ "$lock" = "$server_pid" ] && DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.05
        done
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
        server_pid=""
    done
    fail "no X server could be started"
}

# Starts the game (the command and its arguments) and waits for its window,
# 800 x 600; X and Y are then the client area's place on the screen.
start_game() {
    "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    wid=""
    for _ in $(seq 150); do
        wid=$(xdotool search --onlyvisible --name "Vojtik Rournik" 2>/dev/null | head -n 1)
        [ -n "$wid" ] && break
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start"
        sleep 0.1
    done
    [ -n "$wid" ] || fail "no window named Vojtik Rournik"
    local WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$wid")"  # X, Y, WIDTH, HEIGHT
    [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 800x600"
    # The first frame is drawn once the menu's panel shows.
    for _ in $(seq 50); do
        [ "$(pixel 158 222)" = 755324 ] && return 0
        sleep 0.1
    done
    fail "the window shows no menu"
}

# A browser that only writes down the addresses it is asked to open, one a
# line, in $work/opened: $work/bin/xdg-open, for the front of the game's PATH.
recording_browser() {
    mkdir -p "$work/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    : >"$work/opened"
}

alive() { [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; }

# A screenshot of the whole screen, read by the helpers below until the next.
shot() { import -window root "$work/shot.png" 2>/dev/null; }
# The colour at a point of the last screenshot, as RRGGBB.
at() { convert "$work/shot.png" -format "%[hex:p{$((X + $1)),$((Y + $2))}]" info: 2>/dev/null | cut -c1-6; }
# The colour at a point of the screen now.
pixel() { shot && at "$1" "$2"; }
# How many pixels of a rectangle (left top width height) of the last
# screenshot have a colour.
count_colour() {
    local n
    n=$(convert "$work/shot.png" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage -format %c histogram:info:- 2>/dev/null |
        grep -i "#$5\b" | sed 's/^ *\([0-9]*\):.*/\1/')
    echo "${n:-0}"
}
# A fingerprint of what a rectangle of the last screenshot shows.
signature() {
    convert "$work/shot.png" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage -format %# info: 2>/dev/null
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

# After "Quit to OS" has been clicked: the game ends within a second, with
# status 0.
expect_quit() {
    local start
    start=$(now_ms)
    while alive; do
        [ $(($(now_ms) - start)) -gt 1000 ] && fail "the game still runs a second after \"Quit to OS\""
        sleep 0.02
    done
    wait "$game_pid"
    local status=$?
    game_pid=""
    [ "$status" = 0 ] || fail "the game ended with status $status"
    pass "\"Quit to OS\" ends the game with status 0 in $(($(now_ms) - start)) ms"
}

# Checks on the last screenshot: the colour at a point, and how many pixels
# of a rectangle have a colour (left top width height colour, then a test
# such as -gt 1000).
expect_at() {
    local got
    got=$(at "$1" "$2")
    [ "$got" = "$3" ] || fail "$4: #$got at $1,$2, not #$3"
    pass "$4"
}
expect_count() {
    local n
    n=$(count_colour "$1" "$2" "$3" "$4" "$5")
    [ "$n" "$6" "$7" ] || fail "$8: $n pixels of #$5"
    pass "$8 ($n pixels)"
}

# Runs a command (after the time in ms and what it shows) every 0.1 s until
# it succeeds; fails when it has not by then.
wait_for() {
    local ms=$1 what=$2 start
    shift 2
    start=$(now_ms)
    until "$@"; do
        [ $(($(now_ms) - start)) -gt "$ms" ] && fail "$what: not within $ms ms"
        sleep 0.1
    done
    pass "$what"
}
