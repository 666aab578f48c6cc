#include "project/project_card_file.h"

#include "files/text_file.h"
#include "files/whole_file.h"
#include "project/card_acoustics.h"
#include "project/card_keys.h"
#include "project/card_offer.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace orvika {
namespace {

// A card this large is not a card.
constexpr qint64 LargestCard = 16 * 1024 * 1024;

QJsonValue optionalNumber(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// The lines over what the file held under "lines": keys this program does not know stay.
QJsonObject linesJson(const LoudspeakerLines &lines, QJsonObject object)
{
    object.insert(QStringLiteral("voltage"), lines.settings.voltage);
    object.insert(QStringLiteral("lossLimit"), lines.settings.lossLimit);
    object.insert(QStringLiteral("cableReserve"), lines.settings.cableReserve);
    QJsonArray zones;
    for (const ZoneLine &line : lines.zones) {
        zones.append(QJsonObject{
            {QStringLiteral("zone"), line.zone},
            {QStringLiteral("name"), line.name},
            {QStringLiteral("loudspeaker"), line.loudspeaker},
            {QStringLiteral("power"), optionalNumber(line.power)},
            {QStringLiteral("count"), line.count ? QJsonValue(*line.count) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("length"), optionalNumber(line.length)},
            {QStringLiteral("section"), optionalNumber(line.section)},
            {QStringLiteral("cable"), line.cable},
        });
    }
    object.insert(QStringLiteral("zones"), zones);
    return object;
}

} // namespace

QString projectCardPathFor(const QString &reportPath)
{
    QString base = reportPath;
    if (base.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral(".json");
}

QByteArray projectCardJson(const ProjectCard &card)
{
    QJsonObject object = card.kept;
    object.insert(QStringLiteral("format"), ProjectCardFormat);
    object.insert(QStringLiteral("version"), ProjectCardVersion);
    for (const auto &key : card_keys::CardTexts)
        object.insert(QLatin1String(key.key), card.*key.field);
    QJsonObject people = card.kept.value(QStringLiteral("people")).toObject();
    for (const auto &key : card_keys::PeopleTexts)
        people.insert(QLatin1String(key.key), card.people.*key.field);
    object.insert(QStringLiteral("people"), people);
    object.insert(QStringLiteral("revision"), card.revision);
    object.insert(QStringLiteral("date"), card.date.isValid() ? card.date.toString(Qt::ISODate) : QString());
    const QJsonValue keptLines = card.kept.value(QStringLiteral("lines"));
    if (!card.lines.isEmpty() || keptLines.isObject())
        object.insert(QStringLiteral("lines"), linesJson(card.lines, keptLines.toObject()));
    if (!card.acoustics.isEmpty() || !card.acoustics.kept.isEmpty())
        object.insert(QStringLiteral("acoustics"), acousticsJson(card.acoustics));
    if (!card.offer.isEmpty())
        object.insert(QStringLiteral("offer"), offerJson(card.offer));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ProjectCardRead projectCardFromJson(const QByteArray &bytes)
{
    ProjectCardRead read;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        read.outcome = ProjectCardRead::Unusable;
        read.reason = QStringLiteral("файл повреждён (ошибка JSON в позиции %1)").arg(error.offset);
        return read;
    }
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QStringLiteral("format")).toString() != ProjectCardFormat) {
        read.outcome = ProjectCardRead::Foreign;
        read.reason =
            QStringLiteral("это не сведения о проекте (нет \"format\": \"%1\")").arg(ProjectCardFormat);
        return read;
    }
    ProjectCard &card = read.card;
    // A key the file leaves out keeps the new card's value (the stage Р, the catalogue's supplier).
    readCardValues(object, card, read.dropped);
    const QJsonObject people = object.value(QStringLiteral("people")).toObject();
    const QJsonObject lines = object.value(QStringLiteral("lines")).toObject();

    card.kept = object;
    // The unknown keys inside "acoustics" stay with the acoustics.
    for (const char *known : {"format", "version", "revision", "date", "acoustics", "offer"})
        card.kept.remove(QLatin1String(known));
    for (const auto &key : card_keys::CardTexts)
        card.kept.remove(QLatin1String(key.key));
    QJsonObject keptPeople = people;
    for (const auto &key : card_keys::PeopleTexts)
        keptPeople.remove(QLatin1String(key.key));
    if (keptPeople.isEmpty())
        card.kept.remove(QStringLiteral("people"));
    else
        card.kept.insert(QStringLiteral("people"), keptPeople);
    QJsonObject keptLines = lines;
    for (const char *known : {"voltage", "lossLimit", "cableReserve", "zones"})
        keptLines.remove(QLatin1String(known));
    if (keptLines.isEmpty())
        card.kept.remove(QStringLiteral("lines"));
    else
        card.kept.insert(QStringLiteral("lines"), keptLines);
    read.outcome = ProjectCardRead::Card;
    return read;
}

ProjectCardRead readProjectCard(const QString &path)
{
    const WholeFile file = readWholeFile(path, LargestCard);
    ProjectCardRead read;
    switch (file.outcome) {
    case WholeFile::Missing:
        return read;
    case WholeFile::Unreadable:
        read.outcome = ProjectCardRead::Unusable;
        read.reason = file.reason;
        return read;
    case WholeFile::TooLarge:
        read.outcome = ProjectCardRead::Foreign;
        read.reason = QStringLiteral("файл слишком велик для сведений о проекте");
        return read;
    case WholeFile::Read:
        break;
    }
    return projectCardFromJson(file.bytes);
}

std::optional<QString> writeProjectCard(const QString &path, const ProjectCard &card)
{
    const ProjectCardRead there = readProjectCard(path);
    if (there.outcome != ProjectCardRead::Card && there.outcome != ProjectCardRead::Missing)
        return QStringLiteral("файл %1 не заменён: %2").arg(QFileInfo(path).fileName(), there.reason);
    return writeFileAtomically(path, projectCardJson(card));
}

QString cardReadFailureMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Сведения о проекте не прочитаны из файла %1: %2").arg(fileName, reason);
}

} // namespace orvika
