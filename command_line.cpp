// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Qt's own options that take a value and that Qt leaves on the command line when the value
// is missing, with what the value is.
constexpr std::array<std::pair<const char*, const char*>, 6> kQtOptionValues{{
    {"display", "a display name"},
    {"name", "an application name"},
    {"session", "a session id"},
    {"style", "a style name"},
    {"stylesheet", "a style sheet file"},
    {"visual", "a visual id"},
}};

QStringList toStringList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// What a Qt option left without its value needs, or nothing for any other option.
const char* valueMissingFor(const QString& option)
{
    for (const auto& [name, value] : kQtOptionValues) {
        if (option == QLatin1String(name)) {
            return value;
        }
    }
    return nullptr;
}

// Why the options are refused: Qt's own options are better told by what they lack.
QString problemWith(const QCommandLineParser& parser)
{
    for (const QString& option : parser.unknownOptionNames()) {
        if (const char* value = valueMissingFor(option)) {
            return QStringLiteral("option '-%1' needs %2").arg(option, QLatin1String(value));
        }
    }
    return parser.errorText();
}

void refuse(const QString& problem)
{
    const QByteArray program = QCoreApplication::applicationName().toLocal8Bit();
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for the options.\n", program.constData(),
                 qPrintable(problem), program.constData());
}

// Qt's help names the program only once the application object exists; this is before.
void printHelp(const QCommandLineParser& parser)
{
    const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
    std::printf("Usage: %s [options]\n%s\n"
                "Qt's standard options apply too, such as -platform <name>, -display <display>\n"
                "and -style <style>.\n\n"
                "Starting again:\n"
                "  Started while it runs for you, %s brings its window to you and ends, as\n"
                "  its taskbar button would. If the running program does not answer within a\n"
                "  few seconds, it says so and exits with status 1. Without a D-Bus session\n"
                "  bus, every start opens a window of its own.\n",
                qPrintable(QCoreApplication::applicationName()), qPrintable(options),
                qPrintable(QCoreApplication::applicationName()));
}

} // namespace

CommandLine::CommandLine(int argc, char* argv[])
    : m_arguments(toStringList(argc, argv)),
      m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Displays version information."))
{
    m_parser.setApplicationDescription(QStringLiteral(VELORIN_DESCRIPTION "."));
    m_parser.addOptions({m_help, m_version});
    // Qt's options are single-dash words (-platform, -reverse); read as letters they would
    // pass for -v or -h.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    // Qt's own options are still among the arguments, so errors wait for acceptsWhatQtLeft.
    m_parser.parse(m_arguments);
    if (m_parser.isSet(m_version)) {
        m_parser.showVersion();
    }
    if (m_parser.isSet(m_help)) {
        printHelp(m_parser);
        std::exit(EXIT_SUCCESS);
    }
}

bool CommandLine::acceptsWhatQtLeft()
{
    if (!m_parser.parse(QCoreApplication::arguments())) {
        refuse(problemWith(m_parser));
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        refuse(
            QStringLiteral("unexpected argument '%1'").arg(m_parser.positionalArguments().first()));
        return false;
    }
    return true;
}
