// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/closed_elsewhere.h"

#include "x11_integration/x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace x11 {

namespace {

// Qt sees the destruction of its windows (it watches their structure) but does nothing
// about it; this filter looks out for it among the events Qt reads.
class DestructionWatch : public QAbstractNativeEventFilter
{
public:
    static DestructionWatch& instance()
    {
        static DestructionWatch watch;
        return watch;
    }

    void watch(QWidget& window)
    {
        m_windows.insert(static_cast<xcb_window_t>(window.winId()), &window);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY) {
            closeDestroyed(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window);
        }
        return false;
    }

private:
    DestructionWatch() { QCoreApplication::instance()->installNativeEventFilter(this); }

    void closeDestroyed(xcb_window_t destroyed)
    {
        const QPointer<QWidget> window = m_windows.take(destroyed);
        // The program's own windows go too, when it has done with them.
        if (window && window->internalWinId() == destroyed) {
            // Once Qt has finished with the event that told it.
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }

    QHash<xcb_window_t, QPointer<QWidget>> m_windows;
};

} // namespace

void closeWhenDestroyedElsewhere(QWidget& window)
{
    if (connection() != nullptr) {
        DestructionWatch::instance().watch(window);
    }
}

} // namespace x11
