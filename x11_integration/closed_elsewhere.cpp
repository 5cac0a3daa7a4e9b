// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/closed_elsewhere.h"

#include "x11_integration/x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>

namespace x11 {

namespace {

// Qt sees the destruction of its windows (it watches their structure) but does nothing
// about it; a watched window owns one of these, which looks out for it among the events Qt
// reads.
class DestructionWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit DestructionWatch(QWidget& window)
        : QObject(&window), m_watched(static_cast<xcb_window_t>(window.winId()))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == m_watched) {
            closeWindow();
        }
        return false;
    }

private:
    void closeWindow()
    {
        auto* window = static_cast<QWidget*>(parent());
        // The program's own windows go too, when it has done with them.
        if (window->internalWinId() == m_watched) {
            // Once Qt has finished with the event that told it.
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }

    const xcb_window_t m_watched;
};

} // namespace

void closeWhenDestroyedElsewhere(QWidget& window)
{
    if (connection() != nullptr) {
        new DestructionWatch(window);
    }
}

} // namespace x11
