// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

// One message Qt gave while the application object was being built.
struct HeldMessage
{
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

// Qt's messages while the application object is being built are held back: when no
// display can be opened, one line of ours replaces Qt's several, and the core dump.
struct StartWatch
{
    QStringList arguments;
    QtMessageHandler passOn = nullptr;
    QList<HeldMessage> held;
};

StartWatch& startWatch()
{
    static StartWatch watch;
    return watch;
}

QStringList toStringList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// The value given to one of Qt's own options, which take one dash or two.
QString qtOptionValue(const QStringList& arguments, QLatin1String name)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1Char('-') + name || arguments[i] == QLatin1String("--") + name) {
            return arguments[i + 1];
        }
    }
    return {};
}

// What could not be opened, looked up where Qt looks.
QString startFailure(const QStringList& arguments)
{
    QString platform = qtOptionValue(arguments, QLatin1String("platform"));
    if (platform.isEmpty()) {
        platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"));
    }
    if (!platform.startsWith(QLatin1String("xcb"))) {
        return QStringLiteral("cannot start on the \"%1\" platform").arg(platform);
    }
    QString display = qtOptionValue(arguments, QLatin1String("display"));
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
    }
    return display.isEmpty() ? QStringLiteral("no display to open (DISPLAY is not set)")
                             : QStringLiteral("cannot open the display \"%1\"").arg(display);
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    StartWatch& watch = startWatch();
    if (type != QtFatalMsg) {
        watch.held.append(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(startFailure(watch.arguments)));
    // Qt's half-built state must not be torn down, and nothing of ours needs to be.
    std::_Exit(EXIT_FAILURE);
}

void passOnHeldMessages()
{
    StartWatch& watch = startWatch();
    qInstallMessageHandler(watch.passOn);
    for (const HeldMessage& message : std::as_const(watch.held)) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        watch.passOn(message.type, context, message.text);
    }
    watch.held.clear();
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
                "and -style <style>.\n",
                qPrintable(QCoreApplication::applicationName()), qPrintable(options));
}

} // namespace

CommandLine::CommandLine(int argc, char* argv[])
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Displays version information."))
{
    m_parser.setApplicationDescription(QStringLiteral(VELORIN_DESCRIPTION "."));
    m_parser.addOptions({m_help, m_version});
    // Qt's options are single-dash words (-platform, -reverse); read as letters they would
    // pass for -v or -h.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    // Qt's own options are still among the arguments, so errors wait for acceptsWhatQtLeft.
    StartWatch& watch = startWatch();
    watch.arguments = toStringList(argc, argv);
    m_parser.parse(watch.arguments);
    if (m_parser.isSet(m_version)) {
        m_parser.showVersion();
    }
    if (m_parser.isSet(m_help)) {
        printHelp(m_parser);
        std::exit(EXIT_SUCCESS);
    }
    watch.passOn = qInstallMessageHandler(holdBack);
}

bool CommandLine::acceptsWhatQtLeft()
{
    passOnHeldMessages();
    if (!m_parser.parse(QCoreApplication::arguments())) {
        refuse(m_parser.errorText());
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        refuse(
            QStringLiteral("unexpected argument '%1'").arg(m_parser.positionalArguments().first()));
        return false;
    }
    return true;
}
