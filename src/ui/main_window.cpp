#include "ui/main_window.h"

#include "app/information_window.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

namespace orvika {

MainWindow::MainWindow(SharedState &state, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    // Form2 exists, hidden, from start-up on, showing the counts the loaders recorded.
    m_informationWindow = new InformationWindow(m_state.blockCount, m_state.schemes.schemeCount, this);
    connect(Minf, &QAction::triggered, this, &MainWindow::openInformationWindow);
    connect(fEx, &QAction::triggered, this, &MainWindow::close);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::close);

    connectParameterRules();
    connectSourceRules();
    connectPowerRules();
    connectCalculationRules();
    connectDocumentRules();
}

MainWindow::~MainWindow() = default;

void MainWindow::openInformationWindow()
{
    static_cast<InformationWindow *>(m_informationWindow)->exec();
}

// Closing never asks and saves nothing; the information window goes with the main window.
void MainWindow::closeEvent(QCloseEvent *event)
{
    m_informationWindow->close();
    event->accept();
}

} // namespace orvika
