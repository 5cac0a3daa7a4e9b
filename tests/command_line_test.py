#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the built program with each command line below, with no display to open, and
checks its exit status and what it writes.

Usage: command_line_test.py <velorin>"""

import os
import subprocess
import sys

NO_DISPLAY = {}
DEAD_DISPLAY = {"DISPLAY": ":9999"}

# arguments, environment, exit status, texts standard output holds, lines on standard
# error (None: any number), text standard error holds
CASES = [
    (["--version"], NO_DISPLAY, 0, ["velorin 1.00\n"], 0, ""),
    (["-v"], DEAD_DISPLAY, 0, ["velorin 1.00\n"], 0, ""),
    (["--help"], NO_DISPLAY, 0,
     ["Usage: velorin [options]\n", "-h, --help", "-v, --version", "-platform <name>",
      "brings its window to you"], 0, ""),
    ([], NO_DISPLAY, 1, [], 1, "velorin: no display to open (DISPLAY is not set)\n"),
    ([], DEAD_DISPLAY, 1, [], 1, 'velorin: cannot open the display ":9999"\n'),
    # Qt takes its own options, with their values, before the program looks at the rest.
    (["-platform", "offscreen", "--colour"], NO_DISPLAY, 1, [], None, "Unknown option 'colour'"),
    (["-platform", "offscreen", "skin"], NO_DISPLAY, 1, [], None, "unexpected argument 'skin'"),
    # Qt leaves an option of its own whose value is missing.
    (["-platform", "offscreen", "-display"], NO_DISPLAY, 1, [], None,
     "velorin: option '-display' needs a display name\n"),
]


def run(program, arguments, environment):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(environment)
    return subprocess.run([program, *arguments], env=env, capture_output=True, text=True,
                          timeout=120, check=False)


def problems(case, result):
    _, _, status, out_holds, err_lines, err_holds = case
    found = []
    if result.returncode != status:
        found.append(f"exit status {result.returncode}, not {status}")
    found += [f"standard output lacks {text!r}" for text in out_holds if text not in result.stdout]
    if not out_holds and result.stdout:
        found.append("standard output is not empty")
    if err_lines is not None and len(result.stderr.splitlines()) != err_lines:
        found.append(f"{len(result.stderr.splitlines())} lines on standard error, not {err_lines}")
    if err_holds not in result.stderr:
        found.append(f"standard error lacks {err_holds!r}")
    return found


def main():
    failures = 0
    for case in CASES:
        arguments, environment = case[0], case[1]
        result = run(sys.argv[1], arguments, environment)
        found = problems(case, result)
        if found:
            failures += 1
            print(f"FAIL: velorin {' '.join(arguments)} with {environment}: {'; '.join(found)}\n"
                  f"  stdout: {result.stdout!r}\n  stderr: {result.stderr!r}", file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
