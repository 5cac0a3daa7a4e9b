# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program as assistive tools see it, through the accessibility tree (AT-SPI)."""

import pyatspi
from gi.repository import GLib


def role(accessible):
    """Its role's name; None once it has gone, as the parts of a closing window go."""
    try:
        return accessible.getRoleName()
    except GLib.GError:
        return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def children(accessible):
    # A child that goes away while the list is read (a window closing) comes back as None.
    found = (accessible.getChildAtIndex(i) for i in range(accessible.childCount))
    return [child for child in found if child is not None]


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "velorin":
            return app
    return None


def windows(app, name):
    return [w for w in children(app) if w.name == name and showing(w)]


def showing_windows(name):
    """The program's windows of that name that show now; none while the program is away."""
    app = application()
    return windows(app, name) if app is not None else []
