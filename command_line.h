// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

// The command line of a desktop program. --help and --version are answered before the
// application object exists, so they need no display; Qt's standard options are left to
// Qt; anything else is refused with a hint.
class CommandLine
{
public:
    // Answers --help or --version and ends the program; otherwise returns.
    CommandLine(int argc, char* argv[]);

    // Once the application object exists and has taken Qt's own options: says what is left
    // that the program does not know, and returns whether the program may go on.
    bool acceptsWhatQtLeft();

    // The arguments as given, Qt's own options among them.
    const QStringList& arguments() const { return m_arguments; }

private:
    QStringList m_arguments;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};
