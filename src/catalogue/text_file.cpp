#include "catalogue/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvika {
namespace {

const char *const CodePage = "windows-1251";

int codeForErrno(int error)
{
    switch (error) {
    case ENOENT:
        return FileNotFound;
    case ENOTDIR:
        return PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return AccessDenied;
    case EIO:
        return DeviceIOError;
    default:
        return PathFileAccessError;
    }
}

// A missing file in a missing folder is "path not found", as the user knows it.
int codeForMissing(const QString &path)
{
    return QFileInfo(path).absoluteDir().exists() ? FileNotFound : PathNotFound;
}

} // namespace

QString openFailureMessage(const QString &fileName, int errorCode)
{
    return QStringLiteral("Ошибка открытия файла ") + fileName + u' ' + QString::number(errorCode);
}

QStringList decodeLines(const QByteArray &bytes)
{
    QStringDecoder decoder(CodePage);
    const QString text = decoder.decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QByteArray encodeLines(const QStringList &lines)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

TextReadResult readTextFile(const QString &path)
{
    TextReadResult result;
    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.errorCode = errno == ENOENT ? codeForMissing(path) : codeForErrno(errno);
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.errorCode = PathFileAccessError;
        return result;
    }
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.errorCode = errno != 0 ? codeForErrno(errno) : DeviceIOError;
        return result;
    }
    result.lines = decodeLines(bytes);
    return result;
}

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace orvika
