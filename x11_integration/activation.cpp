// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/activation.h"

#include "x11_integration/startup_notification.h"
#include "x11_integration/x11.h"

#include <QWidget>
#include <optional>

namespace x11 {

namespace {

constexpr uint32_t kOnEveryWorkspace = 0xFFFFFFFF;

std::optional<uint32_t> cardinalOf(xcb_connection_t* connection, xcb_window_t window,
                                   const char* property)
{
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, atomNamed(connection, property), XCB_ATOM_CARDINAL,
                         0, 1),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return std::nullopt;
    }
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

// Asked as pagers and taskbars ask, at the time the user acted in another program (the
// launcher), where it is known.
void askAsPager(xcb_connection_t* connection, xcb_window_t window, const char* request,
                uint32_t argument, uint32_t time)
{
    askWindowManager(connection, window, atomNamed(connection, request), {argument, time, 0, 0, 0});
}

// As a pager does it: window managers only mark a window on another workspace as
// demanding attention when asked to activate it, so the pager first switches there. A
// pager's request to activate is granted at once, where a program's own may be refused as
// stealing the focus.
void presentAsPager(xcb_connection_t* connection, xcb_window_t window, uint32_t time)
{
    constexpr uint32_t kFromPager = 2;
    const xcb_window_t root = rootOf(connection);
    const std::optional<uint32_t> workspace = cardinalOf(connection, window, "_NET_WM_DESKTOP");
    if (workspace && *workspace != kOnEveryWorkspace &&
        workspace != cardinalOf(connection, root, "_NET_CURRENT_DESKTOP")) {
        askAsPager(connection, root, "_NET_CURRENT_DESKTOP", *workspace, time);
    }
    askAsPager(connection, window, "_NET_ACTIVE_WINDOW", kFromPager, time);
}

// Window managers that keep a register of launches (GNOME's, which keeps Wayland's
// activation tokens in it too) read the launch's time and workspace from it.
void markWithStartupId(xcb_connection_t* connection, xcb_window_t window,
                       const QByteArray& startupId)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        atomNamed(connection, "_NET_STARTUP_ID"),
                        atomNamed(connection, "UTF8_STRING"), 8,
                        static_cast<uint32_t>(startupId.size()), startupId.constData());
}

} // namespace

void bringToUser(QWidget& window, const QByteArray& startupId)
{
    xcb_connection_t* connection = x11::connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (!startupId.isEmpty()) {
        markWithStartupId(connection, id, startupId);
    }
    presentAsPager(connection, id, timeOfLaunch(startupId));
    xcb_flush(connection);
    if (!startupId.isEmpty()) {
        endStartupNotification(startupId);
    }
}

} // namespace x11
