// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

class QWidget;

namespace forms {

// Queues a keystroke for the given control. It is processed after the current handler has
// returned and goes to that control, wherever the keyboard focus has moved meanwhile; a
// control destroyed in between receives nothing.
void queueKeystroke(QWidget& target, Qt::Key key);

} // namespace forms
