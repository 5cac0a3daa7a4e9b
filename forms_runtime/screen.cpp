#include "forms_runtime/screen.h"

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

Twips width()
{
    return Twips::fromPixels(sizeInPixels().width());
}

Twips height()
{
    return Twips::fromPixels(sizeInPixels().height());
}

} // namespace forms::Screen
