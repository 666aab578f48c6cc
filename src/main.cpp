#include "app/fonts.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "app/user_data.h"
#include "cli/command_line.h"
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
    const bool commandLine = orvika::wantsCommandLine(argc, argv);
    if (commandLine) {
        // The window's rules run without a window, so no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietQtMessages);
    }
    QApplication app(argc, argv);
    app.setApplicationName(orvika::ApplicationTitle);
    app.setApplicationVersion(QStringLiteral(ORVIKA_VERSION));
    if (commandLine)
        return orvika::runCommandLine(app.arguments());
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
#ifdef ORVIKA_QUIT_ON_FIRST_SHOW
    // Only in the start-up measurement build.
    new QuitOnFirstPaint(window.get());
#endif
    window->show();
    return app.exec();
}
