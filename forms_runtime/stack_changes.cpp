#include "forms_runtime/stack_changes.h"

#include "forms_runtime/display_name.h"
#include "forms_runtime/x11.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <optional>

namespace forms {

namespace {

// The window an event is about, when it changes where a top-level window lies.
std::optional<xcb_window_t> restackedWindow(const xcb_generic_event_t& event)
{
    switch (event.response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY:
        return reinterpret_cast<const xcb_configure_notify_event_t&>(event).window;
    case XCB_CIRCULATE_NOTIFY:
        return reinterpret_cast<const xcb_circulate_notify_event_t&>(event).window;
    default:
        return std::nullopt;
    }
}

} // namespace

StackChanges& StackChanges::instance()
{
    static auto* changes = new StackChanges();
    return *changes;
}

StackChanges::StackChanges() : QObject(qGuiApp)
{
    m_connection = xcb_connect(displayName().toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(m_connection) != 0) {
        qWarning("Could not open a second X connection: windows raised over the owner will "
                 "not cover its panels");
        return;
    }
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, x11::rootOf(m_connection), XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    m_notifier =
        new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StackChanges::readEvents);
}

StackChanges::~StackChanges()
{
    xcb_disconnect(m_connection);
}

void StackChanges::addOwnWindow(quint32 window)
{
    m_ownWindows.insert(window);
}

void StackChanges::removeOwnWindow(quint32 window)
{
    m_ownWindows.remove(window);
}

void StackChanges::readEvents()
{
    bool foreign = false;
    while (const x11::Owned<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        const std::optional<xcb_window_t> window = restackedWindow(*event);
        foreign = foreign || (window && !isOwnWindow(*window));
    }
    if (xcb_connection_has_error(m_connection) != 0) {
        m_notifier->setEnabled(false); // the display has gone; the program ends with it
    }
    if (foreign) {
        emit restacked();
    }
}

} // namespace forms
