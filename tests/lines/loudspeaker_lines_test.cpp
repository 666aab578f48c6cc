#include "catalogue/catalogue_reader.h"
#include "files/text_file.h"
#include "lines/loudspeaker_lines.h"
#include "lines/loudspeaker_units.h"

#include <gtest/gtest.h>

namespace orvika {
namespace {

ZoneLine line(double power, int count, double length, double section)
{
    ZoneLine zone;
    zone.power = power;
    zone.count = count;
    zone.length = length;
    zone.section = section;
    return zone;
}

struct FiguresCase
{
    const char *what;
    ZoneLine line;
    LineSettings settings;
    double resistance, lossPercent, levelDb;
    std::optional<double> smallestSection;
    const char *verdict;
};

// Worked by hand: Z = U²/P, R = 2·L·r/1000, loss R/(Z + R), level 20·log10(Z/(Z + R)).
TEST(LineFigures, AsWorkedByHand)
{
    const FiguresCase cases[] = {
        // Z = 100 Ω, R = 10.86 Ω: 9.796 %, −0.896 dB; 0.75 mm² would lose 12.8 %.
        {"100 W on 300 m of 1 mm²", line(100, 1, 300, 1), {}, 10.86, 9.796, -0.8955, 1.0, "в норме"},
        // Z = 138.9 Ω, R = 4.356 Ω; even 0.5 mm² (R = 12.96 Ω) keeps to 8.5 %.
        {"twelve 6 W on 180 m of 1.5 mm²", line(6, 12, 180, 1.5), {}, 4.356, 3.0409, -0.2682, 0.5, "в норме"},
        // The limit as the loss reads to two decimals is met; a hundredth less is not.
        {"the limit exactly met", line(100, 1, 300, 1), {100, 9.8, 0}, 10.86, 9.796, -0.8955, 1.0, "в норме"},
        {"a hundredth over",
         line(100, 1, 300, 1),
         {100, 9.79, 0},
         10.86,
         9.796,
         -0.8955,
         1.5,
         "потери 9,8 % > 9,79 %"},
        // Z = 10 Ω; even 10 mm² loses 42.3 % over 2 km.
        {"too long for any section",
         line(1000, 1, 2000, 10),
         {},
         7.32,
         42.263,
         -4.7719,
         std::nullopt,
         "потери 42,3 % > 10 %"},
        // At 70 V the same load is 49 Ω and loses more: 1.5 mm² still 12.9 %, 2.5 mm² 8.3 %.
        {"a 70 V line",
         line(100, 1, 300, 1),
         {70, 10, 0},
         10.86,
         18.1423,
         -1.7387,
         2.5,
         "потери 18,1 % > 10 %"},
    };
    for (const FiguresCase &c : cases) {
        const std::optional<LineFigures> figures = lineFigures(c.line, c.settings);
        ASSERT_TRUE(figures) << c.what;
        EXPECT_NEAR(figures->resistance, c.resistance, 1e-9) << c.what;
        EXPECT_NEAR(figures->lossPercent, c.lossPercent, 1e-3) << c.what;
        EXPECT_NEAR(figures->levelDb, c.levelDb, 1e-3) << c.what;
        EXPECT_EQ(figures->smallestSection, c.smallestSection) << c.what;
        EXPECT_EQ(lineVerdict(*figures, c.settings), QString::fromUtf8(c.verdict)) << c.what;
    }
}

TEST(LineFigures, NoneForALineShortOfLoudspeakersLengthOrSection)
{
    ZoneLine noCount = line(6, 1, 100, 1);
    noCount.count.reset();
    ZoneLine noLength = line(6, 1, 100, 1);
    noLength.length.reset();
    ZoneLine noSection = line(6, 1, 100, 1);
    noSection.section.reset();
    for (const ZoneLine &zone : {noCount, noLength, noSection, line(6, 0, 100, 1), line(6, 1, 0, 1),
                                 line(6, 1, 100, 3), line(0, 5, 100, 1)})
        EXPECT_FALSE(lineFigures(zone, LineSettings()))
            << zone.count.value_or(-1) << " " << zone.length.value_or(-1);
    EXPECT_EQ(noCount.zonePower(), std::nullopt);
    EXPECT_EQ(line(6, 12, 1, 1).zonePower(), 72);
}

TEST(LineFigures, NumbersAsTheLinesShowThem)
{
    EXPECT_EQ(lineNumber(9.7961), u"9,8");
    EXPECT_EQ(lineNumber(10.86), u"10,86");
    EXPECT_EQ(lineNumber(-0.8955), u"-0,9");
    EXPECT_EQ(lineNumber(180), u"180");
    EXPECT_EQ(lineNumber(-0.001), u"0");
    EXPECT_EQ(powerOfDesignation(QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт")), 6);
    EXPECT_EQ(powerOfDesignation(QStringLiteral("Колонна 2,5 Вт")), 2.5);
    EXPECT_EQ(powerOfDesignation(QStringLiteral("K-3504 Усилитель мощности (120)")), std::nullopt);
}

TEST(LineFigures, TheZoneListNotedWhenItHoldsAnotherPower)
{
    const ZoneLine twelveOf6 = line(6, 12, 100, 1); // 72 W
    ZoneLine noCount = twelveOf6;
    noCount.count.reset();
    const struct
    {
        ZoneLine line;
        std::optional<double> listed;
        const char *note;
    } cases[] = {
        {twelveOf6, 300, "в списке зон 300 Вт"},
        {twelveOf6, 7.5, "в списке зон 7,5 Вт"},
        {twelveOf6, 72, ""},
        {twelveOf6, 72.0000001, ""},
        {twelveOf6, std::nullopt, ""},
        {noCount, 300, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(zoneListNote(c.line, c.listed), QString::fromUtf8(c.note)) << c.note;
}

TEST(LineFigures, ACatalogueUnitBringsItsPowerUnlessOneWasTyped)
{
    const QStringList units = {QStringLiteral("Громкоговоритель потолочный 6 Вт"),
                               QStringLiteral("Звуковая колонна 40 Вт")};
    const struct
    {
        const char *what;
        QString before;
        std::optional<double> power;
        QString chosen;
        std::optional<double> after;
    } cases[] = {
        {"into an empty power", {}, std::nullopt, units[0], 6},
        {"over the unit's own power", units[0], 6, units[1], 40},
        {"not over a typed power", units[0], 10, units[1], 10},
        {"not over a power typed for a typed unit", QStringLiteral("ГР-6 Вт"), 6, units[1], 6},
        {"a typed unit brings none", {}, std::nullopt, QStringLiteral("ГР-10 Вт"), std::nullopt},
    };
    for (const auto &c : cases) {
        ZoneLine zone;
        zone.loudspeaker = c.before;
        zone.power = c.power;
        chooseLoudspeaker(zone, c.chosen, units);
        EXPECT_EQ(zone.power, c.after) << c.what;
        EXPECT_EQ(zone.loudspeaker, c.chosen) << c.what;
    }
}

TEST(LoudspeakerUnits, AreTheCataloguesLoudspeakersAndColumns)
{
    const TextReadResult file = readTextFile(QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Base-Date"));
    const std::optional<Catalogue> catalogue = parseCatalogue(file.lines, QLocale::c());
    ASSERT_TRUE(catalogue);
    const QStringList units = loudspeakerUnits(*catalogue);
    ASSERT_EQ(units.size(), 6);
    EXPECT_EQ(units.first(), u"K-3820 Громкоговоритель потолочный 6 Вт");
    EXPECT_EQ(units.last(), u"K-3830 Звуковая колонна 40 Вт");
}

} // namespace
} // namespace orvika
