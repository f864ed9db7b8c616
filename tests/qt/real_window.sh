#!/usr/bin/env bash
# The game played in a real X window (xwindow.sh). Usage: real_window.sh PART GAME
#   shipped  the shipped game with no browser on the machine: centred, its caption,
#            banner clicks change nothing, help, a double click on "Okay" over
#            "Quit to OS" closes help only, pause, "Quit to OS" ends it with status 0
#   play     the seeded window (the inlet at the bottom of column 3, a valve at (4, 2),
#            the bends north-east and west-south in slot 3), with a browser that writes
#            down what it opens: the credits, the banner; the deal, laying, the
#            countdown's colours, the first flow tick at 23 s, a pause while the water
#            flows, a spill that costs a life
#   keys     the seeded window played with xdotool's keys alone, never the pointer: a
#            held Enter deals once, the cursor marked above the inlet, 1 to 4 (or Tab to
#            the offer and Enter) and Enter lay the pieces of a pipeline to the valve, a
#            pause during the countdown, the won level dealing level 2, the help read,
#            "Quit to OS"
part=${1:?usage: real_window.sh shipped|play|keys GAME}
game=${2:?usage: real_window.sh shipped|play|keys GAME}
. "$(dirname "$0")/xwindow.sh"
start_xvfb
recording_browser
mkdir "$work/empty"  # a PATH with no browser on it
case $part in
    shipped) start_game env -u BROWSER -u DEFAULT_BROWSER PATH="$work/empty" "$game" ;;
    *) start_game env PATH="$work/bin:$PATH" "$game" ;;
esac
back=63461F panel=755324 stub=C4C6CA pipe=E8EAEE water=6CA4FF green=00C000 red=FF0000 readout=91BBFB
countdown="552 256 233 128" lives="552 320 35 89" level="616 256 161 97"
sleep_until() {  # ms after t0
    local left=$(($1 + t0 - $(now_ms)))
    [ $left -gt 0 ] && sleep "$((left / 1000)).$(printf %03d $((left % 1000)))"
    shot
}
quit() { click 276 420 && expect_quit; }

case $part in
shipped)
    [ "$X,$Y" = "112,84" ] || fail "the window at $X,$Y is not centred"
    caption=$(xdotool getwindowname "$wid")
    [[ "$caption" == "Vojtik Rournik   -   "* ]] || fail "the caption is $caption"
    expect_pixel 190 260 996C2F "the window is centred, shows its caption and \"Nová Hra\""
    click 667 500
    click 667 500
    sleep 0.5
    alive && is 158 222 $panel && [ "$(at 300 40)" = $back ] || fail "banner clicks with no browser changed the window"
    click 276 372
    expect_pixel 84 428 $panel "\"Intro aneb Malá Nápověda\" shows the help screen"
    expect_count 80 272 391 153 E0E0E0 -gt 300 "the help screen shows its text"
    xdotool mousemove $((X + 276)) $((Y + 440)) click --repeat 2 --delay 90 1
    expect_pixel 84 428 $back "a double click on \"Okay\" over \"Quit to OS\" closes the help screen"
    sleep 0.8
    alive && is 158 222 $panel || fail "the double click on \"Okay\" went on to the menu under it"
    click 276 260
    expect_pixel 275 475 $stub "\"Nová Hra\" deals the board"
    click 667 432
    expect_pixel 170 250 $panel "the Menu button pauses the game"
    click 667 500
    click 276 316
    # The board is random here: a valve may lie under any one point, so the whole menu must be gone.
    menu_gone() { shot && [ "$(count_colour 130 75 290 410 $panel)" -lt 50 ]; }
    wait_for 2000 "the game goes on after a banner click with no browser" menu_gone
    click 667 432
    quit ;;
play)
    declare -A dsel=([0]=314 [1]=271 [2]=281 [3]=297 [4]=255)  # the credit line's targets
    for i in 3 1 4 0 2; do click "${dsel[$i]}" 192; done
    credits() { shot && [ "$(count_colour 131 440 288 30 800000)" -gt 1000 ] &&
        [ "$(count_colour 140 434 273 39 $red)" -gt 50 ]; }
    wait_for 4000 "3, 1, 4, 0, 2 on the credit line shows the credits picture and its red line" credits
    click 275 260
    expect_pixel 158 222 $panel "a click on the picture closes the credits"
    click 667 500
    wait_for 3000 "the banner opens a browser" test -s "$work/opened"
    level0=$(count_colour $level $readout)
    click 276 260  # "Nová Hra", the deal at t0
    t0=$(now_ms)
    expect_pixel 275 475 $stub "\"Nová Hra\" deals: the dry inlet at the bottom of column 3"
    for c in "75 75" "475 75" "75 475" "475 475" "175 275" "275 375"; do
        [ "$(at $c)" = $back ] || fail "cell at $c is not empty"
    done
    [ "$(at 375 175)" = CE4F46 ] || fail "no valve in cell (4, 2)"
    for c in "555 20" "680 20" "555 145" "680 145"; do
        expect_count $c 100 100 $back -lt 9000 "a piece in the slot at $c"
    done
    expect_count $countdown $green -gt 1000 "the countdown shows in green"
    lives5=$(count_colour $lives $readout) count20=$(signature $countdown) slot=$(signature 560 150 90 90)
    click 605 195
    sleep 0.3
    shot
    expect_count 555 145 100 1 $back -lt 10 "slot 3 is framed once chosen"
    click 275 375  # into (3, 4), above the inlet
    click 667 500  # the banner, in play
    sleep 1
    shot
    [ "$(signature 230 330 90 90)" = "$slot" ] && [ "$(signature 560 150 90 90)" != "$slot" ] &&
        [ "$(at 230 375)" = $pipe ] ||
        fail "cell (3, 4) does not show the piece of slot 3, or the slot was not refilled"
    expect_count 555 145 100 1 $back -gt 50 "cell (3, 4) shows the piece, slot 3 a new one, unframed"
    [ "$(signature $countdown)" != "$count20" ] || fail "the countdown stands still"
    [ "$(wc -l <"$work/opened")" = 1 ] || fail "a banner click during play opened a browser"
    sleep_until 16600
    expect_count $countdown $red -gt 1000 "the countdown is red at 4"
    [ "$(count_colour $countdown $green)" = 0 ] || fail "the countdown is still green"
    sleep_until 21500
    expect_count $countdown $red = 0 "the countdown is gone after 0"
    [ "$(at 275 475)" = $stub ] || fail "water in the inlet before the first flow tick"
    [ "$(count_colour $level $readout)" != "$level0" ] || fail "the level read-out did not change from 0"
    wait_for 3000 "the first flow tick 23 s after the deal fills the inlet" is 275 475 $water
    # Paused over the next tick: the water waits, and flows a full tick after "Pokračovat".
    click 667 432
    expect_pixel 170 250 $panel "the Menu button pauses the flowing water"
    click 667 500
    wait_for 3000 "the banner of the paused game opens the home page again" eval '[ $(wc -l <"$work/opened") = 2 ]'
    [ "$(sort -u "$work/opened")" = "https://www.zabavklub.cz/" ] || fail "opened: $(tr '\n' ' ' <"$work/opened")"
    sleep 1
    click 276 316
    resumed=$(now_ms)
    expect_pixel 170 250 $back "\"Pokračovat\" hides the menu"
    [ "$(at 230 375)" = $pipe ] || fail "the water moved on under the menu"
    wait_for 3000 "the next tick fills the bend in (3, 4)" is 230 375 $water
    [ $(($(now_ms) - resumed)) -gt 1500 ] || fail "the water moved on $(($(now_ms) - resumed)) ms after \"Pokračovat\""
    # It leaves westward into the empty (2, 4): a spill, one life less, the level dealt again.
    dealt_again() { shot && [ "$(count_colour $lives $readout)" != "$lives5" ] && [ "$(at 275 475)" = $stub ] &&
        [ "$(at 230 375)" = $back ]; }
    wait_for 5500 "the spill deals the level again with a life less" dealt_again
    expect_count $countdown $green -gt 1000 "the new countdown is green" ;;
keys)
    key() { for k in "$@"; do xdotool key "$k"; done; sleep 0.3; }
    xdotool windowfocus --sync "$wid"
    level0=$(count_colour $level $readout)
    xdotool keydown Return sleep 1 keyup Return  # held: its repeats press nothing more
    expect_pixel 275 475 $stub "a held Enter on \"Nová Hra\" deals level 1"
    expect_count 225 325 100 100 FFF3A0 -gt 700 "the cursor starts marked on the cell above the inlet"
    # Up into the valve (4, 2): the double elbows from slots 1 and 4 on (3, 4) and (4, 4) (slot 4
    # chosen by Tab, back to the board by Shift+Tab), two pieces put aside until slot 1 offers
    # the cross, and the cross on (4, 3).
    key 1 Return Tab Tab Tab Tab Return shift+Tab shift+Tab shift+Tab shift+Tab Right Return Escape
    expect_pixel 170 250 $panel "Escape pauses the game during the countdown"
    key Up Escape
    expect_pixel 170 250 $back "Escape on the paused menu goes on with the game"
    key Up Up Up Left Left Left 2 Return Right 2 Return Right Right Right 1 Return Left Down Down 1 Return
    shot
    for c in "226 326" "326 326" "326 226"; do
        [ "$(count_colour $c 98 98 $back)" -lt 8000 ] || fail "no piece laid at $c"
    done
    pass "1 to 4 and Enter lay the pipeline under the cursor"
    won() { shot && [ "$(count_colour $level $readout)" != "$level1" ] && [ "$(at 375 275)" = $back ]; }
    level1=$(count_colour $level $readout)
    [ "$level1" != "$level0" ] || fail "the level read-out did not change from 0"
    wait_for 45000 "the water passes the valve: level 1 won, level 2 dealt" won
    key Escape Down Return
    expect_pixel 84 428 $panel "Escape, Down and Enter on the menu show the help"
    key Return
    expect_pixel 84 428 $back "Enter presses \"Okay\""
    xdotool key Down Down Return
    expect_quit ;;
*) fail "no part named $part" ;;
esac
echo "real window, $part: $passed passed, 0 failed"
