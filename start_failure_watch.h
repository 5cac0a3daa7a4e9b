// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// Watches the application object being built. Qt's messages meanwhile are held back: when
// no display can be opened, one line of ours that says which replaces Qt's several lines
// and its core dump, and the program exits 1. Once the object exists, what Qt said goes out
// as it would have.
class StartFailureWatch
{
public:
    // The program's arguments say where Qt looks for its display.
    explicit StartFailureWatch(const QStringList& arguments);
    StartFailureWatch(const StartFailureWatch&) = delete;
    StartFailureWatch& operator=(const StartFailureWatch&) = delete;

    // The application object exists.
    void end();
};
