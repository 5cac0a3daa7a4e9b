// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QScreen;

namespace forms {

// Tells when the desktop's monitors change: a new resolution, a monitor plugged in or out,
// another monitor made the primary one, a taskbar that comes, goes or changes its size.
class ScreenChanges : public QObject
{
    Q_OBJECT

public:
    static ScreenChanges& instance();

signals:
    void changed();

private:
    ScreenChanges();
    void watch(QScreen* screen);
};

} // namespace forms
