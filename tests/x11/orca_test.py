#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A blind user's session: Orca runs with its speech written to a file, the program is
used with keys alone, and what Orca says is checked against what it should say.

Run inside scripts/with-xvfb --wm -- dbus-run-session -- (a 1920 x 1080 screen). Orca and
the program get a home and XDG folders of their own, so nothing of the user's is touched."""

import os
import signal
import subprocess
import sys
import tempfile

from accessible_tree import showing_windows
from checks import QUESTIONS, check, check_ends, passed, wait_for, xdotool

HERE = os.path.dirname(os.path.abspath(__file__))
SPEECH_TIMEOUT = 30.0

WELCOME = "By answering the questions below you can find out what type of skin you have"
# The last entries of the first two lists, four points each; the eight lists left
# unanswered give one point each.
BROWN_AND_DARK = ("Your Point is 16", "Your Skin Type is II (Light Skinned European)")
# The second list one entry up: three points less one.
BROWN_AND_GREY = ("Your Point is 15", "Your Skin Type is I (Celtic Type)")


class Speech:
    """What Orca has said so far, read from its speech file."""

    def __init__(self, path):
        self.path = path
        open(path, "w").close()

    def utterances(self):
        with open(self.path, encoding="utf-8") as speech:
            return speech.read().splitlines()

    def mark(self):
        return len(self.utterances())

    def said(self, texts, since=0):
        """Everything Orca said since the mark, once all the texts have been said."""
        spoken = " ".join(self.utterances()[since:])
        return spoken if all(text in spoken for text in texts) else ""

    def wait(self, what, *texts, since=0):
        return wait_for(f"Orca to say {what}: {texts}", lambda: self.said(texts, since),
                        timeout=SPEECH_TIMEOUT)


def xdotool_key(*keys):
    xdotool("key", "--delay", "80", *keys)


def press_and_hear(speech, what, keys, *texts):
    since = speech.mark()
    xdotool_key(*keys)
    return speech.wait(what, *texts, since=since)


def private_environment(root):
    env = dict(os.environ, HOME=os.path.join(root, "home"), GSETTINGS_BACKEND="memory")
    for variable, folder in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                             ("XDG_CACHE_HOME", "cache"), ("XDG_RUNTIME_DIR", "runtime")):
        env[variable] = os.path.join(root, folder)
        os.makedirs(env[variable], mode=0o700)
    os.makedirs(env["HOME"])
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)  # the program must notice Orca itself
    return env


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def session(program, speech, env, orca):
    speech.wait("that it is ready", "Screen reader on")
    velorin = subprocess.Popen([program], env=env)
    try:
        spoken = speech.wait("the welcome panel", "Welcome", WELCOME)
        check("notification" in spoken, "the welcome panel is announced when it appears")
        speech.wait("the first list", QUESTIONS[0], "combo box")
        passed("the first list is spoken with its question")

        for question in QUESTIONS[1:] + QUESTIONS[:1]:
            press_and_hear(speech, "the list Tab reaches", ["Tab"], question)
        passed("each list is spoken with its question when Tab reaches it")

        press_and_hear(speech, "the answer chosen", ["Down"] * 4, "Brown")
        press_and_hear(speech, "the second list", ["Tab"], QUESTIONS[1])
        press_and_hear(speech, "the answer chosen", ["Down"] * 4, "Dark")
        spoken = press_and_hear(speech, "the result", ["Return"], *BROWN_AND_DARK)
        check("Result" in spoken,
              "Return in a closed list calculates and Orca speaks the points and skin type")

        press_and_hear(speech, "the answer chosen", ["Up"], "Grey or brown")
        press_and_hear(speech, "the new result", ["Return"], *BROWN_AND_GREY)
        passed("a second calculation is spoken too")

        xdotool_key("Escape")
        wait_for("the result panel to close", lambda: not showing_windows("Result"))
        check(bool(showing_windows("Velorin")), "Escape closes the result panel, not the window")

        # Orca goes first: Qt 6.4's D-Bus layer leaks a message when a program ends while a
        # call of the screen reader's is still on its way to it, which the asan run reports.
        stop(orca)
        xdotool_key("ctrl+q")
        check_ends(velorin, "Ctrl+Q")
    finally:
        stop(velorin)


def main(program):
    with tempfile.TemporaryDirectory(prefix="velorin-orca-") as root:
        env = private_environment(root)
        speech = Speech(os.path.join(root, "speech"))
        orca = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "orca_speech_to_file.py"),
                                 os.path.join(root, "orca"), speech.path],
                                env=env, stdout=subprocess.DEVNULL)
        try:
            session(program, speech, env, orca)
        except BaseException:
            print("Orca said:\n  " + "\n  ".join(speech.utterances()), file=sys.stderr)
            raise
        finally:
            stop(orca)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
