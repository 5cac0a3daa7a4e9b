#include "forms_runtime/screen_changes.h"

#include <QGuiApplication>
#include <QScreen>

namespace forms {

ScreenChanges& ScreenChanges::instance()
{
    static auto* changes = new ScreenChanges();
    return *changes;
}

ScreenChanges::ScreenChanges() : QObject(qGuiApp)
{
    watch(QGuiApplication::primaryScreen());
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        watch(screen);
        emit changed();
    });
}

void ScreenChanges::watch(QScreen* screen)
{
    disconnect(m_geometry);
    if (screen != nullptr) {
        m_geometry = connect(screen, &QScreen::geometryChanged, this, &ScreenChanges::changed);
    }
}

} // namespace forms
