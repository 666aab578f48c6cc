#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "report/report_copy.h"
#include "report/report_writer.h"

#include <QDir>

namespace orvika {

// "Сохранить как": keeps the last report under a name of the user's choosing, with ".dat" appended.
void MainWindowModel::saveAs()
{
    const Action action(*this);
    const QString enterName = QStringLiteral("Введите имя файла");
    QString newName = m_dialogs.input(QStringLiteral("Сохранить как"),
                                      QStringLiteral("Сохранить файл <<Спецификация>> как"),
                                      QStringLiteral("Новое имя"), InputPlace::ScreenCorner);
    if (newName.isEmpty()) {
        m_dialogs.message(enterName);
        return;
    }
    const QDir workingDir(m_state.appDir);
    const QString source = workingDir.filePath(ReportFileName);
    if (!ordinaryFileExists(source)) {
        m_dialogs.message(QStringLiteral("Не найден файл: ") + ReportFileName);
        return;
    }
    if (ordinaryFileExists(workingDir.filePath(newName + QStringLiteral(".dat")))) {
        // The second answer is not tested again: the same name overwrites, another one is used as it is.
        newName = m_dialogs.input(QStringLiteral("Заменить существующий файл"),
                                  QStringLiteral("Имя ") + newName + QStringLiteral(".dat уже существует"),
                                  QStringLiteral("Новое имя"), InputPlace::ScreenCorner);
        if (newName.isEmpty()) {
            m_dialogs.message(enterName);
            return;
        }
    }
    const QString target = newName + QStringLiteral(".dat");
    const std::optional<QString> failure = copyFileReplacing(source, workingDir.filePath(target));
    m_dialogs.message(writeAnnouncement(target, failure));
    if (!failure)
        copyCardWithReport(source, workingDir.filePath(target));
}

} // namespace orvika
