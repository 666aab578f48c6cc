#include "lines/line_materials.h"
#include "lines/line_table.h"

#include <gtest/gtest.h>

namespace orvika {
namespace {

ZoneLine zone(int number, const QString &loudspeaker, int count, double length, double section,
              const QString &cable)
{
    ZoneLine line;
    line.zone = number;
    line.name = QStringLiteral("Зона %1").arg(number);
    line.loudspeaker = loudspeaker;
    line.power = 6;
    line.count = count;
    line.length = length;
    line.section = section;
    line.cable = cable;
    return line;
}

const QString Ceiling = QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт");
const QString Horn = QStringLiteral("K-3824 Громкоговоритель рупорный 15 Вт");
const QString Frls = QStringLiteral("КПСнг(А)-FRLS");

TEST(LineMaterials, LoudspeakersByModelThenCableByMarkAndSectionWithTheReserve)
{
    LoudspeakerLines lines;
    lines.settings.cableReserve = 10;
    lines.zones = {zone(1, Ceiling, 12, 180, 1.5, Frls), zone(2, Horn, 4, 95, 1.5, Frls),
                   zone(3, Ceiling, 8, 60.2, 1, Frls), zone(4, Ceiling, 100, 1000, 1, Frls)};
    ZoneLine bare; // nothing stated: adds nothing
    bare.zone = 5;
    lines.zones.append(bare);

    const QList<LineMaterial> materials =
        lineMaterials(lines, 5); // zone 4's line is shown, zone 6 would not be
    ASSERT_EQ(materials.size(), 4);
    EXPECT_EQ(materials[0].billName(), Ceiling);
    EXPECT_EQ(materials[0].quantity, 120);
    EXPECT_EQ(materials[0].zonesText(), u"зоны 1, 3, 4");
    EXPECT_EQ(materials[1].billName(), Horn);
    EXPECT_EQ(materials[1].unit(), u"шт.");
    // (180 + 95) × 1.1 = 302.5 → 303 m; (60.2 + 1000) × 1.1 = 1166.22 → 1167 m.
    EXPECT_EQ(materials[2].billName(), u"Кабель КПСнг(А)-FRLS 2×1,5 мм²");
    EXPECT_EQ(materials[2].quantity, 303);
    EXPECT_EQ(materials[2].unit(), u"м");
    EXPECT_EQ(materials[3].billName(), u"Кабель КПСнг(А)-FRLS 2×1 мм²");
    EXPECT_EQ(materials[3].quantity, 1167);

    EXPECT_EQ(lineMaterials(lines, 1).size(), 2) << "only the zones the system has";
}

TEST(LineTable, AZonesRowInTheWindowsColumns)
{
    LineSettings settings;
    EXPECT_EQ(lineTableHeader().size(), 14);
    EXPECT_EQ(lineTableRow(zone(1, Ceiling, 12, 180, 1.5, Frls), settings),
              QStringList({"1", "Зона 1", Ceiling, "6", "12", "180", "1,5", Frls, "72", "4,36", "3,04",
                           "-0,27", "0,5", "в норме"}));
    ZoneLine unstated;
    unstated.zone = 2;
    const QStringList empty = lineTableRow(unstated, settings);
    EXPECT_EQ(empty.size(), 14);
    EXPECT_EQ(empty.mid(1).join(QString()), QString());

    LoudspeakerLines lines;
    lines.zones = {zone(3, Ceiling, 1, 1, 1, Frls)};
    const QList<ZoneLine> shown = shownZoneLines(lines, 3);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].zone, 1);
    EXPECT_FALSE(shown[0].count);
    EXPECT_EQ(shown[2].loudspeaker, Ceiling);
}

} // namespace
} // namespace orvika
