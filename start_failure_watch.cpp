// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_failure_watch.h"

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

// A message handler has no object to hold its state: this program watches one start.
struct Watched
{
    QStringList arguments;
    QtMessageHandler passOn = nullptr;
    QList<HeldMessage> held;
};

Watched& watched()
{
    static Watched start;
    return start;
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
    Watched& start = watched();
    if (type != QtFatalMsg) {
        start.held.append(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(startFailure(start.arguments)));
    // Qt's half-built state must not be torn down, and nothing of ours needs to be.
    std::_Exit(EXIT_FAILURE);
}

} // namespace

StartFailureWatch::StartFailureWatch(const QStringList& arguments)
{
    Watched& start = watched();
    start.arguments = arguments;
    start.passOn = qInstallMessageHandler(holdBack);
}

void StartFailureWatch::end()
{
    Watched& start = watched();
    qInstallMessageHandler(start.passOn);
    for (const HeldMessage& message : std::as_const(start.held)) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        start.passOn(message.type, context, message.text);
    }
    start.held.clear();
}
