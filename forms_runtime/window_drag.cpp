// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/window_drag.h"

#include "forms_runtime/form.h"
#include "forms_runtime/window_system.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace forms {

WindowDrag::WindowDrag(Form& form) : m_form(form) {}

void WindowDrag::start()
{
    if (m_mover != Mover::Nobody) {
        return;
    }
    const QPoint pressedAt = m_form.pressPosition();
    if (WindowSystem::current().startSystemMove(m_form, pressedAt)) {
        m_mover = Mover::WindowManager;
    } else {
        m_mover = Mover::Follower;
        m_pointerOffset = pressedAt - m_form.pos();
    }
    qApp->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_mover == Mover::Follower) {
            // Taken before any control sees it.
            follow(*static_cast<QMouseEvent*>(event));
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The window manager has the pointer until the button goes up and may keep the
        // release to itself; when the pointer comes back, Qt may make up a move with the
        // button still down, which must not start a second move that no release would end.
        // So the next press ends its move (Qt gives a double click's second press as the
        // double click alone).
        if (m_mover == Mover::WindowManager) {
            stop();
        }
        return false;
    case QEvent::MouseButtonRelease:
        stop();
        return false;
    default:
        return false;
    }
}

void WindowDrag::follow(const QMouseEvent& move)
{
    if (!move.buttons().testFlag(Qt::LeftButton)) {
        stop();
        return;
    }
    m_form.moveToPixels(move.globalPosition().toPoint() - m_pointerOffset);
}

void WindowDrag::stop()
{
    m_mover = Mover::Nobody;
    qApp->removeEventFilter(this);
}

} // namespace forms
