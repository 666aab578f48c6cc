#include "ui/load_window.h"
#include "ui/main_window.h"

#include <QAction>

// "Меню": "Сохранить как" and "Загрузить спецификацию".
namespace orvika {

void MainWindow::connectDocumentRules()
{
    connect(Mnuskak, &QAction::triggered, &m_model, &MainWindowModel::saveAs);
    connect(M_z_spec, &QAction::triggered, this, &MainWindow::openLoadWindow);
}

void MainWindow::openLoadWindow()
{
    LoadWindow window(*this, this);
    window.exec();
}

} // namespace orvika
