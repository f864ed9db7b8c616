#!/usr/bin/env bash
# The shipped game in a real X window (Xvfb), played with the mouse through
# xdotool and looked at through screenshots: it opens centred with the menu,
# a click shows the help screen, a double click on "Okay" where it covers
# "Quit to OS" closes the help screen and nothing more, and "Quit to OS"
# ends the program with status 0 within a second.
game=${1:?usage: real_window_test.sh path/to/vojtik-rournik}
. "$(dirname "$0")/xwindow.sh"

start_xvfb
start_game "$game"
pass "the window is 800 x 600"
[ "$X" = $(((1024 - 800) / 2)) ] && [ "$Y" = $(((768 - 600) / 2)) ] || fail "window at $X,$Y is not centred"
pass "the window is centred on the screen"
case "$(xdotool getwindowname "$wid")" in
    "Vojtik Rournik   -   "*) pass "the title bar shows the game's caption" ;;
    *) fail "the window's caption is '$(xdotool getwindowname "$wid")'" ;;
esac

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
expect_quit

echo "real window: $passed passed, 0 failed"
