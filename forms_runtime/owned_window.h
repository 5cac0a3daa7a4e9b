#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace forms {

// Keeps a window that the window manager leaves alone together with its owner, as a
// window manager keeps a transient window: off the screen while the owner is minimised
// or on another workspace, back where it now stands when the owner returns, and always
// just above the owner, so that other programs' windows raised over the owner cover it
// too. X11 only; elsewhere the owner is the window's transient parent and the system
// does this itself.
class OwnedWindow : public QObject
{
    Q_OBJECT

public:
    OwnedWindow(QWidget& owned, QWidget& owner);
    ~OwnedWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ownerShown() const;
    void followOwner();
    void keepAboveOwner();
    // From the owner's first appearance on, not before: start-up does not wait for it.
    void watchRestacks();

    QWidget& m_owned;
    QPointer<QWidget> m_owner;
    quint32 m_window;
    std::optional<bool> m_ownerWasShown;
    bool m_watchingRestacks = false;
};

} // namespace forms
