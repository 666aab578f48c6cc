#include "project/loudspeaker_library_file.h"

#include "files/text_file.h"
#include "files/whole_file.h"
#include "project/card_acoustics.h"
#include "project/json_values.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace orvika {
namespace {

// A library this large is not a library.
constexpr qint64 LargestLibrary = 16 * 1024 * 1024;
constexpr int LibraryVersion = 1;

LoudspeakerLibraryRead failed(LoudspeakerLibraryRead::Outcome outcome, const QString &reason)
{
    LoudspeakerLibraryRead read;
    read.outcome = outcome;
    read.reason = reason;
    return read;
}

} // namespace

QByteArray loudspeakerLibraryJson(const LoudspeakerLibrary &library)
{
    QJsonObject object = library.kept;
    object.insert(QStringLiteral("format"), LoudspeakerLibraryFormat);
    object.insert(QStringLiteral("version"), LibraryVersion);
    QJsonArray loudspeakers;
    for (const LoudspeakerData &loudspeaker : library.loudspeakers)
        loudspeakers.append(loudspeakerDataJson(loudspeaker));
    object.insert(QStringLiteral("loudspeakers"), loudspeakers);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

LoudspeakerLibraryRead loudspeakerLibraryFromJson(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return failed(LoudspeakerLibraryRead::Unusable,
                      QStringLiteral("файл повреждён (ошибка JSON в позиции %1)").arg(error.offset));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QStringLiteral("format")).toString() != LoudspeakerLibraryFormat)
        return failed(LoudspeakerLibraryRead::Foreign,
                      QStringLiteral("это не библиотека громкоговорителей (нет \"format\": \"%1\")")
                          .arg(LoudspeakerLibraryFormat));
    LoudspeakerLibraryRead read;
    read.outcome = LoudspeakerLibraryRead::Library;
    const QJsonValue entries = object.value(QStringLiteral("loudspeakers"));
    if (!entries.isUndefined() && !entries.isArray() && !entries.isNull())
        read.dropped.append(
            {0, QStringLiteral("loudspeakers"), shownValue(entries), QStringLiteral("список JSON")});
    read.library.loudspeakers =
        readLoudspeakerList(entries.toArray(), QStringLiteral("loudspeakers"), read.dropped);
    read.library.kept = object;
    for (const char *known : {"format", "version", "loudspeakers"})
        read.library.kept.remove(QLatin1String(known));
    return read;
}

LoudspeakerLibraryRead readLoudspeakerLibrary(const QString &path)
{
    const WholeFile file = readWholeFile(path, LargestLibrary);
    switch (file.outcome) {
    case WholeFile::Missing:
        return {};
    case WholeFile::Unreadable:
        return failed(LoudspeakerLibraryRead::Unusable, file.reason);
    case WholeFile::TooLarge:
        return failed(LoudspeakerLibraryRead::Foreign,
                      QStringLiteral("файл слишком велик для библиотеки громкоговорителей"));
    case WholeFile::Read:
        break;
    }
    return loudspeakerLibraryFromJson(file.bytes);
}

std::optional<QString> writeLoudspeakerLibrary(const QString &path, const LoudspeakerLibrary &library)
{
    const LoudspeakerLibraryRead there = readLoudspeakerLibrary(path);
    if (there.outcome != LoudspeakerLibraryRead::Library && there.outcome != LoudspeakerLibraryRead::Missing)
        return QStringLiteral("файл %1 не заменён: %2").arg(QFileInfo(path).fileName(), there.reason);
    return writeFileAtomically(path, loudspeakerLibraryJson(library));
}

} // namespace orvika
