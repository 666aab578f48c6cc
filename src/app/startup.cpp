#include "app/startup.h"

#include "engine/startup_data.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace orvika {

std::unique_ptr<MainWindow> startUp(SharedState &state, Dialogs &dialogs, const QString &appDir,
                                    const QLocale &locale)
{
    WindowDialogSeam startUpDialogs(dialogs, nullptr); // no window yet
    if (!readStartUpData(state, startUpDialogs, appDir, locale))
        return nullptr;
    return std::make_unique<MainWindow>(state, dialogs);
}

} // namespace orvika
