#include "forms_runtime/x11.h"

#include <QGuiApplication>

namespace forms::x11 {

xcb_connection_t* connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace forms::x11
