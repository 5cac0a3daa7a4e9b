#include "forms_runtime/message_box.h"

#include <QMessageBox>
#include <QString>

namespace forms {

void showQuestionMessage(const QString& text, const QString& title)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::Question, title, lines, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace forms
