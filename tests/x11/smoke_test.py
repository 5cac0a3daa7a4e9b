#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts the real program on an X server and uses it as a person would: looks at it
through the accessibility tree, types and clicks with xdotool, presses its buttons as
assistive tools do, minimises it, starts it a second time, also from another workspace,
and ends it with "X"; then has another program destroy its window.

Run inside scripts/with-xvfb --wm -- dbus-run-session -- (a 1920 x 1080 screen)."""

import os
import subprocess
import sys

import pyatspi

from accessible_tree import application, children, role, showing, windows
from checks import QUESTIONS, check, check_ends, check_soon, fail, wait_for, xdotool
from desktop import (PANEL_WIDTH, RESULT_HEIGHT, WELCOME_HEIGHT, Program, active_window_name,
                     current_workspace, other_program, placement, resting_place, switch_workspace,
                     x_windows)

EXPECTED_POINTS_LINE = "Your Point is 22"
EXPECTED_SKIN_TYPE = "Your Skin Type is II (Light Skinned European)"
# Each list's question, by the list's first entry.
QUESTION_OF_LIST = dict(zip(
    ["Reddish", "Bright blue,light grey,light green", "red to blond", "Less than 15 minutes",
     "Lots", "Never", "Hardly or not at all", "Yes strongly",
     "Painfully with blisters and peeling", "Always burn"], QUESTIONS))


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def centre(accessible):
    x, y, width, height = extents(accessible)
    return x + width // 2, y + height // 2


def label(window, name):
    """A label of the window by its text; the clickable ones are push buttons to the tools."""
    for child in children(window):
        if child.getRoleName() in ("label", "push button") and child.name == name:
            return child
    fail(f"no label {name!r} in {window.name!r}")


def top_level(window):
    """The window manager's frame around the window: the root's child that holds it."""
    while True:
        out = subprocess.run(["xwininfo", "-tree", "-id", str(window)], check=True,
                             capture_output=True, text=True).stdout
        parent = int(out.split("Parent window id: ")[1].split()[0], 16)
        root = int(out.split("Root window id: ")[1].split()[0], 16)
        if parent == root:
            return window
        window = parent


def lies_above(upper, lower):
    """Whether one window stands above the other in the stack, frames and all."""
    out = subprocess.run(["xwininfo", "-root", "-children"], check=True, capture_output=True,
                         text=True).stdout
    top_first = [int(line.split()[0], 16) for line in out.splitlines()
                 if line.strip().startswith("0x")]
    return top_first.index(top_level(upper)) < top_first.index(top_level(lower))


def press(accessible):
    """What a screen reader does to press a button: its press action, no pointer involved."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{accessible.name!r} offers no press action, only {names}")
    action.doAction(names.index("Press"))


def labelled_by(accessible):
    return [target.name for relation in accessible.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]


def descendants(accessible):
    yield accessible
    for child in children(accessible):
        yield from descendants(child)


def one_line(names):
    return not [n for n in names if "\r" in n or "\n" in n or n != n.rstrip()]


def near(actual, expected, slack=1):
    return all(abs(a - e) <= slack for a, e in zip(actual, expected))


def calls_from_another_user_are_ignored(other_window):
    """Another local user's process calls the program where later starts call it, while the
    user works in another program's window."""
    if os.getuid() != 0:
        print("skipped: calls from another user need root to be made")
        return
    address = f"\\0org.example.Velorin-{os.getuid()}-{os.environ['DISPLAY']}"
    call = (f"import socket; s = socket.socket(socket.AF_UNIX); s.connect('{address}');"
            "s.settimeout(3); s.recv(1)")
    xdotool("windowactivate", "--sync", other_window)
    subprocess.run(["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                    "/usr/bin/python3", "-c", call], check=True, timeout=20)
    xdotool("sleep", "0.5")
    check(int(xdotool("getactivewindow")) == other_window,
          "a call from another user's process leaves the active window as it was")


def main(program):
    pyatspi.Registry.getDesktop(0)  # brings the accessibility bus up before the program
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with Program(program, env) as velorin:
        app = wait_for("the program in the accessibility tree", application)
        form1 = wait_for("the questionnaire window", lambda: windows(app, "Velorin"))[0]
        # Once the window manager has placed it: the window maps before it moves.
        check_soon(lambda: near(extents(form1), (659, 217, 601, 645)),
                   "questionnaire window 601 x 645, centred")

        welcome = wait_for("the welcome panel", lambda: windows(app, "Welcome"))[0]
        at_rest = (*resting_place(WELCOME_HEIGHT), PANEL_WIDTH, WELCOME_HEIGHT)
        wait_for("the welcome panel at rest", lambda: extents(welcome)[1] == at_rest[1], timeout=10)
        check(extents(welcome) == at_rest, f"welcome panel rests at {at_rest[:2]}")
        check(xdotool("getwindowfocus", "getwindowname") == "Form1",
              "the questionnaire window keeps the keyboard focus")

        main_window = x_windows("Form1")[0]
        hints = subprocess.run(["xprop", "-id", str(x_windows("Form2")[0]), "WM_TRANSIENT_FOR",
                                "_NET_WM_STATE"], capture_output=True, text=True).stdout
        check(f"window id # {main_window:#x}" in hints,
              "the panels are windows of the questionnaire window")
        check("_NET_WM_STATE_SKIP_TASKBAR" in hints and "_NET_WM_STATE_SKIP_PAGER" in hints,
              "with no button of their own on a taskbar or a pager")

        # A press on the calculate button released elsewhere shows the result panel and
        # leaves the welcome panel: both are up.
        velorin.press_calculate_and_let_go_elsewhere()
        resting = {height: resting_place(height) for height in (WELCOME_HEIGHT, RESULT_HEIGHT)}

        def panels_at(mapped):
            panels = [placement(w) for w in x_windows("Form2")]
            return len(panels) == 2 and all(
                p and p.viewable == mapped and (p.x, p.y) == resting.get(p.height)
                for p in panels)

        wait_for("both panels at rest", lambda: panels_at(True), timeout=10)
        xdotool("windowminimize", main_window)
        check_soon(lambda: panels_at(False),
                   "minimising the questionnaire window takes both panels off the screen")
        xdotool("windowactivate", main_window)
        check_soon(lambda: panels_at(True), "restoring it brings both back to their places")

        lists = [c for c in children(form1) if c.getRoleName() == "combo box"]
        check(len(lists) == 10, "ten answer lists")
        entries = [[item.name for part in children(lst) for item in children(part)] for lst in lists]
        check(all(len(e) == 4 and lst.name == e[0] for lst, e in zip(lists, entries)),
              "each list offers four entries and shows its first")
        check(all(labelled_by(lst) == [QUESTION_OF_LIST[e[0]]] for lst, e in zip(lists, entries)),
              "each list is labelled by its question")
        check(one_line(a.name for a in descendants(app)),
              "no accessible name holds a line break or trailing blank")
        # Assistive technology may offer to edit a list's text; the list keeps what it shows.
        field = next(c for c in children(lists[0]) if c.getRoleName() == "text")
        shown = field.queryText().getText(0, -1)
        field.queryEditableText().insertText(0, "Dark", 4)
        wait_for("the first list to refuse text written into it",
                 lambda: field.queryText().getText(0, -1) == shown, timeout=5)
        check(shown == entries[0][0], "an edit through the accessibility interface is refused")
        # The focus starts in the first list: four answers of 4 points, six unanswered.
        for question in range(4):
            xdotool("key", "--delay", "30", "Down", "Down", "Down", "Down")
            xdotool("key", "Tab")
        button = label(form1, "Calculate Your Skin Type")
        xdotool("mousemove", *centre(button))
        xdotool("click", "1")

        def result_panel():
            for panel in windows(app, "Result"):
                names = [c.name for c in children(panel)]
                if EXPECTED_POINTS_LINE in names:
                    return panel
            return None

        result = wait_for("the result panel with the points", result_panel, timeout=10)
        names = [c.name for c in children(result)]
        check(EXPECTED_SKIN_TYPE in names, "the result panel shows skin type II")
        check(not showing(welcome), "the welcome panel is hidden by the calculation")
        at_rest = (*resting_place(RESULT_HEIGHT), PANEL_WIDTH, RESULT_HEIGHT)
        wait_for("the result panel at rest", lambda: extents(result)[1] == at_rest[1], timeout=10)
        check(extents(result) == at_rest, f"result panel rests at {at_rest[:2]}")

        velorin.drag_caption_bar(100, 50)
        check_soon(lambda: near(extents(form1)[:2], (659 + 100, 217 + 50)),
                   "dragging the caption bar moves the window")

        # Another program's window over the questionnaire, then a second start.
        with other_program("+700+250") as cover:
            wait_for("the other window on top", lambda: lies_above(cover, main_window), timeout=5)
            second = subprocess.run([program], env=env, timeout=20)
            check(second.returncode == 0, "a second start ends at once")
            check(x_windows("Form1") == [main_window] and velorin.process.poll() is None,
                  "one questionnaire window, of the program already running")
            check_soon(lambda: lies_above(main_window, cover),
                       "the running questionnaire window comes forward")
            calls_from_another_user_are_ignored(cover)
        switch_workspace(1)
        subprocess.run([program], env=env, timeout=20, check=True)
        check_soon(lambda: current_workspace() == 0 and active_window_name() == "Form1",
                   "a second start from another workspace takes the user to the window, active")
        press(label(result, "X"))
        check_soon(lambda: not windows(app, "Result"), "pressing the result panel's X closes it")
        press(button)
        result = wait_for("the result panel again", result_panel, timeout=10)
        check(EXPECTED_SKIN_TYPE in [c.name for c in children(result)],
              "pressing the calculate button calculates")
        press(label(form1, "?"))
        about = wait_for("the about message",
                         lambda: [w for w in children(app) if role(w) == "alert"])[0]
        check(about.name == "Velorin", "pressing ? opens the about message")
        check(one_line(a.name for a in descendants(about)), "the about message reads as one line")
        press(next(a for a in descendants(about) if a.name == "OK"))
        wait_for("the about message to close",
                 lambda: not [w for w in children(app) if role(w) == "alert"])

        xdotool("mousemove", *centre(label(form1, "X")))
        xdotool("click", "1")
        check_ends(velorin.process, "X")

    with Program(program, env) as velorin:
        xdotool("windowclose", velorin.window())
        check_ends(velorin.process, "another program destroying the questionnaire window")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
