// The least Qt program with a main window: the start-up benchmark's baseline,
// run and ended the same way as the suite's programs. Its window takes the
// screen's work area as theirs do, so both paint as many pixels.
//
// Asked with the argument "text" it also shows a menu and a status text, so
// its start includes setting up the fonts and laying out and painting text,
// as every window with a caption does. Built as qel_minimal_linked_main_window
// it is moreover linked with the suite's libraries (loaded, relocated and
// their static objects made, but never called), so the start-up benchmark can
// show what each of the three costs a program's start.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
        window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    }
    window.show();
    return QApplication::exec();
}
