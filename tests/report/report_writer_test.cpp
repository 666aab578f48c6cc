#include "files/text_file.h"
#include "report/report_writer.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(ORVIKA_SOURCE_DIR "/tests/report/fixtures/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

const QLocale Russian(QLocale::Russian, QLocale::Russia);

// Everything ticked, one total power with a reserve, every kind of source.
void fullSystem(Requirements &r, Proposal &p)
{
    r.semiAutomatic = r.automatic = r.music = r.remoteConsole = true;
    r.multiZone = true;
    r.zoneCount = 12;
    r.multiChannel = true;
    r.channelCount = 2;
    r.powerMode = PowerMode::Total;
    r.totalPowerText = QStringLiteral("100");
    r.powerReserve = true;
    r.reservePercentText = QStringLiteral("20");
    r.lineControl = LineControl::Automatic;
    r.amplifierReserve = r.attenuatorControl = r.fans = r.automaticPowerOn = r.powerSupplyReserve =
        r.cabinet = true;
    r.sourceLines = {
        QStringLiteral("K-1 Микрофон ручной - 3 шт."), QStringLiteral("ZEP60 Программа управления - 1 шт."),
        QStringLiteral("K-8 Проигрыватель - 2 шт."), QStringLiteral("K-9 Консоль микрофонная - 3 шт."),
        QStringLiteral("K-10 Блок сопряжения - 1 шт.")};
    p.lines = {QStringLiteral("K-1 Микрофон ручной - 3 шт."), QStringLiteral("K-4 Усилитель (240) - 1 шт."),
               QString(), QStringLiteral("K-6 Шкаф - 1 шт.")};
    p.totalPower = 120;
    p.totals = Totals{9, 1250, 14};
    p.schemeChoice = QStringLiteral("Схема 3");
}

// Per-zone power with an empty zone item, a fractional total, manual line control, one music source.
void zoneSystem(Requirements &r, Proposal &p)
{
    r.music = true;
    r.multiZone = true;
    r.zoneCount = 3;
    r.powerMode = PowerMode::PerZone;
    r.zoneLines = {QStringLiteral("Зона 1 - 10 Вт"), QString(), QStringLiteral("Зона 2 - 11,5 Вт"),
                   QStringLiteral("Зона 3 -    10 Вт")};
    r.powerReserve = true;
    r.reservePercentText = QStringLiteral("10");
    r.lineControl = LineControl::Manual;
    r.sourceLines = {QStringLiteral("K-8 Проигрыватель - 70 шт.")};
    p.lines = {QStringLiteral("K-8 Проигрыватель - 70 шт.")};
    p.totalPower = 34.65;
    p.schemeChoice = QStringLiteral("Схема 1");
}

// Nothing stated: no sources (only an empty item), no power mode, no proposal, no block diagram.
void emptySystem(Requirements &r, Proposal &)
{
    r.sourceLines = {QString()};
    r.zoneLines = {QStringLiteral("Зона 1 - 10 Вт")}; // not written without Opt2
    r.reservePercentText = QStringLiteral("15");      // not written without ChkZP
}

struct ReportCase
{
    const char *fixture;
    std::function<void(Requirements &, Proposal &)> fill;
    QLocale locale;
};

class ReportBytes : public testing::TestWithParam<ReportCase>
{
};

TEST_P(ReportBytes, MatchesTheExpectedFileByteForByte)
{
    Requirements requirements;
    Proposal proposal;
    GetParam().fill(requirements, proposal);
    const QByteArray expected = fixture(GetParam().fixture);
    ASSERT_FALSE(expected.isEmpty());
    const QByteArray written = encodeLines(composeReport(requirements, proposal, GetParam().locale));
    EXPECT_EQ(written, expected) << written.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportBytes,
                         testing::Values(ReportCase{"full.dat", fullSystem, QLocale::c()},
                                         ReportCase{"zones.dat", zoneSystem, Russian},
                                         ReportCase{"empty.dat", emptySystem, QLocale::c()}));

QStringList compose(const std::function<void(Requirements &, Proposal &)> &fill,
                    const QLocale &locale = QLocale::c())
{
    Requirements requirements;
    Proposal proposal;
    fill(requirements, proposal);
    return composeReport(requirements, proposal, locale);
}

TEST(Report, WithoutSourcesSaysTheListIsEmptyRightUnderTheUnderline)
{
    const QStringList lines = compose(emptySystem);
    const qsizetype heading = lines.indexOf(QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines.at(heading + 1), QString(29, u'_'));
    EXPECT_EQ(lines.at(heading + 2), QStringLiteral("Список звуковых источников - пуст"));
    EXPECT_EQ(lines.at(heading + 3), QString());
}

TEST(Report, SourcesReplaceTheEmptyListLine)
{
    EXPECT_FALSE(compose(fullSystem).contains(QStringLiteral("Список звуковых источников - пуст")));
}

TEST(Report, WithoutAPowerModeThePowerLinesAreAbsent)
{
    const QStringList lines = compose([](Requirements &r, Proposal &p) {
        fullSystem(r, p);
        r.powerMode = PowerMode::None;
        r.zoneLines = {QStringLiteral("Зона 1 - 10 Вт")};
    });
    for (const QString &line : lines) {
        EXPECT_FALSE(line.contains(QStringLiteral("Суммарная мощность:"))) << line.toStdString();
        EXPECT_FALSE(line.contains(QStringLiteral("Раскладка по зонам:"))) << line.toStdString();
        EXPECT_FALSE(line.contains(QStringLiteral("Зона"))) << line.toStdString();
        EXPECT_FALSE(line.startsWith(QStringLiteral("ИТОГО"))) << line.toStdString();
    }
    // The empty line after the power lines is still there, before the reserve line.
    const qsizetype zones = lines.indexOf(QStringLiteral("- Количество зон - 12"));
    ASSERT_GE(zones, 0);
    EXPECT_EQ(lines.at(zones + 1), QString());
    EXPECT_TRUE(lines.at(zones + 2).startsWith(QStringLiteral("Суммарная мощность подсчитана")));
}

TEST(Report, PerZoneWithAnEmptyZoneListGoesStraightToTheTotal)
{
    const QStringList lines = compose([](Requirements &r, Proposal &p) {
        r.powerMode = PowerMode::PerZone;
        p.totalPower = 0;
    });
    const qsizetype heading = lines.indexOf(QStringLiteral("Раскладка по зонам:"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines.at(heading + 1), QStringLiteral("ИТОГО: 0 Вт"));
}

TEST(Report, ReserveLineCarriesTheCaptionAndAPercentSign)
{
    const QStringList lines = compose(fullSystem);
    EXPECT_TRUE(lines.contains(QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 20%")));
}

TEST(Report, FractionalPowerUsesTheLocaleSeparator)
{
    const auto fill = [](Requirements &r, Proposal &p) {
        r.powerMode = PowerMode::Total;
        p.totalPower = 33 + 33 * 5 / 100.0;
    };
    EXPECT_TRUE(compose(fill, Russian).contains(QStringLiteral("- Суммарная мощность: - 34,65 Вт")));
    EXPECT_TRUE(compose(fill, QLocale::c()).contains(QStringLiteral("- Суммарная мощность: - 34.65 Вт")));
}

TEST(Report, EmptyProposalGoesStraightToTheRule)
{
    const QStringList lines = compose(emptySystem);
    const qsizetype heading = lines.indexOf(QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines.at(heading + 1), QString(26, u'_'));
    EXPECT_EQ(lines.at(heading + 2), QString(41, u'-'));
}

TEST(Report, SameStateTwiceGivesIdenticalBytes)
{
    EXPECT_EQ(encodeLines(compose(fullSystem, Russian)), encodeLines(compose(fullSystem, Russian)));
}

TEST(Report, UnderlinesMatchTheirHeadingsAndTheRulesAreFortyOneHyphens)
{
    const QStringList lines = compose(fullSystem);
    for (const QString &heading :
         {QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ: (Требования предъявляемые к системе)"),
          QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:"), QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:")}) {
        const qsizetype at = lines.indexOf(heading);
        ASSERT_GE(at, 0);
        EXPECT_EQ(lines.at(at + 1), QString(heading.size(), u'_'));
    }
    EXPECT_EQ(lines.at(1).size(), 57);
    EXPECT_EQ(lines.count(QString(41, u'-')), 4);
    EXPECT_EQ(lines.last(), QString(41, u'-'));
}

TEST(Report, EveryLineEndsWithCarriageReturnLineFeed)
{
    const QStringList lines = compose(fullSystem);
    const QByteArray bytes = encodeLines(lines);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), lines.size());
    EXPECT_EQ(bytes.count('\n'), lines.size());
}

TEST(Report, EmptySchemeLeavesTheLabelAlone)
{
    EXPECT_EQ(compose(emptySystem).at(compose(emptySystem).size() - 2),
              QStringLiteral("ПРИМЕРНАЯ БЛОК-СХЕМА: - "));
}

struct NumberCase
{
    double value;
    const char *c;
    const char *russian;
};

class GeneralNumber : public testing::TestWithParam<NumberCase>
{
};

TEST_P(GeneralNumber, WritesWholeValuesBareAndFractionsWithTheLocaleSeparator)
{
    EXPECT_EQ(formatGeneralNumber(GetParam().value, QLocale::c()), QString::fromUtf8(GetParam().c));
    EXPECT_EQ(formatGeneralNumber(GetParam().value, Russian), QString::fromUtf8(GetParam().russian));
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralNumber,
    testing::Values(NumberCase{300, "300", "300"}, NumberCase{-5, "-5", "-5"}, NumberCase{0, "0", "0"},
                    NumberCase{-0.0, "0", "0"}, NumberCase{34.65, "34.65", "34,65"},
                    NumberCase{200000, "200000", "200000"}, NumberCase{160000, "160000", "160000"},
                    NumberCase{199999.99, "199999.99", "199999,99"},
                    NumberCase{0.1 + 0.2, "0.3", "0,3"},                           // 15 digits hide the error
                    NumberCase{1 / 3.0, "0.333333333333333", "0,333333333333333"}, // 15 significant digits
                    NumberCase{123456.789012345678, "123456.789012346", "123456,789012346"},
                    NumberCase{99999.99999999999, "100000", "100000"}, // rounds to a whole number
                    NumberCase{2.0000000000000004, "2", "2"}, NumberCase{0.00001, "0.00001", "0,00001"},
                    NumberCase{1234.5, "1234.5", "1234,5"}, // no digit grouping
                    NumberCase{-2.25, "-2.25", "-2,25"}, NumberCase{1e15, "1E+15", "1E+15"},
                    NumberCase{150.15, "150.15", "150,15"}));

TEST(GeneralNumberLocale, NoGroupingUnderAGroupingLocale)
{
    EXPECT_EQ(formatGeneralNumber(1234567.5, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("1234567,5"));
    EXPECT_EQ(formatGeneralNumber(1234567, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("1234567"));
}

} // namespace
