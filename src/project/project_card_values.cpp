#include "project/project_card_values.h"

#include "lines/line_limits.h"
#include "project/card_acoustics.h"
#include "project/card_keys.h"
#include "project/card_offer.h"
#include "project/json_values.h"

#include <QJsonArray>
#include <QSet>
#include <utility>

namespace orvika {
namespace {

constexpr NumberRule RevisionRule{LastRevision, true, true, "целое число от 0 до 99"};

void readStage(const JsonValues &values, ProjectCard &card)
{
    QString stage = card.stage;
    values.text("stage", stage);
    if (CardStages.contains(stage))
        card.stage = stage;
    else
        values.drop("stage", values.value("stage"), QStringLiteral("«П», «Р» или пустая строка"));
}

void readRevision(const JsonValues &values, ProjectCard &card)
{
    const QJsonValue revision = values.value("revision");
    if (revision.isString()) { // as some programs write a number
        bool whole = false;
        const int read = revision.toString().trimmed().toInt(&whole);
        if (whole && RevisionRule.admits(read))
            card.revision = read;
        else
            values.drop("revision", revision, QString::fromUtf8(RevisionRule.range));
        return;
    }
    if (const std::optional<double> read = values.number("revision", RevisionRule))
        card.revision = int(*read);
}

void readDate(const JsonValues &values, ProjectCard &card)
{
    const QJsonValue date = values.value("date");
    if (!given(date) || (date.isString() && date.toString().isEmpty()))
        return;
    card.date = QDate::fromString(date.toString(), Qt::ISODate);
    if (!card.date.isValid())
        values.drop("date", date, QStringLiteral("дата в виде ГГГГ-ММ-ДД"));
}

void readSettings(const JsonValues &values, LineSettings &settings)
{
    if (const auto voltage = values.number("voltage", isLineVoltage, lineVoltageChoice()))
        settings.voltage = *voltage;
    if (const auto limit = values.number("lossLimit", LossLimitRule))
        settings.lossLimit = *limit;
    if (const auto reserve = values.number("cableReserve", CableReserveRule))
        settings.cableReserve = *reserve;
}

void readZone(const JsonValues &values, ZoneLine &line)
{
    values.text("name", line.name);
    values.text("loudspeaker", line.loudspeaker);
    line.power = values.number("power", PowerRule);
    if (const auto count = values.number("count", CountRule))
        line.count = int(*count); // whole and within the rule's range
    line.length = values.number("length", LengthRule);
    line.section = values.number("section", isCrossSection, crossSectionChoice());
    values.text("cable", line.cable);
}

void readZones(const QJsonArray &zones, LoudspeakerLines &lines, QList<DroppedValue> &dropped)
{
    QSet<int> described;
    for (qsizetype i = 0; i < zones.size(); ++i) {
        const QString at = QStringLiteral("lines.zones[%1]").arg(i);
        const QJsonValue entry = zones.at(i);
        if (!entry.isObject()) {
            dropped.append({0, at, shownValue(entry), QStringLiteral("объект JSON зоны")});
            continue;
        }
        const QJsonObject object = entry.toObject();
        const JsonValues place(object, at + u'.', 0, dropped);
        // A zone without a number follows the zones before it.
        const QJsonValue number = object.value(QStringLiteral("zone"));
        const double zone = given(number) ? number.toDouble(-1) : double(lines.zones.size() + 1);
        if (!ZoneNumberRule.admits(zone)) {
            place.drop("zone", given(number) ? number : QJsonValue(zone),
                       QString::fromUtf8(ZoneNumberRule.range));
            continue;
        }
        if (described.contains(int(zone))) {
            place.drop("zone", QJsonValue(zone), QStringLiteral("зона, не описанная выше"));
            continue;
        }
        described.insert(int(zone));
        ZoneLine line;
        line.zone = int(zone);
        readZone(JsonValues(object, QString(), line.zone, dropped), line);
        lines.zones.append(line);
    }
}

} // namespace

void readCardValues(const QJsonObject &object, ProjectCard &card, QList<DroppedValue> &dropped)
{
    const JsonValues values(object, QString(), 0, dropped);
    for (const auto &key : card_keys::CardTexts) {
        if (key.field != &ProjectCard::stage)
            values.text(key.key, card.*key.field);
    }
    readStage(values, card);
    const QJsonObject people = values.object("people");
    const JsonValues person(people, QStringLiteral("people."), 0, dropped);
    for (const auto &key : card_keys::PeopleTexts)
        person.text(key.key, card.people.*key.field);
    readRevision(values, card);
    readDate(values, card);

    const QJsonObject lines = values.object("lines");
    const JsonValues settings(lines, QStringLiteral("lines."), 0, dropped);
    readSettings(settings, card.lines.settings);
    readZones(settings.array("zones"), card.lines, dropped);
    card.acoustics = readAcoustics(values.object("acoustics"), dropped);
    card.offer = readOffer(values.object("offer"), dropped);
}

namespace {

QString placeOf(const DroppedValue &value)
{
    return value.zone > 0 ? QStringLiteral("зона %1, «%2»").arg(value.zone).arg(value.key)
                          : QStringLiteral("«%1»").arg(value.key);
}

} // namespace

QString droppedValuesMessage(const QString &fileName, const QList<DroppedValue> &dropped)
{
    QStringList lines = {
        QStringLiteral("Из файла %1 не взяты значения, которые программа не принимает:").arg(fileName)};
    for (const DroppedValue &value : dropped)
        lines.append(
            QStringLiteral("%1 = %2: ожидается %3").arg(placeOf(value), value.value, value.expected));
    return lines.join(u'\n');
}

QString droppedValueLine(const QString &fileName, const DroppedValue &value)
{
    return QStringLiteral("%1, %2 = %3 не взято: ожидается %4")
        .arg(fileName, placeOf(value), value.value, value.expected);
}

} // namespace orvika
