#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Where the questionnaire window stands on a 1366 x 768 screen at the desktop's text scales:
centred where it fits, and where it is too tall, at the top, so that its caption bar with
"X" and "?" stays on the screen.

Run inside scripts/with-xvfb --wm --size 1366x768 --."""

import os
import subprocess
import sys

from checks import check, wait_for, xdotool

# Scale, then the window in screen pixels (left, top, width, height), worked out by hand.
CASES = [
    # 601 x 645 fits: centred, (1366 - 601) / 2 and (768 - 645) / 2.
    ("1", (382, 61, 601, 645)),
    # 601 x 645 logical pixels are 751 x 806 on the screen, too tall for 768: at the top, and
    # centred across, (1093 - 601) / 2 = 246 logical pixels, 307.5 on the screen.
    ("1.25", (307.5, 0, 751, 806)),
]


def visible_window(name):
    """The window's id once it is mapped. The search is asked again while nothing is found:
    xdotool gives up on the whole search when another window vanishes under it."""
    search = ["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"]
    return wait_for(f"a visible window {name!r}", lambda: subprocess.run(
        search, capture_output=True, text=True, timeout=30).stdout.split(), timeout=30)[0]


def window_geometry():
    window = visible_window("Form1")
    shell = dict(line.split("=", 1) for line in
                 xdotool("getwindowgeometry", "--shell", window).split())
    return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def main(program):
    for scale, expected in CASES:
        velorin = subprocess.Popen([program], env=dict(os.environ, QT_SCALE_FACTOR=scale))
        try:
            actual = window_geometry()
        finally:
            velorin.terminate()
            velorin.wait(timeout=30)
        # Half a pixel may round either way.
        check(all(abs(a - e) <= 0.5 for a, e in zip(actual, expected)),
              f"at a scale of {scale} the window stands at {actual}, expected {expected}")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
