#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Orca, the screen reader, with its speech written to a file instead of a sound card.

Run as a script, it starts Orca with this module as its speech server factory:

    orca_speech_to_file.py PREFERENCES_DIR SPEECH_FILE

Orca imports the module by name (settings.speechServerFactory), from this file's folder,
which Python puts first on the path of the script. Every utterance becomes one line of
SPEECH_FILE. Orca is started directly, not through /usr/bin/orca, which would refuse to
run beside, or kill, any other Orca of the same user: the machine may be shared."""

import os
import sys

from orca import speechserver

SPEECH_FILE_VARIABLE = "ORCA_SPEECH_FILE"


class SpeechServer(speechserver.SpeechServer):
    """Writes what Orca would say, one line each, flushed at once for whoever reads it."""

    _server = None

    @staticmethod
    def getFactoryName():
        return "Speech to a file"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        if SpeechServer._server is not None:
            SpeechServer._server.shutdown()

    def __init__(self):
        super().__init__()
        self._file = open(os.environ[SPEECH_FILE_VARIABLE], "a", encoding="utf-8", buffering=1)

    def speak(self, text=None, acss=None, interrupt=True):
        if text and not self._file.closed:
            self._file.write(" ".join(str(text).split()) + "\n")

    def getInfo(self):
        return [self.getFactoryName(), "file"]

    def getVoiceFamilies(self):
        return []

    def shutdown(self):
        self._file.close()


def run_orca(preferences_dir, speech_file):
    os.environ[SPEECH_FILE_VARIABLE] = speech_file
    from orca import orca
    manager = orca.getSettingsManager()
    module = os.path.splitext(os.path.basename(__file__))[0]
    manager.activate(preferences_dir, {
        "speechServerFactory": module,
        "enableBraille": False,
        "enableSound": False,
    })
    sys.path.insert(0, manager.getPrefsDir())
    return orca.main()


if __name__ == "__main__":
    sys.exit(run_orca(sys.argv[1], sys.argv[2]))
