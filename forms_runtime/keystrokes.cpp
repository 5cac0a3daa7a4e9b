#include "forms_runtime/keystrokes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

namespace forms {

void queueKeystroke(Qt::Key key)
{
    QMetaObject::invokeMethod(
        qApp,
        [key] {
            QWidget* target = QApplication::focusWidget();
            if (target == nullptr) {
                return;
            }
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &release);
        },
        Qt::QueuedConnection);
}

} // namespace forms
