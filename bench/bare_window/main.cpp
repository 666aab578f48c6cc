// The yardstick for start-up time: an application with one empty main window, ended as soon as
// the window has been shown and painted.
#include "quit_on_first_paint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    new QuitOnFirstPaint(&window);
    window.show();
    return app.exec();
}
