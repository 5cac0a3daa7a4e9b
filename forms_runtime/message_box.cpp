// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/message_box.h"

#include "controls/text.h"

#include <QLabel>
#include <QMessageBox>
#include <QString>

namespace forms {

void showQuestionMessage(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, withLineFeeds(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // Read aloud as one passage, as the labels of the forms are.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            label->setAccessibleName(label->text().simplified());
        }
    }
    box.exec();
}

} // namespace forms
