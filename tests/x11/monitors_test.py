#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Two monitors: a 1920 x 1080 one at the origin and the primary one, 1280 x 1024, to its
right. The questionnaire window opens on the primary monitor and the welcome panel rests at
its bottom-right corner; dragged to the other monitor, the window shows its result at that
monitor's corner.

Run inside scripts/with-xvfb --wm=NAME --size 3200x1080 --, for each window manager."""

import sys

from checks import check_soon, xdotool
from desktop import (RESULT_HEIGHT, WELCOME_HEIGHT, Program, caption_bar_shows, geometry,
                     panel_at, set_monitors)


def drag_caption_bar(window, by):
    x, y = geometry(window)[:2]
    xdotool("mousemove", x + 60, y + 12, "mousedown", "1")
    for step in range(1, 21):
        xdotool("mousemove", x + 60 + by * step // 20, y + 12)
    xdotool("mouseup", "1")


def main(path):
    set_monitors(("primary", 1280, 1024, 1920, 0), ("left", 1920, 1080, 0, 0))
    with Program(path) as program:
        window = program.window()
        # Once the window manager has placed it: kwin maps a window before it moves it.
        check_soon(lambda: geometry(window) == (2259, 189, 601, 645),
                   "the window opens centred on the primary monitor")
        corner = (3000, 834)
        check_soon(lambda: panel_at(WELCOME_HEIGHT, corner) and caption_bar_shows(*corner),
                   "the welcome panel rests at the primary monitor's bottom-right", timeout=15)

        drag_caption_bar(window, -1600)
        check_soon(lambda: program.place() == (659, 189), "the window is dragged across")
        program.calculate()
        corner = (1720, 713)
        check_soon(lambda: panel_at(RESULT_HEIGHT, corner) and caption_bar_shows(*corner),
                   "its result rests at the other monitor's bottom-right", timeout=15)
        program.close()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
