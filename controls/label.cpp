// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/label.h"

#include "controls/fonts.h"
#include "controls/mouse_buttons.h"
#include "controls/text.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace forms {

Label::Label(const LabelDesign& design, QWidget* parent)
    : QLabel(parent), m_backColor(design.backColor), m_foreColor(design.foreColor)
{
    setGeometry(toPixels(design.left, design.top, design.width, design.height));
    setObjectName(controlName(design.name, design.index));
    setFont(toQFont(design.font));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop |
                 (design.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    if (!design.toolTip.empty()) {
        setToolTip(toQString(design.toolTip));
    }
    applyColours();
    setCaption(toQString(design.caption));
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    setText(withLineFeeds(caption));
    // Assistive tools read it as one line: no breaks to spell out, no trailing blanks.
    setAccessibleName(caption.simplified());
    emit captionChanged();
}

void Label::click()
{
    emit mouseDown(kLeftButtonAlone);
    emit clicked();
}

bool Label::hasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked));
}

void Label::setBackColor(const QColor& colour)
{
    m_backColor = colour;
    applyColours();
}

void Label::applyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_backColor);
    colours.setColor(QPalette::WindowText, m_foreColor);
    setPalette(colours);
    // A label on its form's own colour looks the same either way; leaving its background
    // unpainted lets the separator lines beneath it show through.
    const QWidget* form = window();
    setAutoFillBackground(form == this || form->palette().color(QPalette::Window) != m_backColor);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // Only the left button makes a click, as on a push button.
    m_clickArmed = event->button() == Qt::LeftButton;
    emit mouseDown(buttonState(event->button()));
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMove(buttonState(event->buttons()));
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool released_inside = rect().contains(event->position().toPoint());
    const bool click = m_clickArmed && released_inside;
    m_clickArmed = false;
    if (click) {
        emit clicked();
    }
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a double click, not another press and click.
    event->accept();
    m_clickArmed = false;
    emit doubleClicked();
}

} // namespace forms
