#include "report/report_copy.h"

#include "catalogue/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace orvika {
namespace {

// A name the file system would cut short or read as a folder is refused before anything is written.
std::optional<QString> invalidName(const QString &target)
{
    if (target.isEmpty())
        return QStringLiteral("Имя файла не задано");
    if (target.contains(QChar(u'\0')))
        return QStringLiteral("Недопустимое имя файла: %1").arg(target);
    if (target.endsWith(u'/') || QFileInfo(target).isDir())
        return QStringLiteral("%1 - это папка, а не файл").arg(target);
    return std::nullopt;
}

} // namespace

std::optional<QString> copyFileReplacing(const QString &source, const QString &target)
{
    if (source.isEmpty() || source.contains(QChar(u'\0')) || !QFileInfo(source).isFile())
        return QStringLiteral("Не найден файл: %1").arg(source);
    if (const auto error = invalidName(target))
        return error;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Ошибка открытия файла %1: %2").arg(source, in.errorString());
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("Ошибка чтения файла %1: %2").arg(source, in.errorString());
    in.close();

    if (const auto error = writeFileAtomically(target, bytes))
        return QStringLiteral("Ошибка записи файла %1: %2").arg(target, *error);
    return std::nullopt;
}

bool ordinaryFileExists(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.fileName().startsWith(u'.');
}

} // namespace orvika
