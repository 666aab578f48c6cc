#include "ui/main_window.h"

#include "ui/dialogs.h"

#include <QCloseEvent>

namespace orvika {

MainWindow::MainWindow(SharedState &state, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    connectParameterRules();
    connectSourceRules();
    connectPowerRules();
    connectCalculationRules();
    connectDocumentRules();
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
}

} // namespace orvika
