// The floor the program's start-up is weighed against: the questionnaire window written
// the plain way with Qt Widgets, in pixels, with no forms layer. Same size, texts, fonts,
// colours, icon and lists that neither complete nor add what is typed; no panels, no
// handlers.
#include "assessment/questionnaire.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QFontDatabase>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QWidget>
#include <array>

namespace {

const QColor kAccent(128, 128, 255);

struct QuestionRow
{
    QRect question;
    QPoint list;
    int lineY;
};

const std::array<QuestionRow, assessment::kQuestionCount> kRows{{
    {{24, 48, 393, 25}, {392, 48}, 88},
    {{24, 104, 393, 41}, {392, 104}, 144},
    {{24, 160, 393, 25}, {392, 160}, 200},
    {{24, 208, 377, 49}, {392, 216}, 256},
    {{24, 272, 393, 25}, {392, 272}, 312},
    {{24, 320, 369, 41}, {392, 328}, 368},
    {{24, 376, 361, 41}, {392, 384}, 424},
    {{24, 440, 393, 25}, {392, 440}, 480},
    {{27, 496, 393, 25}, {395, 496}, 536},
    {{19, 544, 417, 41}, {392, 552}, 592},
}};

QString text(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())).trimmed();
}

QFont font(const QString& family, int pixels, bool bold)
{
    QFont chosen(family);
    chosen.setPixelSize(pixels);
    chosen.setBold(bold);
    return chosen;
}

void colour(QWidget* widget, QPalette::ColorRole role, const QColor& value)
{
    QPalette colours = widget->palette();
    colours.setColor(role, value);
    widget->setPalette(colours);
}

QLabel* label(QWidget* window, const QString& caption, const QRect& place, const QFont& face,
              Qt::Alignment alignment)
{
    auto* shown = new QLabel(caption, window);
    shown->setGeometry(place);
    shown->setFont(face);
    shown->setWordWrap(true);
    shown->setAlignment(alignment | Qt::AlignTop);
    colour(shown, QPalette::WindowText, Qt::white);
    return shown;
}

QLabel* captionBarLabel(QWidget* window, const QString& caption, const QRect& place,
                        const QFont& face)
{
    QLabel* bar = label(window, caption, place, face, Qt::AlignHCenter);
    colour(bar, QPalette::Window, kAccent);
    bar->setAutoFillBackground(true);
    return bar;
}

QFrame* frame(QWidget* window, const QRect& place, QFrame::Shape shape, const QColor& ink)
{
    auto* drawn = new QFrame(window);
    drawn->setGeometry(place);
    drawn->setFrameStyle(shape | QFrame::Plain);
    drawn->setLineWidth(2);
    colour(drawn, QPalette::WindowText, ink);
    return drawn;
}

QComboBox* answerList(QWidget* window, int question, QPoint at)
{
    auto* list = new QComboBox(window);
    list->setGeometry(QRect(at, QSize(185, 21)));
    list->setFont(font(QStringLiteral("Tahoma"), 11, false));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    for (const std::string_view answer : assessment::questions()[question].answers) {
        list->addItem(text(answer));
    }
    list->setCurrentIndex(-1);
    list->setEditText(text(assessment::initialText(question)));
    return list;
}

// Back to front: Qt draws the widget made last on top.
void buildWindow(QWidget& window)
{
    const QFont questionFont = font(QStringLiteral("Liberation Sans"), 16, true);
    const QFont buttonFont = font(QStringLiteral("Liberation Sans"), 19, true);
    const QFont captionBarFont = font(QStringLiteral("Liberation Sans"), 13, true);

    label(&window, QStringLiteral("Calculate Your Skin Type"), {144, 606, 312, 28}, buttonFont,
          Qt::AlignHCenter);
    frame(&window, {144, 606, 312, 27}, QFrame::Box, kAccent);
    captionBarLabel(&window, QStringLiteral("Velorin"), {0, 0, 601, 31},
                    font(QStringLiteral("Tahoma"), 19, true));
    captionBarLabel(&window, QStringLiteral("X"), {568, 0, 10, 13}, captionBarFont)
        ->setToolTip(QStringLiteral("Close"));
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        const QuestionRow& row = kRows[static_cast<std::size_t>(i)];
        frame(&window, {7, row.lineY - 1, 586, 2}, QFrame::HLine, Qt::white);
        label(&window, text(assessment::questionText(i)), row.question, questionFont,
              Qt::AlignLeft);
    }
    captionBarLabel(&window, QStringLiteral("?"), {584, 0, 8, 16}, captionBarFont)
        ->setToolTip(QStringLiteral("About"));
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        answerList(&window, i, kRows[static_cast<std::size_t>(i)].list);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDirIterator fonts(QStringLiteral(":/fonts"));
    while (fonts.hasNext()) {
        QFontDatabase::addApplicationFont(fonts.next());
    }
    QApplication::setFont(font(QStringLiteral("Tahoma"), 11, false));

    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Velorin plain window"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/window/velorin-32.png"));
    icon.addFile(QStringLiteral(":/icons/window/velorin-48.png"));
    window.setWindowIcon(icon);
    window.setFixedSize(601, 645);
    colour(&window, QPalette::Window, Qt::black);
    window.setAutoFillBackground(true);
    buildWindow(window);
    window.move(window.screen()->geometry().center() - window.rect().center());
    window.show();

    return QApplication::exec();
}
