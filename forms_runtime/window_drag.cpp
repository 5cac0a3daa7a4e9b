#include "forms_runtime/window_drag.h"

#include "forms_runtime/form.h"
#include "forms_runtime/pointer.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace forms {

namespace {

// On X11 the window follows the pointer itself: the system move is missing without a
// window manager and unreliable under some. Moves are taken before any control sees them.
class PointerFollower : public QObject
{
public:
    static PointerFollower& instance()
    {
        static auto* follower = new PointerFollower(qApp);
        return *follower;
    }

    using QObject::QObject;

    void start(Form& form)
    {
        if (m_form) {
            return;
        }
        m_form = &form;
        m_offset = pointer::lastPressPosition() - form.pos();
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
            follow(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            stop();
            return false;
        default:
            return false;
        }
    }

private:
    void follow(QMouseEvent* event)
    {
        if (!m_form || !event->buttons().testFlag(Qt::LeftButton)) {
            stop();
            return;
        }
        m_form->moveToPixels(event->globalPosition().toPoint() - m_offset);
    }

    void stop()
    {
        m_form.clear();
        qApp->removeEventFilter(this);
    }

    QPointer<Form> m_form;
    QPoint m_offset;
};

} // namespace

void dragWindow(Form& form)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (QWindow* window = form.windowHandle()) {
            window->startSystemMove();
        }
        return;
    }
    PointerFollower::instance().start(form);
}

} // namespace forms
