// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QByteArray;
class QPoint;
class QWidget;
class QWindow;

namespace forms {

// What the desktop's window manager does for the forms beyond what Qt offers everywhere.
// The runtime starts with Qt's own behaviour; a program that knows its desktop installs an
// integration of its own at start.
class WindowSystem
{
public:
    virtual ~WindowSystem();

    static WindowSystem& current();
    static void install(std::unique_ptr<WindowSystem> windowSystem);

    // Starts the window manager's own move of the window with the pointer, from where the
    // button went down. False where it offers none: the form then follows the pointer.
    virtual bool startSystemMove(QWidget& window, QPoint pressedAt);
    // A panel belongs to another window and needs no entry of its own on the taskbar, the
    // pager or in the window switchers.
    virtual void keepOutOfWindowLists(QWindow& window);
    // Another program destroying the window closes it, as the window system's close would.
    virtual void closeWhenDestroyedElsewhere(QWidget& window);
    // Brings the window to the user, as a taskbar does when its button is clicked (its
    // workspace, out of the taskbar, active), for a start a launcher marked with a startup id
    // (X11) or an activation token (Wayland), either possibly empty; the launcher's feedback
    // for that start ends.
    virtual void bringToUser(QWidget& window, const QByteArray& startupId,
                             const QByteArray& activationToken);
    // Ends a launcher's feedback for a start that opens no window.
    virtual void endLaunchFeedback(const QByteArray& startupId, const QByteArray& activationToken);
};

} // namespace forms
