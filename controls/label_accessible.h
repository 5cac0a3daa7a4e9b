// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace forms {

class Label;

// A label as assistive tools see it: static text that names its buddy list or, where a
// click does something, a button whose press action does exactly what a left click does.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label* label);

    QAccessible::Role role() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    Label* label() const;
};

} // namespace forms
