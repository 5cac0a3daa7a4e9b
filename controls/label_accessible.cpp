// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/label_accessible.h"

#include "controls/label.h"

#include <QMetaObject>

namespace forms {

LabelAccessible::LabelAccessible(Label* label) : QAccessibleWidget(label) {}

QAccessible::Role LabelAccessible::role() const
{
    return label()->hasClickHandler() ? QAccessible::PushButton : QAccessible::StaticText;
}

Label* LabelAccessible::label() const
{
    return static_cast<Label*>(widget());
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
LabelAccessible::relations(QAccessible::Relation match) const
{
    auto related = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Labelled) != 0 && label()->buddy() != nullptr) {
        if (QAccessibleInterface* buddy = QAccessible::queryAccessibleInterface(label()->buddy())) {
            related.append({buddy, QAccessible::Labelled});
        }
    }
    return related;
}

QStringList LabelAccessible::actionNames() const
{
    return label()->hasClickHandler() ? QStringList{pressAction()}
                                      : QAccessibleWidget::actionNames();
}

void LabelAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction() || !label()->hasClickHandler()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // Queued: the tool's call returns at once, even when the click opens a modal message.
    QMetaObject::invokeMethod(label(), &Label::click, Qt::QueuedConnection);
}

} // namespace forms
