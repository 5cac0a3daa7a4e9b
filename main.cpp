// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "font_configuration.h"
#include "forms_runtime/form_registry.h"
#include "questionnaire_window/questionnaire_window.h"
#include "resources/look.h"
#if VELORIN_WITH_X11
#include "x11_integration/activation.h"
#include "x11_integration/single_instance.h"
#include "x11_window_system.h"
#endif

#include <QApplication>
#include <cstdlib>

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

} // namespace

int main(int argc, char* argv[])
{
    preferXWaylandOnWayland();
    QApplication::setApplicationName(QStringLiteral("velorin"));
    QApplication::setApplicationVersion(QStringLiteral(VELORIN_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VELORIN_APP_ID));
    CommandLine commandLine(argc, argv);
    loadFontConfiguration();
    QApplication app(argc, argv);
    if (!commandLine.acceptsWhatQtLeft()) {
        return EXIT_FAILURE;
    }
    // Panels come and go; only the questionnaire window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

#if VELORIN_WITH_X11
    const x11::SingleInstance instance;
    if (instance.handedOver()) {
        return EXIT_SUCCESS;
    }
    // A later start brings the window to the user, from the taskbar or another workspace.
    QObject::connect(&instance, &x11::SingleInstance::laterStart,
                     [] { x11::bringToUser(forms::form<QuestionnaireWindow>()); });
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        forms::WindowSystem::install(std::make_unique<X11WindowSystem>());
    }
#endif
    forms::FormRegistry forms;
    velorin::setUpLook();
    forms.startWith<QuestionnaireWindow>();
    return QApplication::exec();
}
