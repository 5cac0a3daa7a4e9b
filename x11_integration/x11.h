// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <xcb/xcb.h>

namespace x11 {

// Qt's own connection to the X server; none on other platforms.
xcb_connection_t* connection();

// The root window of the connection's first screen, the one the program shows on.
xcb_window_t rootOf(xcb_connection_t* connection);

// The atom of that name, made if the server does not know it yet.
xcb_atom_t atomNamed(xcb_connection_t* connection, std::string_view name);

// Asks the window manager for something about the window, as EWMH says: a client message
// of that type with its five numbers, sent to the root window.
void askWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t request,
                      const std::array<uint32_t, 5>& data);

struct FreeWithC
{
    void operator()(void* reply) const { std::free(reply); }
};

// A reply or an event xcb hands over, freed when it goes.
template <class T> using Owned = std::unique_ptr<T, FreeWithC>;

} // namespace x11
