// The yardsticks for start-up time: an application with one empty main window, ended as soon as
// the window has been shown and painted. Built with BARE_WINDOW_WITH_LABEL, the window holds one
// label of text: what any window pays before its first paint once it draws text at all (the font
// system is set up, a font is loaded and its glyphs are rendered). Built with BARE_WINDOW_AT_SIZE,
// the empty window has the main window's size (854 x 542 pixels at 96 dpi): what a window of that
// area pays to fill its backing store at the first paint.
#include "quit_on_first_paint.h"

#include <QApplication>
#include <QMainWindow>
#ifdef BARE_WINDOW_WITH_LABEL
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
#ifdef BARE_WINDOW_WITH_LABEL
    window.setCentralWidget(new QLabel(QStringLiteral("Меню")));
#endif
#ifdef BARE_WINDOW_AT_SIZE
    window.setFixedSize(854, 542);
#endif
    new QuitOnFirstPaint(&window);
    window.show();
    return app.exec();
}
