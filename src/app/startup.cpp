#include "app/startup.h"

#include "engine/startup_data.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

namespace orvika {
namespace {

// Before there is a window, the boxes stand on their own.
class StartUpDialogs : public DialogSeam
{
public:
    explicit StartUpDialogs(Dialogs &dialogs) : m_dialogs(dialogs) {}
    void message(const QString &text) override { m_dialogs.message(nullptr, text); }
    QString input(const QString &, const QString &, const QString &, InputPlace) override { return {}; }

private:
    Dialogs &m_dialogs;
};

} // namespace

std::unique_ptr<MainWindow> startUp(SharedState &state, Dialogs &dialogs, const QString &appDir,
                                    const QLocale &locale)
{
    StartUpDialogs startUpDialogs(dialogs);
    if (!readStartUpData(state, startUpDialogs, appDir, locale))
        return nullptr;
    return std::make_unique<MainWindow>(state, dialogs);
}

} // namespace orvika
