#include "lines/line_limits.h"
#include "lines/line_materials.h"
#include "lines/line_table.h"
#include "lines/lines_csv.h"
#include "project/project_card_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

// A card written by another program is held to what the card's and the lines' windows take: a value
// they would not take is dropped and named with its zone and key.
namespace orvika {
namespace {

// A card with a zone's line as the lines window takes it.
QJsonObject goodCard()
{
    return QJsonDocument::fromJson(R"({"format": "orvika-project", "version": 1, "object": "Школа",
        "stage": "П", "revision": 2, "date": "2026-12-07", "people": {"developer": "Иванов"},
        "lines": {"voltage": 70, "lossLimit": 5, "cableReserve": 10, "zones": [
            {"zone": 1, "name": "Холл", "loudspeaker": "K-3820 Громкоговоритель 6 Вт", "power": 6,
             "count": 12, "length": 180, "section": 1.5, "cable": "КПСнг(А)-FRLS"}]}})")
        .object();
}

enum class Place { Card, People, Lines, Zone };

// The good card with the key at its place set to the value given; an undefined value takes it out.
QJsonObject withValue(Place place, const QString &key, const QJsonValue &value)
{
    QJsonObject card = goodCard();
    const auto set = [&](QJsonObject object) {
        if (value.isUndefined())
            object.remove(key);
        else
            object.insert(key, value);
        return object;
    };
    QJsonObject lines = card.value(u"lines").toObject();
    switch (place) {
    case Place::Card:
        return set(card);
    case Place::People:
        card.insert(u"people", set(card.value(u"people").toObject()));
        return card;
    case Place::Lines:
        lines = set(lines);
        break;
    case Place::Zone: {
        QJsonArray zones = lines.value(u"zones").toArray();
        zones.replace(0, set(zones.at(0).toObject()));
        lines.insert(u"zones", zones);
        break;
    }
    }
    card.insert(u"lines", lines);
    return card;
}

ProjectCardRead read(const QJsonObject &card)
{
    return projectCardFromJson(QJsonDocument(card).toJson());
}

struct OutOfRange
{
    Place place;
    const char *key;
    QJsonValue value;
    int zone;          // named with the value
    const char *named; // the key as named
};

const QString LongText(LongestCardText + 1, u'Ж');

const OutOfRange Cases[] = {
    {Place::Card, "object", true, 0, "object"},
    {Place::Card, "designation", QJsonArray{1}, 0, "designation"},
    {Place::Card, "customer", LongText, 0, "customer"},
    {Place::Card, "stage", "Эскиз", 0, "stage"},
    {Place::Card, "stage", 1, 0, "stage"},
    {Place::Card, "revision", 100, 0, "revision"},
    {Place::Card, "revision", -1, 0, "revision"},
    {Place::Card, "revision", 1.5, 0, "revision"},
    {Place::Card, "revision", 1e300, 0, "revision"},
    {Place::Card, "revision", "второе", 0, "revision"},
    {Place::Card, "date", "07.12.2026", 0, "date"},
    {Place::Card, "date", 20261207, 0, "date"},
    {Place::Card, "people", "Иванов", 0, "people"},
    {Place::People, "developer", QJsonObject{}, 0, "people.developer"},
    {Place::Card, "lines", QJsonArray{}, 0, "lines"},
    {Place::Lines, "voltage", 0, 0, "lines.voltage"},
    {Place::Lines, "voltage", 110, 0, "lines.voltage"},
    {Place::Lines, "voltage", "100", 0, "lines.voltage"},
    {Place::Lines, "lossLimit", 0, 0, "lines.lossLimit"},
    {Place::Lines, "lossLimit", 100.5, 0, "lines.lossLimit"},
    {Place::Lines, "cableReserve", -1, 0, "lines.cableReserve"},
    {Place::Lines, "cableReserve", 101, 0, "lines.cableReserve"},
    {Place::Lines, "zones", QJsonObject{}, 0, "lines.zones"},
    {Place::Zone, "power", -5, 1, "power"},
    {Place::Zone, "power", 0, 1, "power"},
    {Place::Zone, "power", 1500.5, 1, "power"},
    {Place::Zone, "power", "6", 1, "power"},
    {Place::Zone, "power", 5e-324, 1, "power"},
    {Place::Zone, "count", 1e12, 1, "count"},
    {Place::Zone, "count", 0, 1, "count"},
    {Place::Zone, "count", 2.5, 1, "count"},
    {Place::Zone, "count", 1001, 1, "count"},
    {Place::Zone, "length", 0, 1, "length"},
    {Place::Zone, "length", 10000.5, 1, "length"},
    {Place::Zone, "length", 1e-10, 1, "length"},
    {Place::Zone, "section", 0.3, 1, "section"},
    {Place::Zone, "section", 0, 1, "section"},
    {Place::Zone, "name", QJsonObject{}, 1, "name"},
    {Place::Zone, "cable", false, 1, "cable"},
};

// Each value dropped alone: the card is read as if the file had left the key out, and says which it was.
TEST(ProjectCardValues, AValueOutOfRangeIsDroppedAndNamed)
{
    for (const OutOfRange &c : Cases) {
        const QString key = QLatin1String(c.key);
        const QString what =
            key + QStringLiteral(" = ") +
            QString::fromUtf8(QJsonDocument(QJsonArray{c.value}).toJson(QJsonDocument::Compact));
        const ProjectCardRead wrong = read(withValue(c.place, key, c.value));
        ASSERT_EQ(wrong.outcome, ProjectCardRead::Card) << what.toStdString();
        ASSERT_EQ(wrong.dropped.size(), 1) << what.toStdString();
        EXPECT_EQ(wrong.dropped.first().zone, c.zone) << what.toStdString();
        EXPECT_EQ(wrong.dropped.first().key, QLatin1String(c.named)) << what.toStdString();
        EXPECT_FALSE(wrong.dropped.first().expected.isEmpty()) << what.toStdString();
        ProjectCard left = read(withValue(c.place, key, QJsonValue::Undefined)).card;
        left.kept = wrong.card.kept; // a foreign "lines" or "people" is not kept either
        EXPECT_EQ(wrong.card, left) << what.toStdString();
    }
}

// A zone that cannot be placed is dropped whole: its number out of range, or a zone described before.
TEST(ProjectCardValues, AZoneWithoutAPlaceIsDroppedWhole)
{
    const struct
    {
        const char *what;
        QJsonArray zones;
        const char *named;
        QList<int> taken;
    } cases[] = {
        {"not an object", {5, QJsonObject{{"zone", 2}}}, "lines.zones[0]", {2}},
        {"zone 0", {QJsonObject{{"zone", 0}}}, "lines.zones[0].zone", {}},
        {"a negative zone", {QJsonObject{{"zone", -3}}}, "lines.zones[0].zone", {}},
        {"a fraction", {QJsonObject{{"zone", 2.5}}}, "lines.zones[0].zone", {}},
        {"beyond an int", {QJsonObject{{"zone", 1e12}}}, "lines.zones[0].zone", {}},
        {"beyond any zone count", {QJsonObject{{"zone", 32768}}}, "lines.zones[0].zone", {}},
        {"a text", {QJsonObject{{"zone", "3"}}}, "lines.zones[0].zone", {}},
        {"described twice",
         {QJsonObject{{"zone", 1}}, QJsonObject{{"zone", 1}, {"count", 3}}},
         "lines.zones[1].zone",
         {1}},
        {"numbered after the one before", {QJsonObject{{"zone", 1}}, QJsonObject{}}, nullptr, {1, 2}},
    };
    for (const auto &c : cases) {
        QJsonObject card = goodCard();
        card.insert(u"lines", QJsonObject{{"zones", c.zones}});
        const ProjectCardRead got = read(card);
        ASSERT_EQ(got.dropped.size(), c.named ? 1 : 0) << c.what;
        if (c.named) {
            EXPECT_EQ(got.dropped.first().key, QLatin1String(c.named)) << c.what;
        }
        QList<int> taken;
        for (const ZoneLine &line : got.card.lines.zones)
            taken.append(line.zone);
        EXPECT_EQ(taken, c.taken) << c.what;
        EXPECT_FALSE(got.card.lines.zones.value(0).count.has_value()) << c.what;
    }
}

// Every value of the card out of range at once: the lines CSV and the materials show none of them.
TEST(ProjectCardValues, ACardWithEveryValueOutOfRangeShowsNoneOfThem)
{
    QJsonObject card = goodCard();
    const QJsonObject zone{{"zone", 1},      {"name", QJsonObject{}}, {"power", -5},   {"count", 1e12},
                           {"length", 1e12}, {"section", 0.3},        {"cable", false}};
    card.insert(u"revision", 150);
    card.insert(u"stage", u"Эскиз"_qs);
    card.insert(u"date", u"31.02.2026"_qs);
    card.insert(u"lines", QJsonObject{{"voltage", 0},
                                      {"lossLimit", -1},
                                      {"cableReserve", 1e12},
                                      {"zones", QJsonArray{zone, QJsonObject{{"zone", 1e12}}}}});
    const ProjectCardRead got = read(card);
    ASSERT_EQ(got.outcome, ProjectCardRead::Card);
    QStringList named;
    for (const DroppedValue &value : got.dropped)
        named.append((value.zone ? QString::number(value.zone) + u' ' : QString()) + value.key);
    EXPECT_EQ(named, QStringList({"stage", "revision", "date", "lines.voltage", "lines.lossLimit",
                                  "lines.cableReserve", "1 name", "1 power", "1 count", "1 length",
                                  "1 section", "1 cable", "lines.zones[1].zone"}));
    EXPECT_EQ(got.card.stage, WorkingStage);
    EXPECT_EQ(got.card.revision, 0);
    EXPECT_EQ(got.card.lines.settings, LineSettings());
    ASSERT_EQ(got.card.lines.zones.size(), 1);
    EXPECT_EQ(got.card.lines.zones.first(), ZoneLine()) << "zone 1 with nothing stated";

    const QString csv = QString::fromUtf8(linesCsv(got.card.lines, 2));
    for (const char *shown : {"2147483648", "12884901888", "-5", "0,3", "1500,5"})
        EXPECT_FALSE(csv.contains(QLatin1String(shown))) << shown << " in\n" << csv.toStdString();
    EXPECT_TRUE(lineMaterials(got.card.lines, 2).isEmpty());

    const QString message = droppedValuesMessage(QStringLiteral("Школа.json"), got.dropped);
    const QStringList lines = message.split(u'\n');
    ASSERT_EQ(lines.size(), 1 + named.size()) << message.toStdString();
    EXPECT_TRUE(lines.first().contains(u"Школа.json")) << message.toStdString();
    EXPECT_TRUE(lines.contains(u"зона 1, «count» = 1000000000000: ожидается целое число от 1 до 1000"))
        << message.toStdString();
    EXPECT_TRUE(lines.contains(u"«lines.voltage» = 0: ожидается одно из 70, 100, 120"))
        << message.toStdString();
    EXPECT_TRUE(
        lines.contains(u"зона 1, «section» = 0.3: ожидается одно из 0,5; 0,75; 1; 1,5; 2,5; 4; 6; 10"))
        << message.toStdString();
}

// What the program writes it reads back whole, and a value the windows take is never dropped.
TEST(ProjectCardValues, TheLimitsThemselvesAreTaken)
{
    ProjectCard card;
    card.object = QString(LongestCardText, u'Ж');
    card.stage.clear();
    card.revision = LastRevision;
    card.lines.settings = {120, 100, 0};
    ZoneLine largest;
    largest.zone = 32767;
    largest.name = QStringLiteral("Парковка");
    largest.power = 1500;
    largest.count = 1000;
    largest.length = 10000;
    largest.section = 10;
    ZoneLine smallest;
    smallest.zone = 1;
    smallest.power = NumberRule::Finest;
    smallest.count = 1;
    smallest.length = 0.5;
    smallest.section = 0.5;
    card.lines.zones = {largest, smallest};
    const ProjectCardRead got = projectCardFromJson(projectCardJson(card));
    EXPECT_TRUE(got.dropped.isEmpty()) << droppedValuesMessage(QString(), got.dropped).toStdString();
    EXPECT_EQ(got.card, card);
    EXPECT_TRUE(read(goodCard()).dropped.isEmpty());
    for (const ZoneLine &line : got.card.lines.zones) {
        const QStringList row = lineTableRow(line, got.card.lines.settings);
        EXPECT_FALSE(row.join(u';').contains(u"nan", Qt::CaseInsensitive)) << row.join(u';').toStdString();
    }

    QJsonObject revisionAsText = goodCard();
    revisionAsText.insert(u"revision", u" 3 "_qs);
    EXPECT_EQ(read(revisionAsText).card.revision, 3);
    EXPECT_TRUE(read(revisionAsText).dropped.isEmpty());
}

} // namespace
} // namespace orvika
