// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;

namespace forms {

class Form;

// Moves its form with the pointer until the mouse button is released, from where the button
// went down, so the form keeps its place under the pointer: by the window manager's own move
// where the desktop offers one, else by following the pointer itself.
class WindowDrag : public QObject
{
public:
    explicit WindowDrag(Form& form);

    // Called on a move with the left button down; a drag under way goes on as it is.
    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mover { Nobody, WindowManager, Follower };

    void follow(const QMouseEvent& move);
    void stop();

    Form& m_form;
    Mover m_mover = Mover::Nobody;
    QPoint m_pointerOffset; // from the form's top-left corner, while it follows
};

} // namespace forms
