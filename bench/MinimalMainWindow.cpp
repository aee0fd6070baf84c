// The least Qt program with a main window: the start-up benchmark's baseline,
// run and ended the same way as the suite's programs. Its window takes the
// screen's work area as theirs do, so both paint as many pixels.

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    return QApplication::exec();
}
