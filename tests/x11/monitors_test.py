#!/usr/bin/python3
"""Two monitors: a 1920 x 1080 one at the origin and the primary one, 1280 x 1024, to its
right. The questionnaire window opens on the primary monitor and the welcome panel rests at
its bottom-right corner; dragged to the other monitor, the window shows its result at that
monitor's corner.

Run inside scripts/with-xvfb --wm=NAME --size 3200x1080 --, for each window manager."""

import subprocess
import sys

from checks import check, check_ends, check_soon, wait_for, xdotool
from desktop import (RESULT_HEIGHT, WELCOME_HEIGHT, caption_bar_shows, click, geometry, panel_at,
                     set_monitors, x_windows)


def drag_caption_bar(window, by):
    x, y = geometry(window)[:2]
    xdotool("mousemove", x + 60, y + 12, "mousedown", "1")
    for step in range(1, 21):
        xdotool("mousemove", x + 60 + by * step // 20, y + 12)
    xdotool("mouseup", "1")


def main(path):
    set_monitors(("primary", 1280, 1024, 1920, 0), ("left", 1920, 1080, 0, 0))
    program = subprocess.Popen([path])
    try:
        window = wait_for("the questionnaire window",
                          lambda: [w for w in x_windows("Form1") if geometry(w)])[0]
        check(geometry(window) == (2259, 189, 601, 645),
              "the window opens centred on the primary monitor")
        corner = (3000, 834)
        check_soon(lambda: panel_at(WELCOME_HEIGHT, corner) and caption_bar_shows(*corner),
                   "the welcome panel rests at the primary monitor's bottom-right", timeout=15)

        drag_caption_bar(window, -1600)
        check_soon(lambda: geometry(window)[:2] == (659, 189), "the window is dragged across")
        click(659 + 300, 189 + 620)
        corner = (1720, 713)
        check_soon(lambda: panel_at(RESULT_HEIGHT, corner) and caption_bar_shows(*corner),
                   "its result rests at the other monitor's bottom-right", timeout=15)
        click(659 + 573, 189 + 6)
        check_ends(program, "the questionnaire window's X")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
