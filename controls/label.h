// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <QLabel>

namespace forms {

// Windowless-style text: takes every mouse event that lands on it and passes none on
// to the form beneath; never takes the keyboard focus.
class Label : public QLabel
{
    Q_OBJECT

public:
    using Design = LabelDesign;

    Label(const LabelDesign& design, QWidget* parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& colour);
    // Does what a left click does, the press and then the click: for assistive tools.
    void click();
    bool hasClickHandler() const;

signals:
    void mouseDown(int button);
    void mouseMove(int buttons);
    void clicked();
    void doubleClicked();
    void captionChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyColours();

    QString m_caption;
    QColor m_backColor;
    const QColor m_foreColor;
    bool m_clickArmed = false;
};

} // namespace forms
