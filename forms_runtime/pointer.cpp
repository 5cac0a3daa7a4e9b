#include "forms_runtime/pointer.h"

namespace forms::pointer {

namespace {
QPoint pressPosition;
} // namespace

void rememberPress(QPoint global)
{
    pressPosition = global;
}

QPoint lastPressPosition()
{
    return pressPosition;
}

} // namespace forms::pointer
