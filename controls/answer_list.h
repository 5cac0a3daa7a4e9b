// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <QComboBox>

namespace forms {

// A drop-down list with an editable text field. Unlike Qt's default it never
// completes typed text, never adds a typed entry, ignores the wheel, and reports
// `change` only for edits the user makes to the text, not for choosing an entry.
// Its text changes only by the user's own edits or by choosing: it takes no drops,
// never picks an entry by itself, and undoes any other writer.
class AnswerList : public QComboBox
{
    Q_OBJECT

public:
    using Design = ListDesign;

    static constexpr int kLongestText = 255;

    AnswerList(const ListDesign& design, QWidget* parent);

    // -1 while the text shows no chosen entry, else the chosen entry's position.
    int listIndex() const;
    int tabIndex() const { return m_tabIndex; }

signals:
    void change();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void refuseForeignText(const QString& text);

    int m_tabIndex;
    QString m_shownText;
    int m_shownCaret = 0;
    bool m_usersEdit = false;
};

} // namespace forms
