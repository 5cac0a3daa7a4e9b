// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/accessible_factory.h"

#include "controls/label.h"
#include "controls/label_accessible.h"
#include "forms_runtime/form.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

QAccessibleInterface* accessibleInterfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Label::staticMetaObject.className())) {
        return new LabelAccessible(static_cast<Label*>(object));
    }
    if (className == QLatin1String(Form::staticMetaObject.className())) {
        auto* form = static_cast<Form*>(object);
        return new QAccessibleWidget(form, form->isMainWindow() ? QAccessible::Window
                                                                : QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(accessibleInterfaceFor);
}

} // namespace forms
