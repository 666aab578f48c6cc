#include "report/report_copy.h"
#include "report/report_writer.h"
#include "ui/dialogs.h"
#include "ui/load_window.h"
#include "ui/main_window.h"
#include "ui/twips.h"

#include <QAction>
#include <QDir>
#include <QScreen>

namespace orvika {

void MainWindow::connectDocumentRules()
{
    connect(Mnuskak, &QAction::triggered, this, &MainWindow::saveAs);
    connect(M_z_spec, &QAction::triggered, this, &MainWindow::openLoadWindow);
}

// "Сохранить как": keeps the last report under a name of the user's choosing, with ".dat" appended.
void MainWindow::saveAs()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    const QPoint corner = screen()->geometry().topLeft() + QPoint(twips.x(100), twips.y(100));
    const QString enterName = QStringLiteral("Введите имя файла");
    QString newName = m_dialogs.input(this, QStringLiteral("Сохранить как"),
                                      QStringLiteral("Сохранить файл <<Спецификация>> как"),
                                      QStringLiteral("Новое имя"), corner);
    if (newName.isEmpty()) {
        m_dialogs.message(this, enterName);
        return;
    }
    const QDir workingDir(m_state.appDir);
    const QString source = workingDir.filePath(ReportFileName);
    if (!ordinaryFileExists(source)) {
        m_dialogs.message(this, QStringLiteral("Не найден файл: ") + ReportFileName);
        return;
    }
    if (ordinaryFileExists(workingDir.filePath(newName + QStringLiteral(".dat")))) {
        // The second answer is not tested again: the same name overwrites, another one is used as it is.
        newName = m_dialogs.input(this, QStringLiteral("Заменить существующий файл"),
                                  QStringLiteral("Имя ") + newName + QStringLiteral(".dat уже существует"),
                                  QStringLiteral("Новое имя"), corner);
        if (newName.isEmpty()) {
            m_dialogs.message(this, enterName);
            return;
        }
    }
    const QString target = newName + QStringLiteral(".dat");
    announceWrite(m_dialogs, this, target, copyFileReplacing(source, workingDir.filePath(target)));
}

void MainWindow::openLoadWindow()
{
    LoadWindow window(*this, this);
    window.exec();
}

} // namespace orvika
