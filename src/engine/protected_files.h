#pragma once

#include <QList>
#include <QString>
#include <optional>

// The files a document must never take the place of: the report it is made from, that report's
// card, the card it was given, the catalogue and the libraries. A mistyped output path
// would otherwise replace them without a word.
namespace orvika {

struct ProtectedFile
{
    QString path;
    QString what; // what the file is to the user, as "это …" continues: "сохранённая спецификация"
};

// The report and the card beside it.
QList<ProtectedFile> reportFiles(const QString &reportPath);
// A card given by name.
ProtectedFile cardFile(const QString &cardPath);
// The catalogue and the block-diagram library under appDir/Base, and the loudspeaker library, the
// current price list and the price lists' remembered columns in appDir.
QList<ProtectedFile> dataFiles(const QString &appDir);

// The protected file the output path names, if it names one. Files are compared, not their
// spellings: relative paths, "..", symbolic links and hard links all name the file they reach. A
// protected file that does not exist yet is still the place of that file.
std::optional<ProtectedFile> protectedFileAt(const QString &outputPath, const QList<ProtectedFile> &files);

// Why the document is not written there: "Нельзя записать документ в «…»: это … «…»."
QString refusalMessage(const QString &outputName, const ProtectedFile &file);

} // namespace orvika
