// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <QWidget>

namespace forms {

// A horizontal or vertical line; the mouse passes through.
class Line : public QWidget
{
    Q_OBJECT

public:
    using Design = LineDesign;

    Line(const LineDesign& design, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

} // namespace forms
