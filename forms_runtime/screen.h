// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/twips.h"

#include <QPointer>
#include <QRect>

class QScreen;
class QWidget;

namespace forms {

// One monitor of the desktop. Its free area, the part that taskbars and docks leave to
// windows, is read anew on every call, so it follows a new resolution or a taskbar that
// comes or goes.
class Monitor
{
public:
    static Monitor primary();
    // The monitor that shows most of the window; the primary one where it shows none.
    static Monitor showing(const QWidget& window);

    // An unplugged monitor stays disconnected; its area is then the primary monitor's.
    bool isConnected() const { return !m_screen.isNull(); }
    QRect freePixels() const;
    Twips freeLeft() const;
    Twips freeTop() const;
    Twips freeRight() const;
    Twips freeBottom() const;

private:
    explicit Monitor(QScreen* screen);

    QPointer<QScreen> m_screen;
};

} // namespace forms
