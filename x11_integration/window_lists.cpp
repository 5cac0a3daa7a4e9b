// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/window_lists.h"

#include "x11_integration/x11.h"

#include <QEvent>
#include <QWindow>
#include <array>
#include <string_view>

namespace x11 {

namespace {

// Writes the skip states as the window's _NET_WM_STATE while it is unmapped: the window
// manager reads them when it maps the window, and Qt adds its own states to them. KWin
// leaves a window out of its switchers only when asked in KDE's own state; the other
// window managers pass over a state they do not know.
class WindowListSkipper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A window's Show comes just before it is mapped.
        if (event->type() == QEvent::Show) {
            requestSkipStates(static_cast<xcb_window_t>(static_cast<QWindow*>(watched)->winId()));
        }
        return false;
    }

private:
    static void requestSkipStates(xcb_window_t window)
    {
        xcb_connection_t* connection = x11::connection();
        // An atom lasts as long as the X server: each is asked for once, not at every show.
        static const xcb_atom_t state = atomNamed(connection, "_NET_WM_STATE");
        static const std::array<xcb_atom_t, 3> states = {
            atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
            atomNamed(connection, "_NET_WM_STATE_SKIP_PAGER"),
            atomNamed(connection, "_KDE_NET_WM_STATE_SKIP_SWITCHER")};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                            states.size(), states.data());
    }
};

} // namespace

void keepOutOfWindowLists(QWindow& window)
{
    if (connection() != nullptr) {
        window.installEventFilter(new WindowListSkipper(&window));
    }
}

} // namespace x11
