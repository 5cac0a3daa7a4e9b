// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "test_screen.h"

#include <QGuiApplication>
#include <QMargins>
#include <QMimeData>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformdrag.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

// Input and screen changes sent as the window system sends them. Qt's private test and
// window-system interfaces are used here and nowhere else in the suites.
namespace system_events {

// One mouse event exactly as given (any buttons held), delivered at once and with nothing
// else processed, so no timer ticks in between. QTest's record of the held buttons and of
// the time follows it, so QTest's own events stay consistent with it.
inline void sendMouse(QWindow* window, QPoint at, Qt::MouseButtons held, Qt::MouseButton changed,
                      QEvent::Type type)
{
    QTest::lastMouseTimestamp += 1;
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, static_cast<ulong>(QTest::lastMouseTimestamp), QPointF(at),
        QPointF(window->mapToGlobal(at)), held, changed, type);
    QTestPrivate::qtestMouseButtons = held;
    if (type == QEvent::MouseButtonRelease) {
        // As QTest does: the next press is never taken for the second half of a double click.
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
    }
}

// The two presses of a double click, the second a little off the first and kept down, so
// that a drag can start from it. QTest's own double click releases at once.
inline void doublePressAndHold(QWindow* window, QPoint first, QPoint second)
{
    sendMouse(window, first, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    sendMouse(window, first, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    // Within the double-click interval of the first press, unlike QTest's next press.
    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
    sendMouse(window, second, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
}

// The buttons QTest holds down after the events sent so far.
inline Qt::MouseButtons heldButtons()
{
    return QTestPrivate::qtestMouseButtons;
}

inline void sendWheel(QWindow* window, QPoint at, QPoint angle)
{
    QWindowSystemInterface::handleWheelEvent(window, QPointF(at), QPointF(window->mapToGlobal(at)),
                                             QPoint(), angle);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// Text dragged in from another program and dropped at a point of the window; says whether
// the window accepted the drag on its way in.
inline bool dropText(QWindow* window, QPoint at, const QString& text)
{
    QMimeData dragged;
    dragged.setText(text);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    const bool accepted =
        QWindowSystemInterface::handleDrag(window, &dragged, at, actions, Qt::LeftButton, {})
            .isAccepted();
    QWindowSystemInterface::handleDrop(window, &dragged, at, actions, Qt::LeftButton, {});
    return accepted;
}

// The window system makes this window the active one, as a click on it would.
inline void activate(QWindow* window)
{
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
        window, Qt::ActiveWindowFocusReason);
}

// Assistive tools start or stop listening, as when a screen reader comes up or quits.
inline void setAccessibilityActive(bool active)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
}

// Qt's offscreen platform says so each time a drop-down grabs the keyboard, a window is
// raised or a rising panel's window is given a mask; thousands of those notes would bury
// anything that matters.
inline void ignorePlatformNotes()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type != QtWarningMsg ||
                !message.startsWith(QLatin1String("This plugin does not support"))) {
                next(type, context, message);
            }
        });
}

} // namespace system_events

// Changes the size of the test screen, as a monitor change or a resolution switch would,
// and puts it back when the test is done.
class ScreenSizeChange
{
public:
    ScreenSizeChange() : m_original(QGuiApplication::primaryScreen()->geometry()) {}
    ~ScreenSizeChange() { resize(m_original.size()); }
    ScreenSizeChange(const ScreenSizeChange&) = delete;
    ScreenSizeChange& operator=(const ScreenSizeChange&) = delete;

    // Panels and docks may keep part of the screen for themselves.
    static void resize(QSize pixels, QMargins reserved = {})
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect geometry(QPoint(0, 0), pixels);
        QWindowSystemInterface::handleScreenGeometryChange(screen, geometry,
                                                           geometry.marginsRemoved(reserved));
        QWindowSystemInterface::flushWindowSystemEvents();
    }

private:
    QRect m_original;
};

// A point given in twips within a form, as the mouse would hit it in pixels.
inline QPoint twipsPoint(float x, float y)
{
    using test_screen::kTwipsPerPixel;
    return QPoint(static_cast<int>(x / kTwipsPerPixel), static_cast<int>(y / kTwipsPerPixel));
}
