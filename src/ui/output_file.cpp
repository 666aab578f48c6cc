#include "ui/output_file.h"

#include "report/report_writer.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace orvika {

QList<ProtectedFile> windowProtectedFiles(const QString &appDir)
{
    return reportFiles(QDir(appDir).filePath(ReportFileName)) + dataFiles(appDir);
}

QString askOutputFile(Dialogs &dialogs, QWidget *parent, const QString &caption, const QString &folder,
                      const QString &proposedName, const QString &filter,
                      const QList<ProtectedFile> &protectedFiles)
{
    const QString path = dialogs.saveFileName(parent, caption, folder, proposedName, filter);
    if (path.isEmpty())
        return {};
    if (const std::optional<ProtectedFile> taken = protectedFileAt(path, protectedFiles)) {
        dialogs.message(parent, refusalMessage(QFileInfo(path).fileName(), *taken));
        return {};
    }
    return path;
}

} // namespace orvika
