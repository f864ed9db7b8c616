#!/usr/bin/env bash
# Two minutes of a careless player in a real X window (Xvfb): random clicks
# all over the window and on its buttons, pieces and cells, with random
# pauses between them. Never on "Quit to OS" (the only click that ends the
# game) and never on the banner (a browser that only writes down what it is
# asked to open stands in, and must stay unused).
#
# The game must stay alive and keep drawing: every few seconds its window is
# looked up by name and the text ticker along the bottom must have moved on
# (it changes at least every five seconds). Its resident memory at the end
# must be within 5 % of what it was after the first minute.
set -uo pipefail

game=${1:?usage: soak_test.sh path/to/vr-seeded-window [seconds]}
seconds=${2:-120}
. "$(dirname "$0")/xwindow.sh"

seed=${SOAK_SEED:-$(($(date +%s) % 32768))}
RANDOM=$seed
echo "soak: $seconds s, seed $seed (SOAK_SEED=$seed repeats the clicks)"

recording_browser
start_xvfb
start_game env PATH="$work/bin:$PATH" "$game"

# Places worth a click: the menu's and the panels' buttons, the credit
# line's targets, the offer, the Menu button. "Okay" and the story buttons
# are clicked below "Quit to OS".
targets=(
    "276 260" "276 316" "276 372" "276 458" "180 458" "376 458"
    "255 192" "271 192" "281 192" "297 192" "314 192"
    "605 70" "730 70" "605 195" "730 195" "667 432"
)
forbidden() { # x y: on "Quit to OS" or the banner, with a margin
    { [ "$1" -ge 180 ] && [ "$1" -le 373 ] && [ "$2" -ge 398 ] && [ "$2" -le 453 ]; } ||
        { [ "$1" -ge 545 ] && [ "$1" -le 790 ] && [ "$2" -ge 460 ] && [ "$2" -le 540 ]; }
}
rss_kb() { sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$game_pid/status"; }
ticker() { shot && signature 15 550 770 35; }

# The game answers: its window is there by name, and the ticker moves on.
probes=0
menus=0
boards=0
last_ticker=$(ticker)
probe() {
    alive || fail "the game ended after $clicks clicks"
    xdotool search --name "Vojtik Rournik" >/dev/null 2>&1 || fail "the window is gone after $clicks clicks"
    xdotool getwindowname "$wid" >/dev/null 2>&1 || fail "the window has no name after $clicks clicks"
    local now
    for _ in $(seq 60); do
        now=$(ticker)
        [ "$now" != "$last_ticker" ] && break
        sleep 0.1
    done
    [ "$now" != "$last_ticker" ] || fail "the ticker stood still for six seconds after $clicks clicks"
    last_ticker=$now
    probes=$((probes + 1))
    # What the player had on screen: the menu, or a board in play.
    [ "$(at 158 222)" = 755324 ] && menus=$((menus + 1))
    [ "$(at 275 475)" != 63461F ] && [ "$(at 158 222)" != 755324 ] && boards=$((boards + 1))
}

clicks=0
start=$(now_ms)
half=$((start + seconds * 500))
end=$((start + seconds * 1000))
next_probe=$((start + 5000))
rss_half=""
while [ "$(now_ms)" -lt "$end" ]; do
    r=$((RANDOM % 100))
    if [ "$r" -lt 35 ]; then
        read -r x y <<<"${targets[RANDOM % ${#targets[@]}]}"
        x=$((x + RANDOM % 9 - 4))
        y=$((y + RANDOM % 5 - 2))
    elif [ "$r" -lt 75 ]; then  # a cell of the board
        x=$((25 + RANDOM % 500))
        y=$((25 + RANDOM % 500))
    else                        # anywhere in the window
        x=$((RANDOM % 800))
        y=$((RANDOM % 600))
    fi
    forbidden "$x" "$y" && continue
    click "$x" "$y"
    clicks=$((clicks + 1))
    if [ $((RANDOM % 10)) = 0 ]; then
        sleep "1.$((RANDOM % 5))"  # long enough for a countdown second or a flow tick
    else
        sleep "0.$((RANDOM % 3))$((RANDOM % 10))"
    fi
    if [ -z "$rss_half" ] && [ "$(now_ms)" -ge "$half" ]; then
        rss_half=$(rss_kb)
        echo "soak: after $(((half - start) / 1000)) s and $clicks clicks, VmRSS $rss_half kB"
    fi
    if [ "$(now_ms)" -ge "$next_probe" ]; then
        probe
        next_probe=$(($(now_ms) + 5000))
    fi
done
probe
rss_end=$(rss_kb)
[ -n "$rss_half" ] && [ -n "$rss_end" ] || fail "no memory figures"
echo "soak: after $seconds s and $clicks clicks, VmRSS $rss_end kB"
pass "the game ran $clicks random clicks in $seconds s and answered $probes probes ($menus on the menu, $boards in play)"

growth=$(awk -v a="$rss_half" -v b="$rss_end" 'BEGIN { printf "%+.1f", (b - a) * 100 / a }')
[ "$rss_end" -le $((rss_half * 105 / 100)) ] && [ "$rss_end" -ge $((rss_half * 95 / 100)) ] ||
    fail "VmRSS went from $rss_half kB to $rss_end kB in the second half"
pass "VmRSS in the second half: $rss_half kB -> $rss_end kB ($growth %)"

[ -s "$work/opened" ] && fail "a click opened a browser: $(head -n 3 "$work/opened" | tr '\n' ' ')"
pass "no click opened a browser"
if [ -s "$work/game.log" ]; then
    echo "soak: the game wrote $(wc -l <"$work/game.log") lines:"
    sed -n '1,5s/^/  game: /p' "$work/game.log"
fi
echo "soak: $passed passed, 0 failed"
