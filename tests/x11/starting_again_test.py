#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starting the program while it runs, as a launcher, a terminal and another local user do:
one window per user session whatever the display's spelling; a launcher's startup id passed
on, the window activated at the time it carries and the launcher's feedback ended; an
activation token passed on as well; another user's process kept out; a running program that
does not answer never makes a later start hang; and without a session bus, nothing is
started or written.

Run inside scripts/with-xvfb --wm --session-bus --tcp -- (openbox, a 1920 x 1080 screen)."""

import os
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom, display

from checks import check, check_ends, check_soon, wait_for, xdotool
from desktop import Program, x_windows

NAME = "org.example.Velorin"
PATH = "/org/example/Velorin"


class RootWatch:
    """What programs announce on the root window: the startup messages that end a launcher's
    feedback ("remove: ID=...") and the windows they ask the window manager to activate."""

    def __init__(self):
        self.connection = display.Display()
        root = self.connection.screen().root
        root.change_attributes(event_mask=X.PropertyChangeMask | X.SubstructureNotifyMask)
        atom = self.connection.intern_atom
        self.begin, self.more, self.active = (atom(name) for name in (
            "_NET_STARTUP_INFO_BEGIN", "_NET_STARTUP_INFO", "_NET_ACTIVE_WINDOW"))
        self.messages, self.activated, self._pieces = [], [], {}

    def _take(self):
        while self.connection.pending_events():
            event = self.connection.next_event()
            if event.type != X.ClientMessage:
                continue
            if event.client_type == self.active:
                self.activated.append(tuple(event.data[1][:2]) + (event.window.id,))
            elif event.client_type in (self.begin, self.more):
                # A message comes in pieces of 20 bytes, the last ended by a zero byte.
                begun = b"" if event.client_type == self.begin else self._pieces[event.window.id]
                piece = bytes(event.data[1])
                self._pieces[event.window.id] = begun + piece.split(b"\0")[0]
                if b"\0" in piece:
                    self.messages.append(self._pieces.pop(event.window.id).decode())

    def feedback_ended(self, startup_id):
        self._take()
        return f"remove: ID={startup_id}" in self.messages

    def activation_at(self, window, time):
        """Whether the window was asked to be activated, as a pager asks, at that time."""
        self._take()
        return (2, time, window) in self.activated


def server_time():
    """The X server's time now, as a launcher stamps a startup id with it."""
    connection = display.Display()
    window = connection.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent,
                                                    event_mask=X.PropertyChangeMask)
    window.change_property(connection.intern_atom("VELORIN_TEST_TIME"), Xatom.STRING, 8, b"")
    while (event := connection.next_event()).type != X.PropertyNotify:
        pass
    connection.close()
    return event.time


def launched(name):
    """A startup id as launchers make them: theirs, a serial, and the time of the click."""
    return f"velorin-test-{name}_TIME{server_time()}"


def start(path, env, *arguments):
    return subprocess.run([path, *arguments], env=env, capture_output=True, text=True,
                          timeout=60)


def as_nobody(*command):
    """A command run by another local user (nobody), reaching for this user's session bus."""
    return subprocess.run(["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                           *command], capture_output=True, text=True, timeout=60)


def one_window_whatever_the_spelling(path, env, window):
    number = env["DISPLAY"].lstrip(":")
    for spelling in (f":{number}", f":{number}.0", f"unix:{number}", f"localhost:{number}"):
        check(start(path, dict(env, DISPLAY=spelling)).returncode == 0,
              f"a later start on {spelling} ends at once")
    check(start(path, env, "-display", f":{number}.0").returncode == 0,
          "and one given -display")
    check(x_windows("Form1") == [window], "one questionnaire window for all of them")


def launch_feedback_passed_on(path, env, window, watch):
    startup_id = launched("later")
    check(start(path, dict(env, DESKTOP_STARTUP_ID=startup_id)).returncode == 0,
          "a later start from a launcher ends at once")
    check_soon(lambda: watch.activation_at(window, int(startup_id.split("_TIME")[1])),
               "the running program activates its window at the time the startup id carries")
    check_soon(lambda: watch.feedback_ended(startup_id), "and ends the launcher's feedback")
    token = "velorin-test-token-1"
    check(start(path, dict(env, XDG_ACTIVATION_TOKEN=token)).returncode == 0,
          "a later start with an activation token ends at once")
    check_soon(lambda: watch.feedback_ended(token), "the token's feedback ends too")
    marked = subprocess.run(["xprop", "-id", str(window), "_NET_STARTUP_ID"],
                            capture_output=True, text=True).stdout
    check(f'"{token}"' in marked, "the window carries the token for the window manager")


def another_user_kept_out(path, env, window):
    if os.getuid() != 0:
        print("skipped: another user's process needs root to be made")
        return
    before = xdotool("getactivewindow")
    call = as_nobody("dbus-send", "--session", "--print-reply", f"--dest={NAME}", PATH,
                     "org.freedesktop.Application.Activate", "dict:string:variant:")
    check(call.returncode != 0, "another user's process cannot call the running program")
    claim = as_nobody("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                      "/org/freedesktop/DBus", "org.freedesktop.DBus.RequestName",
                      f"string:{NAME}", "uint32:4")
    check(claim.returncode != 0, "nor take the program's name")
    check(xdotool("getactivewindow") == before, "the active window stays as it was")
    check(start(path, env).returncode == 0 and x_windows("Form1") == [window],
          "the user's own later start still reaches the running program")


def velorin_said(text):
    """The program's own lines among what a run wrote to standard error."""
    return [line for line in text.splitlines() if line.startswith("velorin:")]


def frozen_program_never_hangs(path, env, program, watch):
    os.kill(program.pid, signal.SIGSTOP)
    try:
        ids = [launched(f"frozen-{i}") for i in range(10)]
        starts = [subprocess.Popen([path], env=dict(env, DESKTOP_STARTUP_ID=startup_id),
                                   stderr=subprocess.PIPE, text=True) for startup_id in ids]
        # Well before the session bus's own 25 s would end a call.
        deadline = time.monotonic() + 15
        said = [later.communicate(timeout=max(deadline - time.monotonic(), 0.1))[1]
                for later in starts]
        check(all(later.returncode == 1 for later in starts),
              "ten later starts beside a frozen program each end with status 1")
        check(all(velorin_said(text) == ["velorin: the running Velorin does not answer; "
                                         "end it to start afresh"] for text in said),
              "each saying so in one line")
    finally:
        os.kill(program.pid, signal.SIGCONT)
    check_soon(lambda: all(watch.feedback_ended(startup_id) for startup_id in ids),
               "each ends its launcher's feedback")


def nothing_started_without_a_bus(path):
    home = tempfile.mkdtemp()
    env = {key: value for key, value in os.environ.items()
           if key not in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")}
    env.update(HOME=home, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    before = buses()
    program = subprocess.Popen([path], env=env, stderr=subprocess.PIPE, text=True)
    window = wait_for("the questionnaire window without a session bus",
                      lambda: x_windows("Form1"))[0]
    subprocess.run(["xdotool", "windowclose", str(window)], check=True)
    check_ends(program, "closing the window")
    check(velorin_said(program.stderr.read()) ==
          ["velorin: no session bus to meet later starts on: each start opens a window of its own"],
          "without a session bus the program says so once")
    check(buses() == before and not os.listdir(home), "and starts no bus and writes nothing")


def buses():
    """The buses running for this display, the one the test runs in included."""
    found = subprocess.run(["pgrep", "-x", "dbus-daemon|dbus-launch"], capture_output=True,
                           text=True).stdout.split()
    own = f"DISPLAY={os.environ['DISPLAY']}".encode()
    return sorted(pid for pid in found if own in environment_of(pid))


def environment_of(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as environ:
            return environ.read().split(b"\0")
    except OSError:  # gone meanwhile, or another user's
        return []


def main(path):
    env = dict(os.environ)
    watch = RootWatch()
    first_id = launched("first")
    with Program(path, dict(env, DESKTOP_STARTUP_ID=first_id)) as velorin:
        window = velorin.window()
        check_soon(lambda: watch.feedback_ended(first_id),
                   "a first start ends its launcher's feedback")
        one_window_whatever_the_spelling(path, env, window)
        launch_feedback_passed_on(path, env, window, watch)
        another_user_kept_out(path, env, window)
        frozen_program_never_hangs(path, env, velorin.process, watch)
        check(start(path, env).returncode == 0, "thawed, the program answers again")
        velorin.close()
    nothing_started_without_a_bus(path)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
