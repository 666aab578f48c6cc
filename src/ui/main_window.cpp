#include "ui/main_window.h"

#include "app/information_window.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

namespace orvika {

MainWindow::MainWindow(SharedState &state, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_seam(dialogs, this), m_model(state, m_seam)
{
    setObjectName(QStringLiteral("Form1"));
    buildWindow();
    connect(Minf, &QAction::triggered, this, &MainWindow::openInformationWindow);
    connect(fEx, &QAction::triggered, this, &MainWindow::close);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::close);

    connectModel();
    connectDocumentRules();
    connectExportRules();
    connectComparisonRules();
    connectProjectRules();
}

MainWindow::~MainWindow()
{
    m_seam.beforeBox = nullptr;
    // Controls still signal while they are being destroyed (an editable picker reports the item its
    // text names); no rule may run on a window that is going away.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

// Form2 shows the counts the loaders recorded at start-up. It is made when first asked for, which
// keeps its fonts out of the start-up time, and kept hidden between openings.
void MainWindow::openInformationWindow()
{
    if (!m_informationWindow)
        m_informationWindow =
            new InformationWindow(m_model.state().blockCount, m_model.state().schemes.schemeCount, this);
    static_cast<InformationWindow *>(m_informationWindow)->exec();
}

// Closing never asks and saves nothing; the information window goes with the main window.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_informationWindow)
        m_informationWindow->close();
    event->accept();
}

} // namespace orvika
