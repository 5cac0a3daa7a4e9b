// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/line.h"

#include "controls/text.h"

#include <QPainter>
#include <algorithm>

namespace forms {

Line::Line(const LineDesign& design, QWidget* parent) : QWidget(parent), m_colour(design.colour)
{
    // A wide line is centred on its design coordinates.
    const int x1 = std::min(design.x1, design.x2).toPixels();
    const int x2 = std::max(design.x1, design.x2).toPixels();
    const int y1 = std::min(design.y1, design.y2).toPixels();
    const int y2 = std::max(design.y1, design.y2).toPixels();
    const int half = design.widthPixels / 2;
    setGeometry(x1 - half, y1 - half, x2 - x1 + design.widthPixels, y2 - y1 + design.widthPixels);
    setObjectName(controlName(design.name, design.index));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace forms
