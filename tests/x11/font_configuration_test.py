#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Whatever fontconfig configuration the user has, the program draws its texts as
fontconfig's own loading of it would have them drawn, and says what fontconfig would say:
the system's, one that turns antialiasing off, one with an error (fontconfig then drops the
file whole and falls back to its defaults), an empty one and a missing one. Each is judged
against the program run with FC_DEBUG=0, which leaves the loading to fontconfig itself.

Run inside scripts/with-xvfb -- (a 1920 x 1080 screen, no window manager)."""

import os
import subprocess
import sys
import tempfile
import time

from PIL import ImageChops, ImageGrab

from checks import check, fail, wait_for
from desktop import x_windows

# The questionnaire window, centred, and in it the first question's text and the first list,
# whose text cursor blinks.
WINDOW = (659, 217, 659 + 601, 217 + 645)
FIRST_QUESTION = (24, 48, 324, 66)
FIRST_LIST = (390, 45, 580, 72)

ALIASED = """<fontconfig>
  <match target="font"><edit name="antialias" mode="assign"><bool>false</bool></edit></match>
</fontconfig>"""
# The system's configuration and the one above, then an element never closed.
WITH_AN_ERROR = """<fontconfig>
  <include>/etc/fonts/fonts.conf</include>
  <include>{folder}/aliased.conf</include>
  <match>
</fontconfig>"""
WITHOUT_ERRORS = WITH_AN_ERROR.replace("  <match>\n", "")


def window_drawn(program):
    """The window's pixels once they stand still with the questions drawn, its first list
    blanked out."""
    wait_for("the questionnaire window", lambda: x_windows("Form1"))
    display = os.environ["DISPLAY"]
    previous = None
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline and program.poll() is None:
        shot = ImageGrab.grab(bbox=WINDOW, xdisplay=display).convert("RGB")
        shot.paste((0, 0, 0), FIRST_LIST)
        if previous is not None and shot.crop(FIRST_QUESTION).getextrema() != ((0, 0),) * 3 \
                and not ImageChops.difference(shot, previous).getbbox():
            return shot
        previous = shot
        time.sleep(0.1)
    fail("the questionnaire window was never drawn")


def run(path, env):
    """What the program draws and what fontconfig says in it, under that environment."""
    with tempfile.TemporaryFile("w+") as said:
        program = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=said)
        try:
            shot = window_drawn(program)
        finally:
            program.kill()
            program.wait()
        said.seek(0)
        return shot, [line for line in said.read().splitlines() if line.startswith("Fontconfig")]


def colours(shot, box):
    return len(shot.crop(box).getcolors(1 << 16))


def main(path):
    folder = tempfile.mkdtemp()
    for name, text in (("aliased.conf", ALIASED), ("with-an-error.conf", WITH_AN_ERROR),
                       ("without-errors.conf", WITHOUT_ERRORS), ("empty.conf", "")):
        with open(os.path.join(folder, name), "w") as file:
            file.write(text.format(folder=folder))
    # Each configuration, whether fontconfig keeps it (antialiasing off: two colours) and
    # whether it says something.
    cases = [("the system's configuration", None, None, False),
             ("a configuration turning antialiasing off", "without-errors.conf", True, False),
             ("a configuration with an error", "with-an-error.conf", False, True),
             ("an empty configuration", "empty.conf", False, True),
             ("a missing configuration", "missing.conf", False, True)]
    for what, name, aliased, complains in cases:
        env = dict(os.environ)
        if name:
            env["FONTCONFIG_FILE"] = os.path.join(folder, name)
        drawn, said = run(path, env)
        own_drawn, own_said = run(path, dict(env, FC_DEBUG="0"))
        check(not ImageChops.difference(drawn, own_drawn).getbbox() and said == own_said,
              f"{what}: drawn and said as fontconfig's own loading has it")
        if aliased is not None:
            check((colours(drawn, FIRST_QUESTION) == 2) == aliased,
                  f"{what}: {'aliased' if aliased else 'antialiased'} text")
        check(bool(said) == complains, f"{what}: {said or 'nothing said'}")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
