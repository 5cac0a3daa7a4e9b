// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/shape.h"

#include "controls/text.h"

#include <QPainter>

namespace forms {

Shape::Shape(const ShapeDesign& design, QWidget* parent)
    : QWidget(parent), m_borderColor(design.borderColor), m_borderPixels(design.borderPixels)
{
    setGeometry(toPixels(design.left, design.top, design.width, design.height));
    setObjectName(toQString(design.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setBorderColor(const QColor& colour)
{
    m_borderColor = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    // The border lies inside the shape's rectangle, as wide as designed.
    QPainter painter(this);
    const QRect outer = rect();
    const int edge = m_borderPixels;
    painter.fillRect(outer.x(), outer.y(), outer.width(), edge, m_borderColor);
    painter.fillRect(outer.x(), outer.bottom() - edge + 1, outer.width(), edge, m_borderColor);
    painter.fillRect(outer.x(), outer.y(), edge, outer.height(), m_borderColor);
    painter.fillRect(outer.right() - edge + 1, outer.y(), edge, outer.height(), m_borderColor);
}

} // namespace forms
