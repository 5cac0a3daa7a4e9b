// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/startup_notification.h"

#include "x11_integration/x11.h"

#include <algorithm>
#include <charconv>

namespace x11 {

namespace {

// A value as the protocol writes it: quoted, with backslashes before quotes and
// backslashes, where it holds a blank, a quote or a backslash.
QByteArray quoted(const QByteArray& value)
{
    if (!value.contains(' ') && !value.contains('"') && !value.contains('\\')) {
        return value;
    }
    QByteArray escaped = value;
    escaped.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + escaped + '"';
}

// A message goes to the root window in pieces of 20 bytes, its closing zero byte included:
// the first of type _NET_STARTUP_INFO_BEGIN, the rest _NET_STARTUP_INFO.
void sendStartupMessage(xcb_connection_t* connection, const QByteArray& message)
{
    const xcb_window_t root = rootOf(connection);
    xcb_client_message_event_t piece{};
    piece.response_type = XCB_CLIENT_MESSAGE;
    piece.format = 8;
    piece.window = root;
    piece.type = atomNamed(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atomNamed(connection, "_NET_STARTUP_INFO");
    const qsizetype length = message.size() + 1;
    for (qsizetype sent = 0; sent < length; sent += sizeof piece.data.data8) {
        std::fill(std::begin(piece.data.data8), std::end(piece.data.data8), 0);
        std::copy_n(message.constData() + sent,
                    std::min<qsizetype>(sizeof piece.data.data8, length - sent), piece.data.data8);
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&piece));
        piece.type = more;
    }
    xcb_flush(connection);
}

} // namespace

void endStartupNotification(const QByteArray& startupId)
{
    if (xcb_connection_t* connection = x11::connection(); connection != nullptr) {
        sendStartupMessage(connection, "remove: ID=" + quoted(startupId));
    }
}

uint32_t timeOfLaunch(const QByteArray& startupId)
{
    const qsizetype mark = startupId.lastIndexOf("_TIME");
    uint32_t time = XCB_CURRENT_TIME;
    if (mark >= 0) {
        const char* digits = startupId.constData() + mark + 5;
        std::from_chars(digits, startupId.constData() + startupId.size(), time);
    }
    return time;
}

} // namespace x11
