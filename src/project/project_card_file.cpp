#include "project/project_card_file.h"

#include "files/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace orvika {
namespace {

// The card's keys, in the card's order; people's keys inside "people".
struct TextKey
{
    const char *key;
    QString ProjectCard::*field;
};
constexpr TextKey CardTexts[] = {
    {"object", &ProjectCard::object},     {"address", &ProjectCard::address},
    {"customer", &ProjectCard::customer}, {"designation", &ProjectCard::designation},
    {"stage", &ProjectCard::stage},       {"organisation", &ProjectCard::organisation},
    {"supplier", &ProjectCard::supplier},
};
struct PersonKey
{
    const char *key;
    QString ProjectPeople::*field;
};
constexpr PersonKey PeopleTexts[] = {
    {"developer", &ProjectPeople::developer},     {"checker", &ProjectPeople::checker},
    {"normControl", &ProjectPeople::normControl}, {"chiefEngineer", &ProjectPeople::chiefEngineer},
    {"approver", &ProjectPeople::approver},
};

// A card this large is not a card.
constexpr qint64 LargestCard = 16 * 1024 * 1024;

QString text(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.toString();
}

QJsonValue optionalNumber(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

std::optional<double> optionalNumber(const QJsonValue &value)
{
    return value.isDouble() ? std::optional(value.toDouble()) : std::nullopt;
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

LoudspeakerLines linesFromJson(const QJsonObject &object)
{
    LoudspeakerLines lines;
    const LineSettings defaults;
    lines.settings.voltage = object.value(QStringLiteral("voltage")).toDouble(defaults.voltage);
    lines.settings.lossLimit = object.value(QStringLiteral("lossLimit")).toDouble(defaults.lossLimit);
    lines.settings.cableReserve =
        object.value(QStringLiteral("cableReserve")).toDouble(defaults.cableReserve);
    const QJsonArray zones = object.value(QStringLiteral("zones")).toArray();
    for (const QJsonValue &value : zones) {
        const QJsonObject zone = value.toObject();
        ZoneLine line;
        line.zone = zone.value(QStringLiteral("zone")).toInt(int(lines.zones.size()) + 1);
        line.name = zone.value(QStringLiteral("name")).toString();
        line.loudspeaker = zone.value(QStringLiteral("loudspeaker")).toString();
        line.power = optionalNumber(zone.value(QStringLiteral("power")));
        const std::optional<double> count = optionalNumber(zone.value(QStringLiteral("count")));
        if (count)
            line.count = int(*count);
        line.length = optionalNumber(zone.value(QStringLiteral("length")));
        line.section = optionalNumber(zone.value(QStringLiteral("section")));
        line.cable = zone.value(QStringLiteral("cable")).toString();
        lines.zones.append(line);
    }
    return lines;
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
    for (const TextKey &key : CardTexts)
        object.insert(QLatin1String(key.key), card.*key.field);
    QJsonObject people = card.kept.value(QStringLiteral("people")).toObject();
    for (const PersonKey &key : PeopleTexts)
        people.insert(QLatin1String(key.key), card.people.*key.field);
    object.insert(QStringLiteral("people"), people);
    object.insert(QStringLiteral("revision"), card.revision);
    object.insert(QStringLiteral("date"), card.date.isValid() ? card.date.toString(Qt::ISODate) : QString());
    const QJsonValue keptLines = card.kept.value(QStringLiteral("lines"));
    if (!card.lines.isEmpty() || keptLines.isObject())
        object.insert(QStringLiteral("lines"), linesJson(card.lines, keptLines.toObject()));
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
    for (const TextKey &key : CardTexts) {
        if (object.contains(QLatin1String(key.key)))
            card.*key.field = text(object, key.key);
    }
    const QJsonObject people = object.value(QStringLiteral("people")).toObject();
    for (const PersonKey &key : PeopleTexts)
        card.people.*key.field = text(people, key.key);
    const QJsonValue revision = object.value(QStringLiteral("revision"));
    card.revision = revision.isString() ? revision.toString().toInt() : revision.toInt();
    card.date = QDate::fromString(object.value(QStringLiteral("date")).toString(), Qt::ISODate);
    const QJsonObject lines = object.value(QStringLiteral("lines")).toObject();
    card.lines = linesFromJson(lines);

    card.kept = object;
    for (const char *known : {"format", "version", "revision", "date"})
        card.kept.remove(QLatin1String(known));
    for (const TextKey &key : CardTexts)
        card.kept.remove(QLatin1String(key.key));
    QJsonObject keptPeople = people;
    for (const PersonKey &key : PeopleTexts)
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
    ProjectCardRead read;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return read; // Missing
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        read.outcome = ProjectCardRead::Unusable;
        read.reason = info.isFile() ? file.errorString() : QStringLiteral("это не файл");
        return read;
    }
    if (file.size() > LargestCard) {
        read.outcome = ProjectCardRead::Foreign;
        read.reason = QStringLiteral("файл слишком велик для сведений о проекте");
        return read;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.outcome = ProjectCardRead::Unusable;
        read.reason = file.errorString();
        return read;
    }
    return projectCardFromJson(bytes);
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
