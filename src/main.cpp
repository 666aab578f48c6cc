#include "app/fonts.h"
#include "app/qt_translation.h"
#include "app/startup.h"
#include "app/user_data.h"
#include "cli/command_line.h"
#include "engine/shared_state.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

#ifdef ORVIKA_QUIT_ON_FIRST_SHOW
#include "quit_on_first_paint.h"
#endif

namespace {

// On the command line standard error carries the program's own messages only.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    if (orvika::wantsCommandLine(argc, argv)) {
        // The window's rules run without a window; what paints text needs no display either.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQtMessages);
        return orvika::runCommandLine(argc, argv);
    }
    QApplication app(argc, argv);
    app.setApplicationName(orvika::ApplicationTitle);
    app.setApplicationVersion(QStringLiteral(ORVIKA_VERSION));
    orvika::installQtTranslation(QLocale::system());
    orvika::registerTahoma();

    orvika::SharedState state;
    orvika::WidgetDialogs dialogs;
    if (orvika::wantsUserData(argc, argv)) {
        if (const std::optional<QString> failure = orvika::enterUserDataFolder()) {
            dialogs.message(nullptr, *failure);
            return 1;
        }
    }
    // The data files are found relative to the working directory: the one the program was started
    // in, or the user's data folder.
    const std::unique_ptr<orvika::MainWindow> window =
        orvika::startUp(state, dialogs, QDir::currentPath(), QLocale::system());
    if (!window)
        return 1;
    window->model().useLastCardFile(
        QDir(orvika::userDataFolder()).filePath(QStringLiteral("last-project.json")));
#ifdef ORVIKA_QUIT_ON_FIRST_SHOW
    // Only in the start-up measurement build.
    new QuitOnFirstPaint(window.get());
#endif
    window->show();
    return app.exec();
}
