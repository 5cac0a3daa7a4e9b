// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

namespace forms {

// A message with a question-mark icon and one OK button; returns when dismissed.
void showQuestionMessage(const QString& text, const QString& title);

} // namespace forms
