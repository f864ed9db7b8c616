#!/usr/bin/env bash
# The game as a screen reader meets it: the window on a virtual X server with a session bus and
# an accessibility bus of its own, read and played through AT-SPI (what Orca uses) by
# atspi_test.py. Every process it starts it stops by its id.
game=${1:?usage: atspi_test.sh path/to/vr-seeded-window}
. "$(dirname "$0")/xwindow.sh"

bus_pid="" reader_pid="" launcher_pid="" a11y_pid="" a11y=""
stop_buses() {
    local p registry=""
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    # The registry is started by the accessibility bus, not by us.
    [ -n "$a11y" ] && registry=$(dbus-send --bus="$a11y" --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry 2>/dev/null | awk '{print $NF}')
    for p in $reader_pid $launcher_pid $a11y_pid $registry $bus_pid; do kill "$p" 2>/dev/null; done
    cleanup
}
trap stop_buses EXIT

start_xvfb
dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" \
    --print-address=3 3>"$work/bus.addr" 2>"$work/bus.log" &
bus_pid=$!
for _ in $(seq 100); do [ -s "$work/bus.addr" ] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus.addr")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "no session bus"
# Qt looks for the accessibility bus once, at start: it must be there first. Its address is
# asked for once our launcher holds its name (earlier, the session bus would start another).
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
        a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
    [ -n "$a11y" ] && break
    sleep 0.05
done
[ -n "$a11y" ] || fail "no accessibility bus: $(cat "$work/launcher.log")"
a11y=${a11y// /}
a11y_pid=$(ps -o pid= --ppid "$launcher_pid" | tr -d ' ' | head -n1)

# Qt tells assistive technology about the window although no screen reader
# announced itself on the bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 -u "$(dirname "$0")/atspi_test.py" "$(basename "$game")" "$work" &
reader_pid=$!
wait_for 60000 "the screen reader listens" test -e "$work/listening"
start_game "$game"
echo "$wid" >"$work/shown.new" && mv "$work/shown.new" "$work/shown"
wait "$reader_pid" || fail "the screen reader's checks"
expect_quit
echo "AT-SPI: every check passed"
