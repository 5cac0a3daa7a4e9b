// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor the program's start-up is weighed against: the questionnaire window written
// the plain way with Qt Widgets, in pixels, with no forms layer, doing the same work. Same
// size, texts, fonts, colours, icon and lists that neither complete nor add what is typed,
// and the welcome panel shown before the window, rising from the bottom-right corner of
// the screen; no result panel, no handlers.
#include "assessment/questionnaire.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDirIterator>
#include <QFontDatabase>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
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

// An editable list that neither completes nor adds what is typed. Its field comes with a
// completer that has nothing to complete from, or Qt would build a completing one only for
// it to be dropped.
QComboBox* answerList(QWidget* window, QCompleter* noCompletion, int question, QPoint at)
{
    auto* list = new QComboBox(window);
    list->setGeometry(QRect(at, QSize(185, 21)));
    auto* field = new QLineEdit(list);
    field->setCompleter(noCompletion);
    list->setLineEdit(field);
    list->setFont(font(QStringLiteral("Tahoma"), 11, false));
    list->setInsertPolicy(QComboBox::NoInsert);
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
    auto* noCompletion = new QCompleter(&window);
    for (int i = 0; i < assessment::kQuestionCount; ++i) {
        answerList(&window, noCompletion, i, kRows[static_cast<std::size_t>(i)].list);
    }
}

// Each image as PNG, as the program reads them: QIcon::addFile would try every image
// plugin on each file to guess its format.
QIcon windowIcon()
{
    QIcon icon;
    QDirIterator images(QStringLiteral(":/icons/window"));
    while (images.hasNext()) {
        QImageReader reader(images.next(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// The welcome panel: starts just below the screen's bottom-right corner and rises 10/3
// pixels every 10 ms until its bottom stands 20 pixels above the screen's bottom, as the
// program's does.
void showWelcomePanel(QWidget& window)
{
    auto* panel =
        new QWidget(&window, Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                                 Qt::WindowDoesNotAcceptFocus);
    panel->setWindowTitle(QStringLiteral("Velorin plain window's welcome"));
    panel->setAttribute(Qt::WA_ShowWithoutActivating);
    panel->setFixedSize(193, 167);
    colour(panel, QPalette::Window, Qt::black);
    panel->setAutoFillBackground(true);
    captionBarLabel(panel, QStringLiteral("Welcome"), {0, 0, 193, 23},
                    font(QStringLiteral("Tahoma"), 16, true));
    captionBarLabel(panel, QStringLiteral("X"), {176, 0, 10, 13},
                    font(QStringLiteral("Liberation Sans"), 13, true))
        ->setToolTip(QStringLiteral("Close"));
    label(panel,
          QStringLiteral("By answering the questions below you can find out what type of skin "
                         "you have"),
          {8, 24, 177, 129}, font(QStringLiteral("Tahoma"), 19, true), Qt::AlignLeft);

    const QRect screen = window.screen()->geometry();
    const int left = screen.right() + 1 - 193 - 7;
    panel->move(left, screen.bottom() + 1);
    auto* rise = new QTimer(panel);
    rise->setInterval(10);
    QObject::connect(rise, &QTimer::timeout, panel,
                     [panel, rise, left, bottom = screen.bottom() + 1, steps = 0]() mutable {
                         if (panel->y() + panel->height() < bottom - 20) {
                             rise->stop();
                             return;
                         }
                         ++steps;
                         panel->move(left, bottom - (steps * 10 + 1) / 3);
                     });
    panel->show();
    rise->start();
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
    window.setWindowIcon(windowIcon());
    window.setFixedSize(601, 645);
    colour(&window, QPalette::Window, Qt::black);
    window.setAutoFillBackground(true);
    buildWindow(window);
    window.move(window.screen()->geometry().center() - window.rect().center());
    showWelcomePanel(window);
    window.show();

    return QApplication::exec();
}
