#include "app/fonts.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>

#ifdef ORVIKA_QUIT_ON_FIRST_SHOW
#include "quit_on_first_paint.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(orvika::ApplicationTitle);
    orvika::registerTahoma();

    orvika::SharedState state;
    orvika::WidgetDialogs dialogs;
    // The data files are found relative to the directory the program was started in.
    const std::unique_ptr<orvika::MainWindow> window =
        orvika::startUp(state, dialogs, QDir::currentPath(), QLocale::system());
    if (!window)
        return 1;
#ifdef ORVIKA_QUIT_ON_FIRST_SHOW
    // Only in the start-up measurement build.
    new QuitOnFirstPaint(window.get());
#endif
    window->show();
    return app.exec();
}
