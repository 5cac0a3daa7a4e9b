// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/window_drag.h"

#include "forms_runtime/form.h"
#include "forms_runtime/pointer.h"
#include "forms_runtime/x11.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <span>

namespace forms {

namespace {

using x11::atomNamed;
using x11::Owned;
using x11::rootOf;

// XWayland names its screens XWAYLAND0, XWAYLAND1 and so on.
bool onXWayland()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->name().startsWith(QLatin1String("XWAYLAND"));
}

// Whether the window manager announces the move that _NET_WM_MOVERESIZE asks of it.
bool windowManagerMoves(xcb_connection_t* connection, xcb_atom_t moveResize)
{
    const Owned<xcb_get_property_reply_t> supported(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, rootOf(connection), atomNamed(connection, "_NET_SUPPORTED"),
                         XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (!supported || supported->format != 32) {
        return false;
    }
    const std::span<const xcb_atom_t> atoms(
        static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get())),
        static_cast<std::size_t>(xcb_get_property_value_length(supported.get())) /
            sizeof(xcb_atom_t));
    return std::ranges::find(atoms, moveResize) != atoms.end();
}

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

    // Whether this session moves windows for the program, and exactly.
    static bool isOffered()
    {
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
            return true;
        }
        // Through XWayland the compositor places the windows: the program's own moves
        // arrive late or not at all. On X11 proper they are exact, and no window
        // manager's edge snapping gets in the way.
        static const bool offered = onXWayland() && x11::connection() != nullptr &&
                                    windowManagerMoves(x11::connection(), moveResizeAtom());
        return offered;
    }

    void start(Form& form)
    {
        if (m_moving) {
            return;
        }
        m_moving = true;
        qApp->installEventFilter(this);
        if (x11::connection() != nullptr) {
            askFromPress(form);
        } else if (QWindow* window = form.windowHandle()) {
            window->startSystemMove();
        }
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
    static xcb_atom_t moveResizeAtom()
    {
        static const xcb_atom_t atom = atomNamed(x11::connection(), "_NET_WM_MOVERESIZE");
        return atom;
    }

    // From where the button went down, not from where the pointer is now: the window
    // keeps its place under the pointer as it was pressed.
    static void askFromPress(Form& form)
    {
        constexpr uint32_t kMove = 8;
        constexpr uint32_t kLeftButton = 1;
        constexpr uint32_t kFromApplication = 1;
        xcb_connection_t* connection = x11::connection();
        const QPoint press = pointer::lastPressPosition();
        // The press's implicit grab goes, so that the window manager can take the pointer.
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        x11::askWindowManager(connection, static_cast<xcb_window_t>(form.winId()), moveResizeAtom(),
                              {static_cast<uint32_t>(press.x()), static_cast<uint32_t>(press.y()),
                               kMove, kLeftButton, kFromApplication});
        xcb_flush(connection);
    }

    bool m_moving = false;
};

} // namespace

void dragWindow(Form& form)
{
    if (SystemMove::isOffered()) {
        SystemMove::instance().start(form);
    } else {
        PointerFollower::instance().start(form);
    }
}

} // namespace forms
