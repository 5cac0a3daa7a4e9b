#pragma once

class QString;

namespace forms {

// A message with a question-mark icon and one OK button; returns when dismissed.
void showQuestionMessage(const QString& text, const QString& title);

} // namespace forms
