#include "engine/protected_files.h"

#include "engine/price_column_memory.h"
#include "price_list/price_list_file.h"
#include "project/loudspeaker_library_file.h"
#include "project/project_card_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <utility>

namespace orvika {
namespace {

// Where a path leads: its canonical path (for a file not there yet, its folder's canonical path
// and its name) and, for an existing file, its device and inode, which hard links share.
struct FileIdentity
{
    QString path;
    std::optional<std::pair<dev_t, ino_t>> inode;
};

// A dangling symbolic link is written through to its target, so it stands for the target. Links in
// a loop end at the bound.
QString followDanglingLinks(QString path)
{
    for (int links = 0; links < 40; ++links) {
        const QFileInfo info(path);
        if (!info.isSymLink() || info.exists())
            break;
        path = info.symLinkTarget();
    }
    return path;
}

FileIdentity identityOf(const QString &path)
{
    const QFileInfo info(followDanglingLinks(QDir::current().absoluteFilePath(path)));
    FileIdentity identity;
    if (info.exists()) {
        identity.path = info.canonicalFilePath();
        struct stat status;
        if (::stat(QFile::encodeName(identity.path).constData(), &status) == 0)
            identity.inode = std::pair{status.st_dev, status.st_ino};
        return identity;
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    identity.path =
        folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + u'/' + info.fileName();
    return identity;
}

bool sameFile(const FileIdentity &a, const FileIdentity &b)
{
    if (a.inode && b.inode)
        return *a.inode == *b.inode;
    return a.path == b.path;
}

} // namespace

QList<ProtectedFile> reportFiles(const QString &reportPath)
{
    return {{reportPath, QStringLiteral("сохранённая спецификация")},
            {projectCardPathFor(reportPath), QStringLiteral("файл сведений о проекте")}};
}

ProtectedFile cardFile(const QString &cardPath)
{
    return {cardPath, QStringLiteral("файл сведений о проекте")};
}

QList<ProtectedFile> dataFiles(const QString &appDir)
{
    const QDir base(appDir + QStringLiteral("/Base"));
    return {
        {base.filePath(QStringLiteral("Base-Date")), QStringLiteral("каталог оборудования")},
        {base.filePath(QStringLiteral("Sxemm")), QStringLiteral("библиотека блок-схем")},
        {QDir(appDir).filePath(LoudspeakerLibraryFileName), QStringLiteral("библиотека громкоговорителей")},
        {QDir(appDir).filePath(PriceListFileName), QStringLiteral("текущий прайс-лист")},
        {QDir(appDir).filePath(PriceColumnMemoryFileName),
         QStringLiteral("запомненные столбцы прайс-листов")}};
}

std::optional<ProtectedFile> protectedFileAt(const QString &outputPath, const QList<ProtectedFile> &files)
{
    const FileIdentity output = identityOf(outputPath);
    for (const ProtectedFile &file : files) {
        if (sameFile(output, identityOf(file.path)))
            return file;
    }
    return std::nullopt;
}

QString refusalMessage(const QString &outputName, const ProtectedFile &file)
{
    return QStringLiteral("Нельзя записать документ в «%1»: это %2 «%3».")
        .arg(outputName, file.what, QFileInfo(file.path).fileName());
}

} // namespace orvika
