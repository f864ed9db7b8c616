#!/usr/bin/env bash
# The game played from start to quit in a real X window (Xvfb), with the mouse
# through xdotool, and checked on screenshots by the colours at known places.
# The window deals a known first board (vr-seeded-window): the inlet at the
# bottom of column 3, one valve at (4, 2), and in offer slot 3 the two bends
# north-east and west-south.
#
#   play        the deal, laying a piece, the countdown's colours, the first
#               flow tick 23 s after the deal, a pause while the water flows,
#               a spill that costs a life, and a pause during the next
#               countdown
#   menu        the help screen, the credits sequence, the banner with a
#               browser that only records what it was asked to open, and
#               "Quit to OS"
#   no-browser  banner clicks with no browser on the machine: nothing
#               happens and the game goes on
set -uo pipefail

game=${1:?usage: e2e_test.sh path/to/vr-seeded-window play|menu|no-browser}
part=${2:?usage: e2e_test.sh path/to/vr-seeded-window play|menu|no-browser}
. "$(dirname "$0")/xwindow.sh"

# Colours of the window and the pictures.
back=63461F         # the window's background, and an empty cell
panel=755324        # the menu, help and credits panels
pipe=E8EAEE         # the bright side of an empty pipe
stub=C4C6CA         # the inlet's dry stub
water=6CA4FF        # water in a pipe
green=00C000        # the countdown from 20 down to 6
red=FF0000          # the countdown from 5 down to 0
readout=91BBFB      # "Level:", the level, the lives and "Životů"

# Places in the client area.
menu_panel="170 250"      # menu panel, left of "Nová Hra"; in play an empty cell
inlet="275 475"           # the middle of the inlet's stub, cell (3, 5)
above_inlet_west="230 375"  # cell (3, 4), beside its west edge
countdown_box="552 256 233 128"
lives_digit_box="552 320 35 89"  # the lives digit, left of the countdown's digits
level_box="616 256 161 97"
label1_box="560 280 113 25"

# Milliseconds since `t0`.
since() { echo $(($(now_ms) - t0)); }
wait_until() { # milliseconds after t0
    local left=$(($1 - $(since)))
    [ "$left" -gt 0 ] && sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
}
# The Menu button and "Pokračovat", each with what its click shows.
menu_button() { click 667 432; expect_pixel $menu_panel $panel "$1"; }
pokracovat() { click 276 316; expect_pixel $menu_panel $back "$1"; }
# When a point first shows water, in milliseconds after t0; fails if it does
# not by the given time.
blue_by() {
    local by=$1 x=$2 y=$3 when
    while [ "$(since)" -lt "$by" ]; do
        when=$(since)
        [ "$(pixel "$x" "$y")" = $water ] && { echo "$when"; return 0; }
        sleep 0.1
    done
    return 1
}

play() {
    start_game "$game"
    shot
    local level0 level1 lives5 lives4 count20 slot_before valve_before frozen when blue resumed c
    level0=$(count_colour $level_box $readout)
    [ "$level0" -gt 50 ] || fail "no level read-out at start ($level0 pixels)"

    click 276 260  # "Nová Hra"
    t0=$(now_ms)
    expect_pixel $menu_panel $back "\"Nová Hra\" hides the menu and shows the empty board"
    expect_pixel $inlet $stub "the dry inlet stands at the bottom of column 3"
    shot
    for c in "75 75" "475 75" "75 475" "475 475" "175 275" "275 375"; do expect_at $c $back "the cell at $c is empty"; done
    expect_at 375 175 CE4F46 "the valve's red wheel is in cell (4, 2)"
    for c in "555 20" "680 20" "555 145" "680 145"; do expect_count $c 100 100 $back -lt 9000 "offer slot at $c shows a piece"; done
    expect_count $countdown_box $green -gt 1000 "the countdown shows in green"
    expect_count $label1_box $readout -gt 20 "\"Level:\" is shown"
    expect_count $lives_digit_box $readout -gt 50 "the lives digit is shown"
    lives5=$(count_colour $lives_digit_box $readout)
    count20=$(signature $countdown_box)

    # A cell takes a piece only once a slot is chosen; the valve and the
    # inlet take none. Then slot 3 into cell (3, 4), just above the inlet.
    click 75 75
    sleep 0.3
    expect_pixel 75 75 $back "with no slot chosen a click on a cell lays nothing"
    slot_before=$(signature 560 150 90 90)
    valve_before=$(signature 330 130 90 90)
    click 605 195
    sleep 0.3
    shot
    [ "$(count_colour 555 145 100 1 $back)" -lt 10 ] || fail "the selected slot shows no border"
    click 375 175
    click 275 475
    sleep 0.3
    shot
    [ "$(signature 330 130 90 90)" = "$valve_before" ] && [ "$(at $inlet)" = $stub ] ||
        fail "a piece was laid on the valve or the inlet"
    expect_count 555 145 100 1 $back -lt 10 "the valve and the inlet take no piece, and slot 3 stays framed"
    click 275 375
    sleep 0.3
    shot
    [ "$(signature 230 330 90 90)" = "$slot_before" ] || fail "cell (3, 4) does not show the piece of slot 3"
    [ "$(signature 560 150 90 90)" != "$slot_before" ] || fail "slot 3 was not refilled with another piece"
    expect_count 555 145 100 1 $back -gt 50 "cell (3, 4) shows the piece, slot 3 a new one, unframed"
    expect_at $above_inlet_west $pipe "a dry pipe at the west edge of (3, 4)"
    [ "$(signature $countdown_box)" != "$count20" ] || fail "the countdown stands still"

    # 5 and below in red; after 0 the number goes, and the water starts 2 s later.
    wait_until 16600
    shot
    [ "$(count_colour $countdown_box $green)" = 0 ] || fail "the countdown is still green at $(since) ms"
    expect_count $countdown_box $red -gt 1000 "the countdown is red at 4"
    wait_until 21500
    shot
    when=$(since)
    [ "$(count_colour $countdown_box $green)" = 0 ] || fail "the countdown is still green at $when ms"
    expect_count $countdown_box $red = 0 "the countdown is gone at $when ms"
    expect_at $inlet $stub "no water in the inlet at $when ms, before the first flow tick"
    level1=$(count_colour $level_box $readout)
    [ "$level1" -gt 20 ] && [ "$level1" != "$level0" ] || fail "the level read-out did not change from 0 ($level1 pixels)"
    blue=$(blue_by 24000 $inlet) || fail "the inlet is not blue 24 s after the deal"
    pass "the first flow tick fills the inlet (blue at $blue ms)"

    # Paused over the second tick: the water waits under the menu, and flows
    # on a full tick after "Pokračovat".
    menu_button "the Menu button pauses the flowing water"
    wait_until 26000
    click 276 316  # "Pokračovat"
    resumed=$(since)
    expect_pixel $menu_panel $back "\"Pokračovat\" hides the menu"
    [ "$(pixel $above_inlet_west)" = $pipe ] || fail "the water moved on under the menu"
    blue=$(blue_by $((resumed + 3000)) $above_inlet_west) || fail "cell (3, 4) holds no water 3 s after \"Pokračovat\""
    [ $((blue - resumed)) -gt 1500 ] || fail "the water moved on $((blue - resumed)) ms after \"Pokračovat\""
    pass "the next tick fills the west-south bend of (3, 4) $((blue - resumed)) ms after \"Pokračovat\""

    # The water leaves westward into the empty (2, 4): a spill, one life
    # less, and the level dealt again.
    new_deal() { shot && lives4=$(count_colour $lives_digit_box $readout) && [ "$lives4" != "$lives5" ] && [ "$(at $inlet)" = $stub ]; }
    wait_for 5500 "the spill deals the level again with fewer lives" new_deal
    [ "$lives4" -gt 50 ] || fail "no lives digit after the spill ($lives5 -> $lives4 pixels)"
    expect_at $above_inlet_west $back "the new board is empty above the inlet"
    expect_count $countdown_box $green -gt 1000 "the new countdown is green"

    # Pause during the countdown: it stands still under the menu and goes on
    # after "Pokračovat".
    sleep 0.5
    menu_button "the Menu button pauses the game and shows the menu"
    frozen=$(signature $countdown_box)
    sleep 1.6
    shot
    [ "$(signature $countdown_box)" = "$frozen" ] || fail "the countdown runs on under the menu"
    pokracovat "\"Pokračovat\" hides the menu"
    countdown_moved() { shot && [ "$(signature $countdown_box)" != "$frozen" ]; }
    wait_for 3000 "the countdown stood still while paused and goes on after \"Pokračovat\"" countdown_moved
    [ "$(at $inlet)" = $stub ] || fail "water before the countdown's end"
    alive || fail "the game ended"
}

menu() {
    recording_browser
    start_game env PATH="$work/bin:$PATH" "$game"

    # The help screen over the menu, and "Okay" (below "Quit to OS").
    click 276 372
    expect_pixel 84 428 $panel "\"Intro aneb Malá Nápověda\" shows the help screen"
    shot
    expect_count 80 272 391 153 E0E0E0 -gt 300 "the help screen shows its text"
    click 276 458
    expect_pixel 84 428 $back "\"Okay\" closes the help screen"

    # The credit line's hidden targets, from the left 4, 1, 2, 3, 0.
    local -A dsel=([0]=314 [1]=271 [2]=281 [3]=297 [4]=255)
    local i
    for i in 3 1 3 4 0 2; do click "${dsel[$i]}" 192; sleep 0.1; done
    sleep 0.4
    expect_pixel 158 222 $panel "a broken sequence 3, 1, 3, 4, 0, 2 shows no credits"
    for i in 3 1 4 0 2; do click "${dsel[$i]}" 192; sleep 0.1; done
    credits_shown() { shot && [ "$(at 158 222)" != $panel ] && [ "$(count_colour 131 440 288 30 800000)" -gt 1000 ]; }
    wait_for 4000 "3, 1, 4, 0, 2 on the credit line shows the credits picture" credits_shown
    expect_count 140 434 273 39 $red -gt 50 "the credit line under the picture is red"
    click 275 260  # on the picture
    expect_pixel 158 222 $panel "a click on the picture closes the credits"

    # The banner, clickable while the menu is up; in play it takes no click.
    click 667 500
    wait_for 3000 "the banner click opens a browser" test -s "$work/opened"
    sleep 0.5
    [ "$(cat "$work/opened")" = "https://www.zabavklub.cz/" ] ||
        fail "the banner click opened: $(tr '\n' '|' <"$work/opened")"
    pass "one banner click opens https://www.zabavklub.cz/ once"
    click 276 260
    expect_pixel $menu_panel $back "\"Nová Hra\" starts a game"
    click 667 500
    sleep 0.2
    click 620 480
    sleep 1
    [ "$(wc -l <"$work/opened")" = 1 ] || fail "banner clicks during play opened a browser"
    shot
    expect_count $countdown_box $green -gt 1000 "banner clicks during play open nothing; the game goes on"

    # Paused, the banner works again.
    menu_button "the Menu button shows the menu"
    click 667 500
    opened_twice() { [ "$(wc -l <"$work/opened")" = 2 ]; }
    wait_for 3000 "the banner of the paused game opens the home page again" opened_twice
    click 276 428  # "Quit to OS"
    expect_quit
}

no_browser() {
    # No xdg-open, nor any browser Qt would look for, on the PATH.
    mkdir "$work/empty"
    start_game env -u BROWSER -u DEFAULT_BROWSER PATH="$work/empty" "$game"
    click 667 500
    sleep 0.3
    click 667 500
    sleep 0.5
    alive || fail "a banner click with no browser ended the game"
    expect_pixel 158 222 $panel "the menu stays after banner clicks with no browser"
    expect_pixel 300 40 $back "no other panel opens"
    grep -q "web browser" "$work/game.log" && echo "  (Qt says: $(grep -m1 "web browser" "$work/game.log"))"
    click 276 260
    expect_pixel $inlet $stub "\"Nová Hra\" deals the board after the failed banner clicks"
    shot
    expect_count $countdown_box $green -gt 1000 "the countdown runs"
    menu_button "the Menu button pauses the game"
    click 667 500
    sleep 0.3
    alive || fail "a banner click with no browser ended the paused game"
    pokracovat "\"Pokračovat\" resumes the game after a failed banner click"
    alive || fail "the game ended"
}

start_xvfb
begin=$(now_ms)
case "$part" in
    play) play ;;
    menu) menu ;;
    no-browser) no_browser ;;
    *) fail "no part named $part" ;;
esac
echo "real window, $part: $passed passed, 0 failed, $(($(now_ms) - begin)) ms"
