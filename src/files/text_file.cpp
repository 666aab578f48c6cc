#include "files/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

// Special files and some file systems cannot be synced; their data are as safe as they get.
bool syncUnsupported(int error)
{
    return error == EINVAL || error == EROFS;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes the bytes whole to fd; 0, or the errno of the write that failed.
int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    return 0;
}

// A renamed file is only found after a crash once its directory entry is on disk too.
std::optional<QString> syncDirectoryOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0 && !syncUnsupported(error))
        return systemReason(error);
    return std::nullopt;
}

} // namespace

QString openFailureMessage(const QString &fileName, int errorCode)
{
    return QStringLiteral("Ошибка открытия файла ") + fileName + u' ' + QString::number(errorCode);
}

QString writeFailureMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Ошибка записи файла ") + fileName + QStringLiteral(": ") + reason;
}

QStringList decodeLines(const QByteArray &bytes)
{
    // Finding the converter by its name costs more than decoding a report; it is found once.
    thread_local QStringDecoder decoder(CodePage);
    decoder.resetState();
    const QString text = decoder.decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', start)) {
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

TextReadResult readTextFile(const QString &path, qint64 largest)
{
    TextReadResult result;
    const QByteArray nativePath = QFile::encodeName(path);
    // Without O_NONBLOCK a pipe would hold the program until something writes into it.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.errorCode = errno == ENOENT ? codeForMissing(path) : codeForErrno(errno);
        return result;
    }
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        result.errorCode = codeForErrno(errno);
        return result;
    }
    if (!S_ISREG(status.st_mode)) { // a folder, a pipe or a device holds no text file
        result.errorCode = PathFileAccessError;
        return result;
    }
    if (status.st_size > largest) {
        result.tooLarge = true;
        return result;
    }
    // One read takes a file of the size it had; the next one finds its end, or what was added.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled <= largest) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.errorCode = codeForErrno(errno);
            return result;
        }
        if (got == 0) {
            bytes.truncate(filled);
            result.lines = decodeLines(bytes);
            return result;
        }
        filled += got;
    }
    result.tooLarge = true;
    return result;
}

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // The bytes go straight to the temporary file and every step is checked with the system's own
    // reason before the commit: a buffered write that fails only when it reaches the disk (no space
    // left, file too large, device error) would otherwise still be committed, and an empty or cut
    // file would replace the previous one.
    const auto cancel = [&file](int error) {
        file.cancelWriting();
        return systemReason(error);
    };
    if (const int error = writeAll(file.handle(), bytes))
        return cancel(error);
    if (::fsync(file.handle()) != 0 && !syncUnsupported(errno))
        return cancel(errno);
    if (!file.commit())
        return file.errorString();
    return syncDirectoryOf(path);
}

} // namespace orvika
