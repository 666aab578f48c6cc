#include "project/project_card_values.h"

#include "lines/line_limits.h"
#include "project/card_keys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <utility>

namespace orvika {
namespace {

constexpr qsizetype LongestShownValue = 40;
constexpr NumberRule RevisionRule{LastRevision, true, true, "целое число от 0 до 99"};

QString shownValue(const QJsonValue &value)
{
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    QString text = QString::fromUtf8(json.mid(1, json.size() - 2)); // without the list's brackets
    if (text.size() > LongestShownValue)
        text = text.left(LongestShownValue - 1) + u'…';
    return text;
}

bool given(const QJsonValue &value)
{
    return !value.isUndefined() && !value.isNull();
}

// The values of one part of the card (its own, its lines' settings, a zone's), the dropped ones noted.
class Values
{
public:
    Values(const QJsonObject &object, QString prefix, int zone, QList<DroppedValue> &dropped)
        : m_object(object), m_prefix(std::move(prefix)), m_zone(zone), m_dropped(dropped)
    {
    }

    QJsonValue value(const char *key) const { return m_object.value(QLatin1String(key)); }

    void drop(const char *key, const QJsonValue &value, const QString &expected) const
    {
        m_dropped.append({m_zone, m_prefix + QLatin1String(key), shownValue(value), expected});
    }

    // A text, or a number written as one; null for an empty one. Absent, the field stays.
    void text(const char *key, QString &field) const
    {
        const QJsonValue value = this->value(key);
        if (value.isUndefined())
            return;
        const QString read = value.isDouble() ? QString::number(value.toDouble()) : value.toString();
        if (!value.isString() && !value.isDouble() && !value.isNull())
            return drop(key, value, QStringLiteral("текст"));
        if (read.size() > LongestCardText)
            return drop(key, value, QStringLiteral("текст не длиннее %1 знаков").arg(LongestCardText));
        field = read;
    }

    // A number the rule admits; absent or null, none.
    std::optional<double> number(const char *key, const NumberRule &rule) const
    {
        return number(
            key, [&rule](double v) { return rule.admits(v); }, QString::fromUtf8(rule.range));
    }

    template <typename Admits>
    std::optional<double> number(const char *key, Admits admits, const QString &expected) const
    {
        const QJsonValue value = this->value(key);
        if (!given(value))
            return std::nullopt;
        if (value.isDouble() && admits(value.toDouble()))
            return value.toDouble();
        drop(key, value, expected);
        return std::nullopt;
    }

    // An object or a list under the key; absent or null, an empty one.
    QJsonObject object(const char *key) const
    {
        const QJsonValue value = this->value(key);
        if (given(value) && !value.isObject())
            drop(key, value, QStringLiteral("объект JSON"));
        return value.toObject();
    }
    QJsonArray array(const char *key) const
    {
        const QJsonValue value = this->value(key);
        if (given(value) && !value.isArray())
            drop(key, value, QStringLiteral("список JSON"));
        return value.toArray();
    }

private:
    const QJsonObject &m_object;
    QString m_prefix;
    int m_zone;
    QList<DroppedValue> &m_dropped;
};

void readStage(const Values &values, ProjectCard &card)
{
    QString stage = card.stage;
    values.text("stage", stage);
    if (CardStages.contains(stage))
        card.stage = stage;
    else
        values.drop("stage", values.value("stage"), QStringLiteral("«П», «Р» или пустая строка"));
}

void readRevision(const Values &values, ProjectCard &card)
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

void readDate(const Values &values, ProjectCard &card)
{
    const QJsonValue date = values.value("date");
    if (!given(date) || (date.isString() && date.toString().isEmpty()))
        return;
    card.date = QDate::fromString(date.toString(), Qt::ISODate);
    if (!card.date.isValid())
        values.drop("date", date, QStringLiteral("дата в виде ГГГГ-ММ-ДД"));
}

void readSettings(const Values &values, LineSettings &settings)
{
    if (const auto voltage = values.number("voltage", isLineVoltage, lineVoltageChoice()))
        settings.voltage = *voltage;
    if (const auto limit = values.number("lossLimit", LossLimitRule))
        settings.lossLimit = *limit;
    if (const auto reserve = values.number("cableReserve", CableReserveRule))
        settings.cableReserve = *reserve;
}

void readZone(const Values &values, ZoneLine &line)
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
        const Values place(object, at + u'.', 0, dropped);
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
        readZone(Values(object, QString(), line.zone, dropped), line);
        lines.zones.append(line);
    }
}

} // namespace

void readCardValues(const QJsonObject &object, ProjectCard &card, QList<DroppedValue> &dropped)
{
    const Values values(object, QString(), 0, dropped);
    for (const auto &key : card_keys::CardTexts) {
        if (key.field != &ProjectCard::stage)
            values.text(key.key, card.*key.field);
    }
    readStage(values, card);
    const QJsonObject people = values.object("people");
    const Values person(people, QStringLiteral("people."), 0, dropped);
    for (const auto &key : card_keys::PeopleTexts)
        person.text(key.key, card.people.*key.field);
    readRevision(values, card);
    readDate(values, card);

    const QJsonObject lines = values.object("lines");
    const Values settings(lines, QStringLiteral("lines."), 0, dropped);
    readSettings(settings, card.lines.settings);
    readZones(settings.array("zones"), card.lines, dropped);
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
