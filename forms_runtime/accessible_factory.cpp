#include "forms_runtime/accessible_factory.h"

#include "forms_runtime/label.h"
#include "forms_runtime/label_accessible.h"

namespace forms {

namespace {

QAccessibleInterface* accessibleInterfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Label::staticMetaObject.className())) {
        return new LabelAccessible(static_cast<Label*>(object));
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(accessibleInterfaceFor);
}

} // namespace forms
