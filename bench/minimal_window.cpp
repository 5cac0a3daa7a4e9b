// The baseline the program's start-up and memory are weighed against: the least a
// Qt Widgets program can do to put a black frameless window of the questionnaire's
// size in the middle of the screen.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Velorin minimal window"));
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
