#pragma once

#include <Qt>

class QWidget;

namespace forms {

// Queues a keystroke for the given control. It is processed after the current handler has
// returned and goes to that control, wherever the keyboard focus has moved meanwhile; a
// control destroyed in between receives nothing.
void queueKeystroke(QWidget& target, Qt::Key key);

} // namespace forms
