#include "files/whole_file.h"

#include <QFile>
#include <QFileInfo>

namespace orvika {

WholeFile readWholeFile(const QString &path, qint64 largest)
{
    WholeFile read;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return read; // Missing
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        read.outcome = WholeFile::Unreadable;
        read.reason = info.isFile() ? file.errorString() : QStringLiteral("это не файл");
        return read;
    }
    if (file.size() > largest) {
        read.outcome = WholeFile::TooLarge;
        return read;
    }
    read.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.outcome = WholeFile::Unreadable;
        read.reason = file.errorString();
        read.bytes.clear();
        return read;
    }
    read.outcome = WholeFile::Read;
    return read;
}

} // namespace orvika
