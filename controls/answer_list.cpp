// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/answer_list.h"

#include "controls/fonts.h"
#include "controls/text.h"

#include <QApplication>
#include <QCompleter>
#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <QWheelEvent>
#include <utility>

namespace forms {

namespace {

// One completer with no model for every list's text field: it completes nothing, and a
// field that has it gets no default completer built only to be thrown away.
QCompleter* modelLessCompleter()
{
    static QPointer<QCompleter> completer;
    if (completer.isNull()) {
        completer = new QCompleter(qApp);
    }
    return completer;
}

// The text field an editable list would build, built here with the shared completer.
// Made before the list's font is set, so it takes the font exactly as Qt's own would.
QLineEdit* textField(QWidget* list)
{
    auto* field = new QLineEdit(list);
    field->setCompleter(modelLessCompleter());
    return field;
}

} // namespace

AnswerList::AnswerList(const ListDesign& design, QWidget* parent)
    : QComboBox(parent), m_tabIndex(design.tabIndex)
{
    setLineEdit(textField(this));
    setGeometry(toPixels(design.left, design.top, design.width, design.height));
    setObjectName(controlName(design.name, design.index));
    // A list already has the font it inherits; setting an equal one anyway would build its
    // drop-down at once, as Qt passes every font change on to it.
    if (const QFont designed = toQFont(design.font); designed != font()) {
        setFont(designed);
    }
    setInsertPolicy(QComboBox::NoInsert);
    // Far beyond any answer, yet short enough that erasing a paste of it is instant: every
    // erased character lays the remaining text out again.
    lineEdit()->setMaxLength(kLongestText);
    setMaxVisibleItems(static_cast<int>(design.entries.size()));
    setFocusPolicy(Qt::StrongFocus);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, design.backColor);
    colours.setColor(QPalette::Text, design.foreColor);
    setPalette(colours);

    for (const std::string_view entry : design.entries) {
        addItem(toQString(entry));
    }
    // The field shows its first answer, yet nothing is chosen.
    setCurrentIndex(-1);
    setEditText(toQString(design.initialText));
    // Show the beginning of a text longer than the field, not its end.
    lineEdit()->setCursorPosition(0);
    m_shownText = lineEdit()->text();
    // Qt picks the entry matching the text when editing finishes (Tab, another window taking
    // the keyboard), so an untouched list would report its first entry chosen. Only choosing
    // chooses here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // Text dropped from another program would stay in the field without being counted.
    lineEdit()->setAcceptDrops(false);

    for (QWidget* part : {static_cast<QWidget*>(this), static_cast<QWidget*>(lineEdit())}) {
        part->setAttribute(Qt::WA_NoMousePropagation);
    }
    // textEdited fires for the user's own edits only, never for a chosen entry. It comes
    // just before the textChanged of the same edit.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_usersEdit = true;
        emit change();
    });
    connect(lineEdit(), &QLineEdit::textChanged, this, &AnswerList::refuseForeignText);
    connect(lineEdit(), &QLineEdit::cursorPositionChanged, this,
            [this](int, int caret) { m_shownCaret = caret; });
}

void AnswerList::refuseForeignText(const QString& text)
{
    const bool chosen = currentIndex() >= 0 && text == itemText(currentIndex());
    if (std::exchange(m_usersEdit, false) || chosen || text == m_shownText) {
        m_shownText = text;
        return;
    }
    // Neither typed nor chosen: written through the accessibility interface, which bypasses
    // the keyboard and so the typing guard. Put back what the list showed once the writer has
    // announced its change, so a list never shows an answer it does not count.
    QMetaObject::invokeMethod(
        this,
        [this, caret = m_shownCaret] {
            lineEdit()->setText(m_shownText);
            lineEdit()->setCursorPosition(caret);
        },
        Qt::QueuedConnection);
}

int AnswerList::listIndex() const
{
    const int chosen = currentIndex();
    return chosen >= 0 && lineEdit()->text() == itemText(chosen) ? chosen : -1;
}

void AnswerList::wheelEvent(QWheelEvent* event)
{
    // Answers change only on purpose: a scroll over the window never picks one.
    event->accept();
}

} // namespace forms
