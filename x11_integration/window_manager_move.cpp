// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/window_manager_move.h"

#include "x11_integration/x11.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <span>

namespace x11 {

namespace {

// XWayland names its screens XWAYLAND0, XWAYLAND1 and so on.
bool onXWayland()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->name().startsWith(QLatin1String("XWAYLAND"));
}

xcb_atom_t moveResizeAtom()
{
    static const xcb_atom_t atom = atomNamed(connection(), "_NET_WM_MOVERESIZE");
    return atom;
}

// Whether the window manager announces the move that _NET_WM_MOVERESIZE asks of it.
bool windowManagerMoves()
{
    xcb_connection_t* server = connection();
    const Owned<xcb_get_property_reply_t> supported(xcb_get_property_reply(
        server,
        xcb_get_property(server, 0, rootOf(server), atomNamed(server, "_NET_SUPPORTED"),
                         XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (!supported || supported->format != 32) {
        return false;
    }
    const std::span<const xcb_atom_t> atoms(
        static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get())),
        static_cast<std::size_t>(xcb_get_property_value_length(supported.get())) /
            sizeof(xcb_atom_t));
    return std::ranges::find(atoms, moveResizeAtom()) != atoms.end();
}

} // namespace

bool moveByWindowManager(QWidget& window, QPoint pressedAt)
{
    static const bool offered = onXWayland() && connection() != nullptr && windowManagerMoves();
    if (!offered) {
        return false;
    }
    constexpr uint32_t kMove = 8;
    constexpr uint32_t kLeftButton = 1;
    constexpr uint32_t kFromApplication = 1;
    xcb_connection_t* server = connection();
    // The press's implicit grab goes, so that the window manager can take the pointer.
    xcb_ungrab_pointer(server, XCB_CURRENT_TIME);
    askWindowManager(server, static_cast<xcb_window_t>(window.winId()), moveResizeAtom(),
                     {static_cast<uint32_t>(pressedAt.x()), static_cast<uint32_t>(pressedAt.y()),
                      kMove, kLeftButton, kFromApplication});
    xcb_flush(server);
    return true;
}

} // namespace x11
