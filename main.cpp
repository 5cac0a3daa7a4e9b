// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "font_configuration.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/window_system.h"
#include "questionnaire_window/questionnaire_window.h"
#include "resources/look.h"
#include "single_instance/session_bus.h"
#include "single_instance/single_instance.h"
#include "start_failure_watch.h"
#if VELORIN_WITH_X11
#include "x11_window_system.h"
#endif

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

using single_instance::SingleInstance;
using single_instance::StartupNotice;

namespace {

// The panels place themselves at screen coordinates, which Wayland does not grant to
// clients: run through XWayland unless the user chose a platform.
void preferXWaylandOnWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

void installWindowSystem()
{
#if VELORIN_WITH_X11
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        forms::WindowSystem::install(std::make_unique<X11WindowSystem>());
    }
#endif
}

void say(const char* text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), text);
}

// How this start ends when the program already runs for the user: its exit status, or
// nothing when this start is the one that opens the window.
std::optional<int> handOver(SingleInstance& instance, const StartupNotice& notice)
{
    switch (instance.claim(notice)) {
    case SingleInstance::Start::First:
        return std::nullopt;
    case SingleInstance::Start::HandedOver:
        return EXIT_SUCCESS;
    case SingleInstance::Start::NotAnswered:
        say("the running Velorin does not answer; end it to start afresh");
        forms::WindowSystem::current().endLaunchFeedback(notice.startupId, notice.activationToken);
        return EXIT_FAILURE;
    case SingleInstance::Start::WithoutBus:
        say("no session bus to meet later starts on: each start opens a window of its own");
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    preferXWaylandOnWayland();
    QApplication::setApplicationName(QStringLiteral("velorin"));
    QApplication::setApplicationVersion(QStringLiteral(VELORIN_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VELORIN_APP_ID));
    CommandLine commandLine(argc, argv);
    const StartupNotice notice = StartupNotice::fromEnvironment();
    single_instance::ruleOutAutolaunchedBus();
    // Text needs fontconfig's configuration, which loads while the application object is
    // built: they take about as long, and neither needs the other.
    FontConfigurationLoader fontConfiguration;

    StartFailureWatch startWatch(commandLine.arguments());
    QApplication app(argc, argv);
    startWatch.end();
    if (!commandLine.acceptsWhatQtLeft()) {
        return EXIT_FAILURE;
    }
    // Panels come and go; only the questionnaire window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installWindowSystem();

    SingleInstance instance(QGuiApplication::desktopFileName());
    if (const std::optional<int> status = handOver(instance, notice)) {
        return *status;
    }
    // A launcher or a later start asks the window to come to the user.
    QObject::connect(
        &instance, &SingleInstance::activationRequested, [](const StartupNotice& asked) {
            forms::WindowSystem::current().bringToUser(forms::form<QuestionnaireWindow>(),
                                                       asked.startupId, asked.activationToken);
        });
    forms::FormRegistry forms;
    // Only a program that opens its windows needs the fonts.
    fontConfiguration.wait();
    velorin::setUpLook();
    forms.startWith<QuestionnaireWindow>();
    return QApplication::exec();
}
