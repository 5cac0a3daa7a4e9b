#pragma once

#include <QMetaObject>
#include <QObject>

class QScreen;

namespace forms {

// Tells when the screen's geometry changes: a new resolution, a monitor plugged in or
// out, another screen made the primary one.
class ScreenChanges : public QObject
{
    Q_OBJECT

public:
    static ScreenChanges& instance();

signals:
    void changed();

private:
    ScreenChanges();
    void watch(QScreen* screen);

    QMetaObject::Connection m_geometry;
};

} // namespace forms
