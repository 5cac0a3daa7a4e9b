// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/window_drag.h"

#include "controls/pointer.h"
#include "forms_runtime/form.h"
#include "forms_runtime/window_system.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>

namespace forms {

namespace {

// Where no window manager moves the window, it follows the pointer itself. Moves are
// taken before any control sees them.
class PointerFollower : public QObject
{
public:
    static PointerFollower& instance()
    {
        static auto* follower = new PointerFollower(qApp);
        return *follower;
    }

    using QObject::QObject;

    void start(Form& form)
    {
        if (m_form) {
            return;
        }
        m_form = &form;
        m_offset = pointer::lastPressPosition() - form.pos();
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
            follow(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            stop();
            return false;
        default:
            return false;
        }
    }

private:
    void follow(QMouseEvent* event)
    {
        if (!m_form || !event->buttons().testFlag(Qt::LeftButton)) {
            stop();
            return;
        }
        m_form->moveToPixels(event->globalPosition().toPoint() - m_offset);
    }

    void stop()
    {
        m_form.clear();
        qApp->removeEventFilter(this);
    }

    QPointer<Form> m_form;
    QPoint m_offset;
};

// The window manager's own move, asked for once per press. It has the pointer until the
// button goes up; when the pointer comes back, Qt may make up a move with the button
// still down, which must not start a second move that no release would end.
class SystemMove : public QObject
{
public:
    static SystemMove& instance()
    {
        static auto* move = new SystemMove(qApp);
        return *move;
    }

    using QObject::QObject;

    // Whether the window manager moves the form, from now or since an earlier move event.
    bool start(Form& form)
    {
        if (m_moving) {
            return true;
        }
        if (!WindowSystem::current().startSystemMove(form, pointer::lastPressPosition())) {
            return false;
        }
        m_moving = true;
        qApp->installEventFilter(this);
        return true;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Qt gives the second press of a double click as the double click alone.
        if (event->type() == QEvent::MouseButtonRelease ||
            event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            m_moving = false;
            qApp->removeEventFilter(this);
        }
        return false;
    }

private:
    bool m_moving = false;
};

} // namespace

void dragWindow(Form& form)
{
    if (!SystemMove::instance().start(form)) {
        PointerFollower::instance().start(form);
    }
}

} // namespace forms
