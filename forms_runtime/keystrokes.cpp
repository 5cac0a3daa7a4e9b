// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/keystrokes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

namespace forms {

void queueKeystroke(QWidget& target, Qt::Key key)
{
    QMetaObject::invokeMethod(
        &target,
        [&target, key] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&target, &release);
        },
        Qt::QueuedConnection);
}

} // namespace forms
