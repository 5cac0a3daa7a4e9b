#include "forms_runtime/screen.h"

#include "forms_runtime/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace forms::Screen {

QSize sizeInPixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

QRect availablePixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

float width()
{
    return pixelsToTwips(sizeInPixels().width());
}

float height()
{
    return pixelsToTwips(sizeInPixels().height());
}

} // namespace forms::Screen
