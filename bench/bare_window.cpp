// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shown beside the program's figures for information: the least a Qt Widgets program can
// do to put a black frameless window of the questionnaire's size in the middle of the
// screen, with no text at all.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Velorin bare window"));
    window.setFixedSize(601, 645);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, Qt::black);
    window.setPalette(colours);
    window.setAutoFillBackground(true);
    const QRect screen = window.screen()->geometry();
    window.move(screen.center() - window.rect().center());
    window.show();

    return QApplication::exec();
}
