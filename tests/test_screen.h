#pragma once

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <qpa/qwindowsysteminterface.h>

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
    return QPoint(static_cast<int>(x / 15.0f), static_cast<int>(y / 15.0f));
}
