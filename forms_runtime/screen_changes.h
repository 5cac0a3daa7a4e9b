// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QScreen;

namespace forms {

// Tells its owner when the desktop's monitors change: a new resolution, a monitor plugged in
// or out, another monitor made the primary one, a taskbar that comes, goes or changes its size.
class ScreenChanges : public QObject
{
    Q_OBJECT

public:
    explicit ScreenChanges(QObject* owner);

signals:
    void changed();

private:
    void watch(QScreen* screen);
};

} // namespace forms
