#!/usr/bin/python3
# A screen reader's turn at the game through AT-SPI alone, run by atspi_test.sh on the window
# of known deals (vr-seeded-window: offer slot 3 holds the double elbow): the menu, "Nová Hra",
# the board as a table, a piece laid by presses, what the game announces, the keys' focus as the
# cursor moves and a piece laid from the keys, the pause and quitting.
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

ELBOWS = "dvojité koleno shora doprava a zleva dolů"
NAME, CHECKED = "object:property-change:accessible-name", "object:state-changed:checked"
FOCUSED = "object:state-changed:focused"


def states(o):
    return {pyatspi.stateToString(s) for s in o.getState().getStates()}


def shown(o):  # what is on screen below o, depth first
    for c in (o.getChildAtIndex(i) for i in range(o.childCount)):
        if c is not None and "showing" in states(c):
            yield c
            yield from shown(c)


def check(what, test, seconds=20.0):  # tries the test until it holds (a busy machine is slow); else shows the screen, fails
    end = time.monotonic() + seconds
    while not test():
        if time.monotonic() >= end:
            print("FAIL: " + what)
            for o in shown(app) if app else []:
                print(f'  {o.getRoleName()} "{o.name}" {sorted(states(o))}')
            sys.exit(1)
        time.sleep(0.05)
    print("ok: " + what)


def role(o):  # at-spi2-core 2.56 names the push button's role "button", earlier ones "push button"
    return "push button" if o.getRoleName() == "button" else o.getRoleName()


def find(name_of_role, name=".*"):  # the first object on screen in that role whose whole name matches
    return next((o for o in shown(app) if role(o) == name_of_role and re.fullmatch(name, o.name)), None)


def press(o):
    act = o.queryAction()
    act.doAction([act.getName(i) for i in range(act.nActions)].index("Press"))


pyatspi.setTimeout(3000, 15000)
app, heard, focused = None, [], []
# Listening before the game starts, so that whatever it announces is heard however slowly the machine goes:
# atspi_test.sh starts the game once "listening" is in the folder of the second argument, and writes the id of
# its window to "shown" there when the window shows the menu.
pyatspi.Registry.registerEventListener(lambda e: heard.append((e.type, e.detail1, e.source)), NAME, CHECKED)
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and focused.append(e.source), FOCUSED)
open(f"{sys.argv[2]}/listening", "w").close()
check("the game's window shows the menu", lambda: os.path.exists(f"{sys.argv[2]}/shown"), 120)
check(f"{sys.argv[1]} is on the accessibility bus", lambda: any(
    a and a.name == sys.argv[1] and a.childCount for a in pyatspi.Registry.getDesktop(0)), 60)
app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == sys.argv[1])

objects = list(shown(app))
buttons = {o.name: "enabled" in states(o) for o in objects if role(o) == "push button"}
unnamed = [o.getRoleName() for o in objects if not o.name]
check(f'the menu reads "Nová Hra", "Pokračovat" (not enabled), "Intro aneb Malá Nápověda", "Quit to OS"; '
      f"{len(objects)} objects on screen, unnamed: {unnamed}", lambda: len(unnamed) <= 2 and "filler" not in unnamed
      and [buttons.get(b) for b in ("Nová Hra", "Pokračovat", "Intro aneb Malá Nápověda", "Quit to OS")] == [1, 0, 1, 1], 0)

press(find("push button", "Nová Hra"))
check('"Nová Hra" pressed deals level 1, the countdown at "20"', lambda: find("label", "Level: 1") and find("label", "20"))
countdown = find("label", "20")
board = find("table", "Hrací plocha")
table, cells = board.queryTable(), [board.getChildAtIndex(i) for i in range(board.childCount)]
check("the board is a table of 5 x 5 cells named by row, column and content, the inlet at (5, 3)", lambda: (
    (table.nRows, table.nColumns, len(cells)) == (5, 5, 25)
    and all(c.getRoleName() == "table cell" and c.name.startswith(f"řádek {i // 5 + 1}, sloupec {i % 5 + 1}: ")
            for i, c in enumerate(cells))
    and table.getAccessibleAt(4, 2).name == "řádek 5, sloupec 3: přívod vody"), 0)

slot = find("radio button", ELBOWS)
press(slot)
check("a pressed offer slot is checked", lambda: "checked" in states(slot))
cell = next(c for c in cells if c.name.endswith("prázdné") and "enabled" in states(c))
laid = cell.name.replace("prázdné", ELBOWS)
press(cell)
check("a pressed empty cell holds the piece and takes no other; the slot is refilled, not checked", lambda: (
    cell.name == laid and "enabled" not in states(cell) and "checked" not in states(slot) and slot.name != ELBOWS))

# The keys (the window has X's input focus): the first shows the cursor above the inlet, the
# arrows move it, 1 and Enter lay slot 1's piece under it; heard below.
keys = ["Right", "Left", "Up", "Down", "1", "Return"]
wid = open(f"{sys.argv[2]}/shown").read().strip()
subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
for k in keys:
    subprocess.run(["xdotool", "key", k], check=True)
    time.sleep(0.1)
under = table.getAccessibleAt(3, 1)

# Heard until the ticker has typed its line (about 8 s after the start), the laying has been announced
# and the focus has followed every key.
ticker = [o for o in shown(app) if o.getRoleName() == "label"][-1]
announced = [(NAME, 0, cell), (NAME, 0, slot), (CHECKED, 1, slot), (CHECKED, 0, slot), (NAME, 0, countdown)]
deadline = time.monotonic() + 60


def listen():
    done = (NAME, 0, ticker) in heard and all(e in heard for e in announced + [(NAME, 0, under)]) and len(
        focused) >= 4
    if done or time.monotonic() > deadline:
        pyatspi.Registry.stop()
    return not done


GLib.timeout_add(100, listen)
pyatspi.Registry.start()  # hears what the game announced
check("the ticker says its whole line once, not a name per letter", lambda: (
    [e[2] for e in heard if e[0] == NAME].count(ticker) == 1
    and ticker.name == "www.zabavklub.cz  -  Hry a zábava pro vás"), 0)
check("the laid piece, the refilled slot, its selection and the countdown are announced", lambda: all(
    e in heard for e in announced), 0)

moves = [table.getAccessibleAt(r, c) for r, c in [(3, 2), (3, 1), (2, 1), (3, 1)]]
check(f"the focus is announced on each cell the keys move it to: {[o.name for o in focused]}", lambda: (
    focused == moves and moves[0].name == "řádek 4, sloupec 3: prázdné"), 0)
check(f'1 and Enter lay a piece under the cursor, and its new name is announced: "{under.name}"', lambda: (
    not under.name.endswith("prázdné") and (NAME, 0, under) in heard and "focused" in states(under)), 0)

press(find("push button", "Menu"))
check('"Menu" pauses the game: "Pokračovat" is enabled', lambda: "enabled" in states(find("push button", "Pokračovat")))
try:
    press(find("push button", "Quit to OS"))
except Exception:  # the game may end before it answers
    pass
