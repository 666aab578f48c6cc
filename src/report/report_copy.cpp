#include "report/report_copy.h"

#include "files/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace orvika {
namespace {

// A name the file system would cut short or read as a folder is refused before anything is written.
std::optional<QString> invalidName(const QString &target)
{
    if (target.isEmpty())
        return QStringLiteral("имя файла не задано");
    if (target.contains(QChar(u'\0')))
        return QStringLiteral("недопустимое имя файла");
    if (target.endsWith(u'/') || QFileInfo(target).isDir())
        return QStringLiteral("это папка, а не файл");
    return std::nullopt;
}

} // namespace

std::optional<QString> copyFileReplacing(const QString &source, const QString &target)
{
    const QString sourceName = QFileInfo(source).fileName();
    if (source.isEmpty() || source.contains(QChar(u'\0')) || !QFileInfo(source).isFile())
        return QStringLiteral("не найден файл %1").arg(sourceName);
    if (const auto error = invalidName(target))
        return error;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("не удалось открыть файл %1: %2").arg(sourceName, in.errorString());
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("не удалось прочитать файл %1: %2").arg(sourceName, in.errorString());
    in.close();

    return writeFileAtomically(target, bytes);
}

bool ordinaryFileExists(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(u'.');
}

} // namespace orvika
