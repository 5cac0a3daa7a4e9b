// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <QWidget>

namespace forms {

// A rectangle outline drawn over the controls beneath it; the mouse passes through.
class Shape : public QWidget
{
    Q_OBJECT

public:
    using Design = ShapeDesign;

    Shape(const ShapeDesign& design, QWidget* parent);

    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_borderColor;
    int m_borderPixels;
};

} // namespace forms
