#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

// Windows-1251 text files: the catalogue, the block-diagram library and the reports.
namespace orvika {

// The failure codes shown to the user after "Ошибка открытия файла ...".
enum FileErrorCode : int {
    FileNotFound = 53,
    PathNotFound = 76,
    AccessDenied = 70,
    PathFileAccessError = 75,
    DeviceIOError = 57,
};

// "Ошибка открытия файла " + the file's name + the failure code, as the user is told of it.
QString openFailureMessage(const QString &fileName, int errorCode);

// "Ошибка записи файла " + the file's name + ": " + the system's reason.
QString writeFailureMessage(const QString &fileName, const QString &reason);

struct TextReadResult
{
    QStringList lines;            // every line read, in file order
    std::optional<int> errorCode; // set when opening or reading failed
    bool tooLarge = false;        // set when the file holds more than the reader takes
};

// Splits Windows-1251 bytes into lines: a line ends at CR or CR LF; a lone LF stays in the line;
// a last line without terminator is a line; empty input has no lines.
QStringList decodeLines(const QByteArray &bytes);

// Encodes lines as Windows-1251 with CR LF after every line, the last one included.
QByteArray encodeLines(const QStringList &lines);

// Reads a whole regular file of at most `largest` bytes. On failure the code follows the operating
// system's error; anything but a regular file (a folder, a pipe, a device) is PathFileAccessError.
TextReadResult readTextFile(const QString &path, qint64 largest = std::numeric_limits<qint64>::max());

// Writes bytes through a temporary file in the same directory renamed over the target, so a failed
// write leaves the previous file as it was and no temporary file behind. On success the file and its
// directory entry are on disk. Returns the system's reason when it failed.
std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace orvika
