# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the X11 tests share: how they report, wait and drive xdotool, and the ten questions as
assistive tools read them, in Tab order."""

import json
import subprocess
import sys
import time
from pathlib import Path

# The texts the user sees stand once, beside the C++ suites that check them too.
with open(Path(__file__).parent.parent / "questionnaire.json", encoding="utf-8") as texts:
    QUESTIONS = [question["text"] for question in json.load(texts)["questions"]]


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def passed(message):
    """Reports what the steps just taken have checked."""
    print(f"ok: {message}")


def check(condition, message):
    if not condition:
        fail(message)
    passed(message)


def wait_for(what, probe, timeout=20.0):
    """Polls until the probe returns something true, and returns that; fails at the deadline."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    fail(f"timed out waiting for {what}")


def check_soon(probe, message, timeout=10.0):
    """Checks that the probe comes true before the deadline."""
    wait_for(message, probe, timeout)
    passed(message)


def check_ends(process, how, timeout=15):
    """Checks that what was just done ends the program, and without an error."""
    try:
        code = process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        fail(f"{how} did not end the program")
    check(code == 0, f"{how} ends the program")


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True, timeout=30).stdout.strip()
