#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program on a desktop as people run it, judged by what the screen shows: the panels
rest where they should, belong to the questionnaire window (covered by windows raised over
it and by full-screen windows, away while it is minimised or on another workspace) and never
take the focus; above a taskbar they rest wholly above it. KWin's window switchers (Alt+Tab)
offer the questionnaire window alone.

With --monitors, two monitors instead: a 1920 x 1080 one at the origin and the primary one,
1280 x 1024, to its right. The questionnaire window opens on the primary monitor and the
welcome panel rests at its bottom-right corner; dragged to the other monitor, the window
shows its result at that monitor's corner.

Run inside scripts/with-xvfb --wm=NAME --session-bus -- (a 1920 x 1080 screen), or with
--size 3200x1080 for --monitors, for each window manager."""

import sys

import kwin
from checks import check, check_soon, wait_for, xdotool
from desktop import (RESULT_HEIGHT, TASKBAR_COLOUR, WELCOME_HEIGHT, WHITE, Program,
                     active_window_name, caption_bar_hidden, caption_bar_shows, click, geometry,
                     make_full_screen, other_program, panel_at, pixel, resting_place,
                     set_monitors, switch_workspace, taskbar, window_manager, work_area_bottom)


def shown(place):
    return lambda: caption_bar_shows(*place)


def hidden(place):
    return lambda: caption_bar_hidden(*place)


def panels_belong_to_the_window(program):
    welcome = resting_place(WELCOME_HEIGHT)
    check_soon(lambda: program.place() == (659, 217), "the questionnaire window opens centred")
    check_soon(lambda: panel_at(WELCOME_HEIGHT, welcome) and caption_bar_shows(*welcome),
               f"the welcome panel rests at {welcome}, on the screen", timeout=15)
    check(active_window_name() == "Form1", "the questionnaire window keeps the focus")

    with other_program() as other:
        check_soon(hidden(welcome), "another program's window raised over it covers the panel")
        make_full_screen(other)
        check_soon(hidden(welcome), "a full-screen window covers the panel")
        click(300, 300)
        check_soon(hidden(welcome), "and still covers it once clicked into")
    xdotool("windowactivate", "--sync", program.window())
    check_soon(shown(welcome), "the panel is back once the other program has gone")

    switch_workspace(1)
    check_soon(hidden(welcome), "no panel shows on another workspace")
    switch_workspace(0)
    check_soon(shown(welcome), "the panel is back on the questionnaire's workspace")

    xdotool("windowminimize", "--sync", program.window())
    check_soon(hidden(welcome), "the panel leaves with the minimised window")
    xdotool("windowactivate", "--sync", program.window())
    check_soon(shown(welcome), "and comes back with it")

    click(welcome[0] + 96, welcome[1] + 100)
    check_soon(lambda: active_window_name() == "Form1",
               "a click on the panel leaves the focus in the questionnaire window")


def panels_rest_above_the_taskbar(program, bottom):
    welcome = resting_place(WELCOME_HEIGHT, bottom=bottom)
    result = resting_place(RESULT_HEIGHT, bottom=bottom)
    check_soon(lambda: panel_at(WELCOME_HEIGHT, welcome) and caption_bar_shows(*welcome),
               f"the welcome panel rests wholly above a taskbar at y {bottom}", timeout=15)
    program.press_calculate_and_let_go_elsewhere()
    # Its frame's bottom line is the panel's last row.
    frame_bottom = (result[0] + 96, result[1] + RESULT_HEIGHT - 1)
    check_soon(lambda: panel_at(RESULT_HEIGHT, result) and caption_bar_shows(*result) and
               pixel(*frame_bottom) == WHITE,
               "the result panel rests wholly above it, its lower edge in view", timeout=15)
    check(pixel(1800, bottom + 20) == TASKBAR_COLOUR, "the taskbar stays in view")
    if window_manager() == "KWin":
        offered = kwin.switcher_entries()
        check(offered.get("Form1") == [True] and offered.get("Form2") == [False, False],
              "KWin's window switchers offer the questionnaire window, neither panel")


def panels_follow_the_window_across_monitors(program):
    window = program.window()
    # Once the window manager has placed it: kwin maps a window before it moves it.
    check_soon(lambda: geometry(window) == (2259, 189, 601, 645),
               "the window opens centred on the primary monitor")
    corner = resting_place(WELCOME_HEIGHT, right=1920 + 1280, bottom=1024)
    check_soon(lambda: panel_at(WELCOME_HEIGHT, corner) and caption_bar_shows(*corner),
               "the welcome panel rests at the primary monitor's bottom-right", timeout=15)

    program.drag_caption_bar(-1600, 0)
    check_soon(lambda: program.place() == (659, 189), "the window is dragged across")
    program.calculate()
    corner = resting_place(RESULT_HEIGHT)
    check_soon(lambda: panel_at(RESULT_HEIGHT, corner) and caption_bar_shows(*corner),
               "its result rests at the other monitor's bottom-right", timeout=15)


def on_one_monitor(path):
    with Program(path) as program:
        panels_belong_to_the_window(program)
        program.close()
    with taskbar() as bottom:
        wait_for("the window manager to keep the taskbar's strip free",
                 lambda: work_area_bottom() == bottom)
        with Program(path) as program:
            panels_rest_above_the_taskbar(program, bottom)
            program.close()


def on_two_monitors(path):
    set_monitors(("primary", 1280, 1024, 1920, 0), ("left", 1920, 1080, 0, 0))
    with Program(path) as program:
        panels_follow_the_window_across_monitors(program)
        program.close()


def main(path, *options):
    if "--monitors" in options:
        on_two_monitors(path)
    else:
        on_one_monitor(path)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
