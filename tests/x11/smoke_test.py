#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts the real program on an X server and uses it as a person would: looks at it
through the accessibility tree, types and clicks with xdotool, presses its buttons as
assistive tools do, minimises it, starts it a second time, also from another workspace,
and ends it with "X"; then has another program destroy its window. Starting it again in
every other way is tests/x11/starting_again_test.py's.

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


class Session:
    """The program seen as a person using it sees it, step by step."""

    def __init__(self, program, env, velorin):
        self.program, self.env, self.velorin = program, env, velorin
        self.app = wait_for("the program in the accessibility tree", application)
        self.form1 = wait_for("the questionnaire window", lambda: windows(self.app, "Velorin"))[0]
        self.main_window = x_windows("Form1")[0]
        self.button = label(self.form1, "Calculate Your Skin Type")

    def opens_with_its_welcome(self):
        # Once the window manager has placed it: the window maps before it moves.
        check_soon(lambda: near(extents(self.form1), (659, 217, 601, 645)),
                   "questionnaire window 601 x 645, centred")
        self.welcome = wait_for("the welcome panel", lambda: windows(self.app, "Welcome"))[0]
        at_rest = (*resting_place(WELCOME_HEIGHT), PANEL_WIDTH, WELCOME_HEIGHT)
        check_soon(lambda: extents(self.welcome) == at_rest,
                   f"welcome panel rests at {at_rest[:2]}")
        check(xdotool("getwindowfocus", "getwindowname") == "Form1",
              "the questionnaire window keeps the keyboard focus")
        hints = subprocess.run(["xprop", "-id", str(x_windows("Form2")[0]), "WM_TRANSIENT_FOR",
                                "_NET_WM_STATE"], capture_output=True, text=True).stdout
        check(f"window id # {self.main_window:#x}" in hints,
              "the panels are windows of the questionnaire window")
        check("_NET_WM_STATE_SKIP_TASKBAR" in hints and "_NET_WM_STATE_SKIP_PAGER" in hints,
              "with no button of their own on a taskbar or a pager")

    def panels_go_and_come_with_the_window(self):
        # A press on the calculate button released elsewhere shows the result panel and
        # leaves the welcome panel: both are up.
        self.velorin.press_calculate_and_let_go_elsewhere()
        resting = {height: resting_place(height) for height in (WELCOME_HEIGHT, RESULT_HEIGHT)}

        def panels_at(mapped):
            panels = [placement(w) for w in x_windows("Form2")]
            return len(panels) == 2 and all(
                p and p.viewable == mapped and (p.x, p.y) == resting.get(p.height)
                for p in panels)

        wait_for("both panels at rest", lambda: panels_at(True), timeout=10)
        xdotool("windowminimize", self.main_window)
        check_soon(lambda: panels_at(False),
                   "minimising the questionnaire window takes both panels off the screen")
        xdotool("windowactivate", self.main_window)
        check_soon(lambda: panels_at(True), "restoring it brings both back to their places")

    def lists_read_with_their_questions(self):
        self.lists = [c for c in children(self.form1) if c.getRoleName() == "combo box"]
        check(len(self.lists) == 10, "ten answer lists")
        entries = [[item.name for part in children(lst) for item in children(part)]
                   for lst in self.lists]
        check(all(len(e) == 4 and lst.name == e[0] for lst, e in zip(self.lists, entries)),
              "each list offers four entries and shows its first")
        check(all(labelled_by(lst) == [QUESTION_OF_LIST[e[0]]]
                  for lst, e in zip(self.lists, entries)),
              "each list is labelled by its question")
        check(one_line(a.name for a in descendants(self.app)),
              "no accessible name holds a line break or trailing blank")
        # Assistive technology may offer to edit a list's text; the list keeps what it shows.
        field = next(c for c in children(self.lists[0]) if c.getRoleName() == "text")
        shown = field.queryText().getText(0, -1)
        field.queryEditableText().insertText(0, "Dark", 4)
        wait_for("the first list to refuse text written into it",
                 lambda: field.queryText().getText(0, -1) == shown, timeout=5)
        check(shown == entries[0][0], "an edit through the accessibility interface is refused")

    def result_panel(self):
        for panel in windows(self.app, "Result"):
            if EXPECTED_POINTS_LINE in [c.name for c in children(panel)]:
                return panel
        return None

    def calculates_what_was_chosen(self):
        # The focus starts in the first list: four answers of 4 points, six unanswered.
        for question in range(4):
            xdotool("key", "--delay", "30", "Down", "Down", "Down", "Down")
            xdotool("key", "Tab")
        xdotool("mousemove", *centre(self.button))
        xdotool("click", "1")
        self.result = wait_for("the result panel with the points", self.result_panel, timeout=10)
        check(EXPECTED_SKIN_TYPE in [c.name for c in children(self.result)],
              "the result panel shows skin type II")
        check(not showing(self.welcome), "the welcome panel is hidden by the calculation")
        at_rest = (*resting_place(RESULT_HEIGHT), PANEL_WIDTH, RESULT_HEIGHT)
        check_soon(lambda: extents(self.result) == at_rest, f"result panel rests at {at_rest[:2]}")
        self.velorin.drag_caption_bar(100, 50)
        check_soon(lambda: near(extents(self.form1)[:2], (659 + 100, 217 + 50)),
                   "dragging the caption bar moves the window")

    def starting_again_brings_the_window(self):
        # Another program's window over the questionnaire, then a second start.
        with other_program("+700+250") as cover:
            wait_for("the other window on top", lambda: lies_above(cover, self.main_window),
                     timeout=5)
            second = subprocess.run([self.program], env=self.env, timeout=20)
            check(second.returncode == 0, "a second start ends at once")
            check(x_windows("Form1") == [self.main_window] and self.velorin.process.poll() is None,
                  "one questionnaire window, of the program already running")
            check_soon(lambda: lies_above(self.main_window, cover),
                       "the running questionnaire window comes forward")
        switch_workspace(1)
        subprocess.run([self.program], env=self.env, timeout=20, check=True)
        check_soon(lambda: current_workspace() == 0 and active_window_name() == "Form1",
                   "a second start from another workspace takes the user to the window, active")

    def buttons_press_as_assistive_tools_press(self):
        press(label(self.result, "X"))
        check_soon(lambda: not windows(self.app, "Result"),
                   "pressing the result panel's X closes it")
        press(self.button)
        result = wait_for("the result panel again", self.result_panel, timeout=10)
        check(EXPECTED_SKIN_TYPE in [c.name for c in children(result)],
              "pressing the calculate button calculates")
        press(label(self.form1, "?"))
        alerts = lambda: [w for w in children(self.app) if role(w) == "alert"]
        about = wait_for("the about message", alerts)[0]
        check(about.name == "Velorin", "pressing ? opens the about message")
        check(one_line(a.name for a in descendants(about)), "the about message reads as one line")
        press(next(a for a in descendants(about) if a.name == "OK"))
        wait_for("the about message to close", lambda: not alerts())

    def x_ends_it(self):
        xdotool("mousemove", *centre(label(self.form1, "X")))
        xdotool("click", "1")
        check_ends(self.velorin.process, "X")


def main(program):
    pyatspi.Registry.getDesktop(0)  # brings the accessibility bus up before the program
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with Program(program, env) as velorin:
        session = Session(program, env, velorin)
        session.opens_with_its_welcome()
        session.panels_go_and_come_with_the_window()
        session.lists_read_with_their_questions()
        session.calculates_what_was_chosen()
        session.starting_again_brings_the_window()
        session.buttons_press_as_assistive_tools_press()
        session.x_ends_it()

    with Program(program, env) as velorin:
        xdotool("windowclose", velorin.window())
        check_ends(velorin.process, "another program destroying the questionnaire window")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
