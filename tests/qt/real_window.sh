#!/usr/bin/env bash
# The game played in a real X window (xwindow.sh), a player's mouse and keys
# against the real clock; every check waits for what the window shows.
#   real_window.sh shipped GAME  the shipped game with no browser on the machine
#   real_window.sh play GAME     the seeded window by mouse: the credits, the
#                                banner, a deal, a pause, the flow and a spill
#   real_window.sh keys GAME     the seeded window by keys alone: a level won,
#                                a pause, the help and "Quit to OS"
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
    wait_for 10000 "the game goes on after a banner click with no browser" menu_gone
    click 667 432
    quit ;;
play)
    declare -A dsel=([0]=314 [1]=271 [2]=281 [3]=297 [4]=255)  # the credit line's targets
    for i in 3 1 4 0 2; do click "${dsel[$i]}" 192; done
    credits() { shot && [ "$(count_colour 131 440 288 30 800000)" -gt 1000 ] &&
        [ "$(count_colour 140 434 273 39 $red)" -gt 50 ]; }
    wait_for 10000 "3, 1, 4, 0, 2 on the credit line shows the credits picture and its red line" credits
    click 275 260
    expect_pixel 158 222 $panel "a click on the picture closes the credits"
    click 667 500
    wait_for 10000 "the banner opens a browser" test -s "$work/opened"
    level0=$(count_colour $level $readout)
    t0=$(now_ms)
    click 276 260  # "Nová Hra": the deal comes after t0
    expect_pixel 275 475 $stub "\"Nová Hra\" deals: the dry inlet at the bottom of column 3"
    # Laid first, while most of the countdown is to come; what was dealt is checked after, on this look.
    lives5=$(count_colour $lives $readout) count20=$(signature $countdown) slot=$(signature 560 150 90 90)
    green20=$(count_colour $countdown $green) dealt=$(at 75 75 475 75 75 475 475 475 175 275 275 375 375 175)
    click 605 195
    framed() { shot && [ "$(count_colour 555 145 100 1 $back)" -lt 10 ]; }
    wait_for 10000 "slot 3 is framed once chosen" framed
    click 275 375  # into (3, 4), above the inlet
    click 667 500  # the banner, in play
    laid() { shot && [ "$(signature 230 330 90 90)" = "$slot" ] && [ "$(signature 560 150 90 90)" != "$slot" ] &&
        [ "$(at 230 375)" = $pipe ] && [ "$(count_colour 555 145 100 1 $back)" -gt 50 ]; }
    wait_for 10000 "cell (3, 4) shows the piece of slot 3, slot 3 a new one, unframed" laid
    # The Menu button while the countdown is red (15 to 21 s), whatever the checks below are busy with.
    (while [ $(($(now_ms) - t0)) -lt 18000 ]; do sleep 0.1; done && click 667 432) &
    pauser=$!
    [ "$dealt" = "$back $back $back $back $back $back CE4F46" ] ||
        fail "the deal: cells (1, 1), (5, 1), (1, 5), (5, 5), (2, 3), (3, 4) empty and a valve in (4, 2): $dealt"
    pass "the deal: empty cells, the valve in (4, 2)"
    for c in "555 20" "680 20" "555 145" "680 145"; do
        expect_count $c 100 100 $back -lt 9000 "a piece in the slot at $c"
    done
    [ "$green20" -gt 1000 ] || fail "the countdown did not show in green: $green20 pixels"
    wait_for 10000 "the countdown counts down" eval '[ "$(shot && signature $countdown)" != "$count20" ]'
    [ "$(wc -l <"$work/opened")" = 1 ] || fail "a banner click during play opened a browser"
    # Seen as it comes, no sooner than 15 s after the deal (a busy machine only makes it later): the countdown
    # red from "5"; never water in the inlet (its foot shows below the menu) while the countdown shows.
    counting() {
        shot
        local colours r g
        colours=$(crop $countdown -format %c histogram:info:-)
        r=$(sed -n "s/^ *\([0-9]*\):.*#$red\b.*/\1/p" <<<"$colours") g=$(sed -n "s/^ *\([0-9]*\):.*#$green\b.*/\1/p" <<<"$colours")
        [ $((${r:-0} + ${g:-0})) = 0 ] && return 1
        [ "$(at 275 490)" != $water ] || fail "water in the inlet while the countdown shows"
        [ "${r:-0}" -gt 1000 ] && [ -z "$g" ]
    }
    wait_for 30000 "the countdown turns red at 5" counting
    [ $(($(now_ms) - t0)) -ge 15000 ] || fail "the countdown turned red $(($(now_ms) - t0)) ms after the deal"
    [ "$(count_colour $level $readout)" != "$level0" ] || fail "the level read-out did not change from 0"
    # Paused near the countdown's end (on a slow machine: as the water flows). How far the game had come shows
    # below the menu, which leaves the countdown, the lives and the inlet's foot in sight: nothing of them
    # moves while the menu is up, and the game goes on from there after "Pokračovat".
    wait $pauser
    expect_pixel 170 250 $panel "the Menu button pauses the game"
    paused=$(now_ms) inlet=$(at 275 490) under=$(at 275 490)$(signature $lives)$(signature $countdown)
    [ "$(count_colour $lives $readout)" = "$lives5" ] || fail "the water spilled before the pause, $((paused - t0)) ms after the deal"
    click 667 500
    wait_for 10000 "the banner of the paused game opens the home page again" eval '[ $(wc -l <"$work/opened") = 2 ]'
    [ "$(sort -u "$work/opened")" = "https://www.zabavklub.cz/" ] || fail "opened: $(tr '\n' ' ' <"$work/opened")"
    while [ $(($(now_ms) - paused)) -lt 2500 ]; do sleep 0.1; done
    [ "$(shot && at 275 490)$(signature $lives)$(signature $countdown)" = "$under" ] ||
        fail "the game moved on under the menu"
    resumed=$(now_ms)
    click 276 316
    expect_pixel 170 250 $back "\"Pokračovat\" hides the menu"
    # It goes up into the bend in (3, 4) and leaves it westward into the empty (2, 4): a spill, one life less,
    # the level dealt again; from a dry inlet, three ticks after "Pokračovat", from the inlet one or two.
    dealt_again() { shot && [ "$(count_colour $lives $readout)" != "$lives5" ] && [ "$(at 275 475)" = $stub ] &&
        [ "$(at 230 375)" = $back ]; }
    if [ "$inlet" != $water ]; then
        flowing() { shot && [ "$(at 275 475)" = $water ] || dealt_again; }
        wait_for 15000 "the first flow tick after \"Pokračovat\" fills the inlet" flowing
        [ $(($(now_ms) - t0 - (resumed - paused))) -ge 23000 ] ||
            fail "the inlet filled $(($(now_ms) - t0 - (resumed - paused))) ms after the deal, the pause not counted"
        ticks=3
    fi
    wait_for 20000 "the spill deals the level again with a life less" dealt_again
    [ $(($(now_ms) - resumed)) -ge $((${ticks:-1} * 2000)) ] ||
        fail "the water moved on $(($(now_ms) - resumed)) ms after \"Pokračovat\", before ${ticks:-1} ticks"
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
    laid() {
        shot && for c in "226 326" "326 326" "326 226"; do [ "$(count_colour $c 98 98 $back)" -lt 8000 ] || return 1; done
    }
    wait_for 10000 "1 to 4 and Enter lay the pipeline under the cursor" laid
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
