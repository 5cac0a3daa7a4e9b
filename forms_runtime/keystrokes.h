#pragma once

#include <Qt>

namespace forms {

// Queues a keystroke for whichever control has the keyboard focus when it is
// processed, after the current handler has returned.
void queueKeystroke(Qt::Key key);

} // namespace forms
