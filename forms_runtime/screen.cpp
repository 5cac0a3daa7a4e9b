// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace forms {

Monitor::Monitor(QScreen* screen) : m_screen(screen) {}

Monitor Monitor::primary()
{
    return Monitor(QGuiApplication::primaryScreen());
}

Monitor Monitor::showing(const QWidget& window)
{
    QScreen* best = QGuiApplication::primaryScreen();
    if (!window.isVisible()) {
        return Monitor(best);
    }
    const QRect frame = window.frameGeometry();
    qint64 mostShown = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->geometry().intersected(frame);
        const qint64 area = qint64(shown.width()) * shown.height();
        if (area > mostShown) {
            best = screen;
            mostShown = area;
        }
    }
    return Monitor(best);
}

QRect Monitor::freePixels() const
{
    const QScreen* screen = m_screen ? m_screen.data() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

Twips Monitor::freeLeft() const
{
    return Twips::fromPixels(freePixels().left());
}

Twips Monitor::freeTop() const
{
    return Twips::fromPixels(freePixels().top());
}

// QRect's right() and bottom() are its last pixels; the edges lie just beyond them.
Twips Monitor::freeRight() const
{
    const QRect area = freePixels();
    return Twips::fromPixels(area.left() + area.width());
}

Twips Monitor::freeBottom() const
{
    const QRect area = freePixels();
    return Twips::fromPixels(area.top() + area.height());
}

} // namespace forms
