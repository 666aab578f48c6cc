// A second yardstick for start-up time: the bare window with one label of text as its only
// content. It shows what any window pays before its first paint once it draws text at all: the
// font system is set up, a font is loaded and its glyphs are rendered.
#include "quit_on_first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Меню")));
    new QuitOnFirstPaint(&window);
    window.show();
    return app.exec();
}
