#include "forms_runtime/owned_window.h"

#include "forms_runtime/stack_changes.h"
#include "forms_runtime/x11.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <span>

namespace forms {

namespace {

using TreeReply = x11::Owned<xcb_query_tree_reply_t>;

TreeReply treeOf(xcb_connection_t* connection, xcb_window_t window)
{
    return TreeReply(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
}

// The child of the root that holds the window: a window manager's frame, or the window.
xcb_window_t topLevelOf(xcb_connection_t* connection, xcb_window_t window)
{
    for (;;) {
        const TreeReply tree = treeOf(connection, window);
        if (!tree || tree->parent == tree->root || tree->parent == XCB_NONE) {
            return window;
        }
        window = tree->parent;
    }
}

// Whether the window lies above the other with none but the program's own between.
bool liesJustAbove(xcb_connection_t* connection, xcb_window_t window, xcb_window_t below)
{
    const TreeReply stack = treeOf(connection, x11::rootOf(connection));
    if (!stack) {
        return true;
    }
    // Bottom first.
    const std::span<const xcb_window_t> children(xcb_query_tree_children(stack.get()),
                                                 xcb_query_tree_children_length(stack.get()));
    const auto lower = std::ranges::find(children, below);
    const auto upper = std::ranges::find(children, window);
    return lower < upper && std::all_of(lower + 1, upper, [](xcb_window_t between) {
               return StackChanges::instance().isOwnWindow(between);
           });
}

void stackJustAbove(xcb_connection_t* connection, xcb_window_t window, xcb_window_t below)
{
    const uint32_t values[] = {below, XCB_STACK_MODE_ABOVE};
    // Checked, so that a frame that went meanwhile costs a discarded error, not a warning.
    std::free(xcb_request_check(
        connection,
        xcb_configure_window_checked(
            connection, window, XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values)));
}

} // namespace

OwnedWindow::OwnedWindow(QWidget& owned, QWidget& owner)
    : QObject(&owned), m_owned(owned), m_owner(&owner),
      m_window(static_cast<quint32>(owned.winId()))
{
    QWindow* ownerWindow = owner.windowHandle();
    ownerWindow->installEventFilter(this);
    connect(ownerWindow, &QWindow::windowStateChanged, this, &OwnedWindow::followOwner);
    owned.installEventFilter(this);
}

OwnedWindow::~OwnedWindow()
{
    if (m_watchingRestacks) {
        StackChanges::instance().removeOwnWindow(m_window);
    }
}

void OwnedWindow::watchRestacks()
{
    if (m_watchingRestacks) {
        return;
    }
    m_watchingRestacks = true;
    StackChanges::instance().addOwnWindow(m_window);
    connect(&StackChanges::instance(), &StackChanges::restacked, this,
            &OwnedWindow::keepAboveOwner);
}

bool OwnedWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_owned && event->type() == QEvent::Show) {
        // Mapped anew, on top of every window: judge afresh.
        m_ownerWasShown.reset();
        followOwner();
    } else if (watched != &m_owned && event->type() == QEvent::Expose) {
        followOwner();
    }
    return false;
}

bool OwnedWindow::ownerShown() const
{
    const QWindow* owner = m_owner->windowHandle();
    return owner->isExposed() && !owner->windowStates().testFlag(Qt::WindowMinimized);
}

void OwnedWindow::followOwner()
{
    xcb_connection_t* connection = x11::connection();
    if (connection == nullptr || !m_owner || !m_owned.isVisible() ||
        m_ownerWasShown == ownerShown()) {
        return;
    }
    m_ownerWasShown = ownerShown();
    if (*m_ownerWasShown) {
        watchRestacks();
        keepAboveOwner();
        xcb_map_window(connection, m_window);
    } else {
        xcb_unmap_window(connection, m_window);
    }
    xcb_flush(connection);
}

void OwnedWindow::keepAboveOwner()
{
    xcb_connection_t* connection = x11::connection();
    if (connection == nullptr || !m_owner || !m_owned.isVisible() || !ownerShown()) {
        return;
    }
    const xcb_window_t owner = topLevelOf(connection, static_cast<xcb_window_t>(m_owner->winId()));
    if (!liesJustAbove(connection, m_window, owner)) {
        stackJustAbove(connection, m_window, owner);
    }
}

} // namespace forms
