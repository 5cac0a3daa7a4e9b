# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What KWin itself thinks of the windows, asked as KDE's own tools ask: a script run over
KWin's D-Bus scripting interface, which calls back with its answer. KWin must share the
test's session bus (run the test and the window manager inside one dbus-run-session)."""

import json
import os
import re
import tempfile

from gi.repository import Gio, GLib

from checks import wait_for

KWIN = "org.kde.KWin"
REPLY_NAME = "org.example.Velorin.Test.KWinReply"
REPLY_INTERFACE = Gio.DBusNodeInfo.new_for_xml(
    f'<node><interface name="{REPLY_NAME}"><method name="Report">'
    '<arg type="s" direction="in"/></method></interface></node>').interfaces[0]

# KWin offers a window in Alt+Tab and its other switchers when it may take the focus (an
# input hint or WM_TAKE_FOCUS) and has not asked to be skipped.
SWITCHER_VIEW = """
callDBus("%s", "/", "%s", "Report", JSON.stringify(workspace.clientList().map(window => ({
    caption: window.caption,
    offered: window.wantsInput && !window.skipSwitcher && (window.normalWindow || window.dialog)
}))));
""" % (REPLY_NAME, REPLY_NAME)


def _call(bus, path, interface, method, arguments=None, reply_type=None):
    return bus.call_sync(KWIN, path, interface, method, arguments,
                         GLib.VariantType(reply_type) if reply_type else None,
                         Gio.DBusCallFlags.NONE, 10000, None)


def switcher_entries():
    """The captions of the windows KWin's window switchers offer, each with whether it is
    offered: {caption: [offered, ...]}."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    replies = []

    def on_report(_bus, _sender, _path, _interface, _method, arguments, invocation):
        replies.append(json.loads(arguments.unpack()[0]))
        invocation.return_value(None)

    registration = bus.register_object("/", REPLY_INTERFACE, on_report)
    owner = Gio.bus_own_name_on_connection(bus, REPLY_NAME, Gio.BusNameOwnerFlags.NONE)
    with tempfile.NamedTemporaryFile("w", suffix=".js") as script:
        script.write(SWITCHER_VIEW)
        script.flush()
        plugin = f"velorin-test-{os.getpid()}"
        (number,) = _call(bus, "/Scripting", "org.kde.kwin.Scripting", "loadScript",
                          GLib.Variant("(ss)", (script.name, plugin)), "(i)").unpack()
        _call(bus, f"/{number}", "org.kde.kwin.Script", "run")

        def answered():
            GLib.MainContext.default().iteration(False)
            return replies

        wait_for("KWin's answer", answered, timeout=10)
        _call(bus, "/Scripting", "org.kde.kwin.Scripting", "unloadScript",
              GLib.Variant("(s)", (plugin,)))
    Gio.bus_unown_name(owner)
    bus.unregister_object(registration)
    entries = {}
    for window in replies[0]:
        # KWin tells windows of one caption apart by a number: "Form2 <2>".
        caption = re.sub(r" <\d+>\u200e?$", "", window["caption"])
        entries.setdefault(caption, []).append(window["offered"])
    return entries
