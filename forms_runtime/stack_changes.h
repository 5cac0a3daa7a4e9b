#pragma once

#include <QObject>
#include <QSet>

class QSocketNotifier;
struct xcb_connection_t;

namespace forms {

// Reports, on X11, every change in the stacking of the screen's top-level windows made
// by another program or a window manager: its own connection watches the root window,
// so Qt's never sees these events. The windows it is told are its own are left out.
class StackChanges : public QObject
{
    Q_OBJECT

public:
    static StackChanges& instance();
    ~StackChanges() override;

    void addOwnWindow(quint32 window);
    void removeOwnWindow(quint32 window);
    bool isOwnWindow(quint32 window) const { return m_ownWindows.contains(window); }

signals:
    void restacked();

private:
    StackChanges();
    void readEvents();

    xcb_connection_t* m_connection = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    QSet<quint32> m_ownWindows;
};

} // namespace forms
