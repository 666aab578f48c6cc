#include "files/text_file.h"
#include "report/report_parser.h"
#include "report/report_writer.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

using namespace orvika;
using Kind = LoadAction::Kind;

namespace orvika {
void PrintTo(const LoadAction &a, std::ostream *os)
{
    *os << "{kind " << static_cast<int>(a.kind) << ", control \"" << a.control.toStdString() << "\", number "
        << a.number << ", text \"" << a.text.toStdString() << "\", name \"" << a.name.toStdString()
        << "\", quantity " << a.quantity << "}";
}
} // namespace orvika

namespace {

LoadAction tick(const char *control)
{
    return {Kind::Tick, QString::fromLatin1(control), 0, {}, {}, 0};
}
LoadAction zones(std::int32_t n)
{
    return {Kind::SetZoneCount, {}, n, {}, {}, 0};
}
LoadAction channels(std::int32_t n)
{
    return {Kind::SetChannelCount, {}, n, {}, {}, 0};
}
LoadAction powerText(const char *text)
{
    return {Kind::SetTotalPowerText, {}, 0, QString::fromUtf8(text), {}, 0};
}
LoadAction reserve(std::int32_t r)
{
    return {Kind::SetReserve, {}, r, {}, {}, 0};
}
LoadAction zoneLine(const char *text)
{
    return {Kind::AddZoneLine, {}, 0, QString::fromUtf8(text), {}, 0};
}
LoadAction source(const char *text, const char *name, std::int32_t quantity)
{
    return {Kind::AddSourceLine, {}, 0, QString::fromUtf8(text), QString::fromUtf8(name), quantity};
}
const LoadAction SelectTotal{Kind::SelectTotalPower, {}, 0, {}, {}, 0};
const LoadAction SelectZones{Kind::SelectPerZone, {}, 0, {}, {}, 0};

const char *const SourceHeading = "ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:";

struct LineCase
{
    const char *label;
    std::vector<const char *> before; // lines read earlier in the same load
    const char *line;
    QList<LoadAction> expected;
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.label;
}

class ParserLine : public testing::TestWithParam<LineCase>
{
};

TEST_P(ParserLine, YieldsItsActionsInOrder)
{
    ReportLineParser parser;
    parser.startLoad();
    for (const char *line : GetParam().before)
        parser.parseLine(QString::fromUtf8(line));
    EXPECT_EQ(parser.parseLine(QString::fromUtf8(GetParam().line)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ParserLine,
    testing::Values(
        LineCase{"semi-automatic ticks Check4 only",
                 {},
                 "- Полуавтоматическое оповещение при помощи микрофона",
                 {tick("Check4")}},
        LineCase{"automatic", {}, "- Автоматическое оповещение", {tick("Check3")}},
        LineCase{"music", {}, "- Музыкальная трансляция", {tick("Check5")}},
        LineCase{"console", {}, "- Наличие удаленной микрофонной консоли", {tick("Check6")}},
        LineCase{"multi-zone", {}, "Многозонная система:", {tick("Check1")}},
        LineCase{"zone count", {}, "- Количество зон - 12", {zones(12)}},
        LineCase{"zone count reads three characters", {}, "- Количество зон - 1000", {zones(100)}},
        LineCase{"zone count zero is skipped", {}, "- Количество зон - 0", {}},
        LineCase{"zone count negative is skipped", {}, "- Количество зон - -5", {}},
        LineCase{"zone count not a number is skipped", {}, "- Количество зон - abc", {}},
        LineCase{"zone count beyond 16 bits is skipped", {}, "- Количество зон - 9E9", {}},
        LineCase{"multi-channel", {}, "Многоканальная система:", {tick("Check2")}},
        LineCase{"channel count", {}, "- Количество каналов - 2", {channels(2)}},
        LineCase{"channel count half to even", {}, "- Количество каналов - 2.5", {channels(2)}},
        LineCase{"amplifier reserve", {}, "- Возможность резервирования усилителей", {tick("ChkBR")}},
        LineCase{"attenuators", {}, "- Возможность управления аттенюаторами", {tick("ChkAtt")}},
        LineCase{"fans", {}, "- Наличие вентиляторов", {tick("ChkBL")}},
        LineCase{"power-on ticks ChkPD only", {}, "- Автоматическое включение питания", {tick("ChkPD")}},
        LineCase{"power supply reserve", {}, "- Возможность резервирования по питанию", {tick("ChkRP")}},
        LineCase{"cabinet", {}, "- Наличие шкафа для установки блоков", {tick("ChkRU")}},
        LineCase{"total power", {}, "- Суммарная мощность: - 120 Вт", {SelectTotal, powerText("120")}},
        LineCase{"total power stops at a comma",
                 {},
                 "- Суммарная мощность: - 34,65 Вт",
                 {SelectTotal, powerText("34")}},
        LineCase{"total power without watts is skipped", {}, "- Суммарная мощность: - 120", {}},
        LineCase{"total power beyond 32 bits is skipped", {}, "- Суммарная мощность: - 9999999999 Вт", {}},
        LineCase{"reserve takes the reserve off the power",
                 {"- Суммарная мощность: - 120 Вт"},
                 "Суммарная мощность подсчитана с учетом запаса - 20%",
                 {tick("ChkZP"), reserve(20), powerText("100")}},
        LineCase{"reserve after a comma power",
                 {"- Суммарная мощность: - 34,65 Вт"},
                 "Суммарная мощность подсчитана с учетом запаса - 5%",
                 {tick("ChkZP"), reserve(5), powerText("32")}},
        LineCase{"reserve after a period power",
                 {"- Суммарная мощность: - 34.65 Вт"},
                 "Суммарная мощность подсчитана с учетом запаса - 5%",
                 {tick("ChkZP"), reserve(5), powerText("33")}},
        LineCase{"reserve without a power line gives 0",
                 {"Раскладка по зонам:", "- Зона 1 - 100 Вт"},
                 "Суммарная мощность подсчитана с учетом запаса - 20%",
                 {tick("ChkZP"), reserve(20), powerText("0")}},
        LineCase{"reserve off the step of five is taken",
                 {},
                 "Суммарная мощность подсчитана с учетом запаса - 7%",
                 {tick("ChkZP"), reserve(7), powerText("0")}},
        LineCase{
            "reserve above 25 is skipped", {}, "Суммарная мощность подсчитана с учетом запаса - 30%", {}},
        LineCase{"reserve below 5 is skipped", {}, "Суммарная мощность подсчитана с учетом запаса - 4%", {}},
        LineCase{"reserve without percent is skipped",
                 {},
                 "Суммарная мощность подсчитана с учетом запаса - 20",
                 {}},
        LineCase{"reserve with percent before the hyphen is skipped",
                 {},
                 "%Суммарная мощность подсчитана с учетом запаса - 20",
                 {}},
        LineCase{"per zone", {}, "Раскладка по зонам:", {SelectZones}},
        LineCase{"zone line", {}, "- Зона 1 - 10 Вт", {zoneLine("Зона 1 - 10 Вт")}},
        LineCase{"zone line keeps blanks and separators",
                 {},
                 "- Зона 3 -    1,5 Вт",
                 {zoneLine("Зона 3 -    1,5 Вт")}},
        LineCase{"console source",
                 {SourceHeading},
                 "- K-9 Консоль микрофонная - 3 шт.",
                 {source("K-9 Консоль микрофонная - 3 шт.", "K-9 Консоль микрофонная", 3)}},
        LineCase{"software source",
                 {SourceHeading},
                 "- ZEP60 Программа управления - 1 шт.",
                 {source("ZEP60 Программа управления - 1 шт.", "ZEP60 Программа управления", 1)}},
        LineCase{"source name with a hyphen",
                 {SourceHeading},
                 "- K-12 Блок-сопряжения - 2 шт.",
                 {source("K-12 Блок-сопряжения - 2 шт.", "K-12 Блок-сопряжения", 2)}},
        LineCase{"source name trimmed of blanks only",
                 {SourceHeading},
                 "-   ZEP60 Программа\t   -  4 шт.",
                 {source("  ZEP60 Программа\t   -  4 шт.", "ZEP60 Программа\t", 4)}},
        LineCase{"source quantity half to even",
                 {SourceHeading},
                 "- K-1 Микрофон - 2.5 шт.",
                 {source("K-1 Микрофон - 2.5 шт.", "K-1 Микрофон", 2)}},
        LineCase{"source quantity empty gives 0",
                 {SourceHeading},
                 "- K-1 Микрофон -шт.",
                 {source("K-1 Микрофон -шт.", "K-1 Микрофон", 0)}},
        LineCase{"source outside the section is ignored", {}, "- K-1 Микрофон - 3 шт.", {}},
        LineCase{"source after the proposal heading is ignored",
                 {SourceHeading, "ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:"},
                 "- K-1 Микрофон - 3 шт.",
                 {}},
        LineCase{"source without the marker is ignored", {SourceHeading}, "- Микрофон - 3 шт.", {}},
        LineCase{"source without a hyphen is skipped", {SourceHeading}, "- ZEP60 Программа 1 шт.", {}},
        LineCase{"source without pieces is skipped", {SourceHeading}, "- K-1 Микрофон - 3", {}},
        LineCase{
            "source with pieces before the hyphen is skipped", {SourceHeading}, "- K-1 Микрофон шт. - 3", {}},
        LineCase{"source quantity beyond 32 bits is skipped",
                 {SourceHeading},
                 "- K-1 Микрофон - 9999999999 шт.",
                 {}},
        LineCase{"heading and source on one line",
                 {},
                 "ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ: - K-1 Микрофон - 2 шт.",
                 {source("БРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ: - K-1 Микрофон - 2 шт.",
                         "БРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ: - K-1 Микрофон", 2)}},
        LineCase{"closing heading on the line comes first",
                 {SourceHeading},
                 "ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ: - K-1 Микрофон - 2 шт.",
                 {}},
        LineCase{"several phrases on a line, in step order",
                 {},
                 "Многоканальная система: Многозонная система: Музыкальная трансляция",
                 {tick("Check5"), tick("Check1"), tick("Check2")}},
        LineCase{"malformed piece skips only its own step",
                 {},
                 "Наличие вентиляторов - Суммарная мощность: - 120 Раскладка по зонам:",
                 {tick("ChkBL"), SelectZones}},
        LineCase{"total line is not read", {}, "ИТОГО: 120 Вт", {}},
        LineCase{"line control is not read", {}, "- Возможность ручного контроля линий", {}},
        LineCase{"empty source list is not read", {SourceHeading}, "Список звуковых источников - пуст", {}},
        LineCase{"proposal lines are not read",
                 {SourceHeading, "ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:"},
                 "- K-4 Усилитель (240) - 1 шт.",
                 {}},
        LineCase{"totals are not read", {}, "Суммарная потребляемая мощность системы - 1250 Вт", {}}));

TEST(Parser, SectionFlagFollowsTheHeadings)
{
    ReportLineParser parser;
    parser.startLoad();
    EXPECT_FALSE(parser.inSourceSection());
    parser.parseLine(QString::fromUtf8(SourceHeading));
    EXPECT_TRUE(parser.inSourceSection());
    parser.parseLine(QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:"));
    EXPECT_FALSE(parser.inSourceSection());
    parser.parseLine(QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ"));
    EXPECT_FALSE(parser.inSourceSection());
}

TEST(Parser, EveryLoadStartsFresh)
{
    ReportLineParser parser;
    parser.startLoad();
    parser.parseLine(QStringLiteral("- Суммарная мощность: - 120 Вт"));
    parser.parseLine(QString::fromUtf8(SourceHeading)); // a report cut off inside its source section
    EXPECT_EQ(parser.loadedPower(), 120);
    EXPECT_TRUE(parser.inSourceSection());

    parser.startLoad();
    EXPECT_EQ(parser.loadedPower(), 0);
    EXPECT_FALSE(parser.inSourceSection());
    EXPECT_TRUE(parser.parseLine(QStringLiteral("- K-1 Микрофон - 3 шт.")).isEmpty());
    EXPECT_EQ(parser.parseLine(QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 20%")),
              (QList<LoadAction>{tick("ChkZP"), reserve(20), powerText("0")}));
}

TEST(Parser, SkippedReserveLeavesThePowerAsRead)
{
    ReportLineParser parser;
    parser.startLoad();
    parser.parseLine(QStringLiteral("- Суммарная мощность: - 120 Вт"));
    parser.parseLine(QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 40%"));
    EXPECT_EQ(parser.loadedPower(), 120);
}

// The main window's side of a load, as far as the requirements go.
Requirements replay(const QStringList &lines)
{
    Requirements r;
    r.zoneCount = r.channelCount = 1;
    r.reservePercentText = QStringLiteral("5"); // the load resets VSZP to 5
    ReportLineParser parser;
    parser.startLoad();
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        for (const LoadAction &a : parser.parseLine(line)) {
            switch (a.kind) {
            case Kind::Tick: {
                bool *box = a.control == u"Check4"   ? &r.semiAutomatic
                            : a.control == u"Check3" ? &r.automatic
                            : a.control == u"Check5" ? &r.music
                            : a.control == u"Check6" ? &r.remoteConsole
                            : a.control == u"Check1" ? &r.multiZone
                            : a.control == u"Check2" ? &r.multiChannel
                            : a.control == u"ChkBR"  ? &r.amplifierReserve
                            : a.control == u"ChkAtt" ? &r.attenuatorControl
                            : a.control == u"ChkBL"  ? &r.fans
                            : a.control == u"ChkPD"  ? &r.automaticPowerOn
                            : a.control == u"ChkRP"  ? &r.powerSupplyReserve
                            : a.control == u"ChkRU"  ? &r.cabinet
                            : a.control == u"ChkZP"  ? &r.powerReserve
                                                     : nullptr;
                EXPECT_NE(box, nullptr) << a.control.toStdString();
                if (box)
                    *box = true;
                break;
            }
            case Kind::SetZoneCount:
                r.zoneCount = a.number;
                break;
            case Kind::SetChannelCount:
                r.channelCount = a.number;
                break;
            case Kind::SelectTotalPower:
                r.powerMode = PowerMode::Total;
                break;
            case Kind::SetTotalPowerText:
                r.totalPowerText = a.text;
                break;
            case Kind::SetReserve:
                r.reservePercentText = QString::number(a.number);
                break;
            case Kind::SelectPerZone:
                r.powerMode = PowerMode::PerZone;
                break;
            case Kind::AddZoneLine:
                r.zoneLines << a.text;
                ++r.zoneListCount;
                break;
            case Kind::AddSourceLine:
                r.sourceLines << a.text;
                if (a.name.startsWith(QStringLiteral("K-1 ")))
                    r.micCount += a.quantity;
                break;
            }
        }
    }
    return r;
}

Requirements everythingStated()
{
    Requirements r;
    r.semiAutomatic = r.automatic = r.music = r.remoteConsole = true;
    r.multiZone = true;
    r.zoneCount = 12;
    r.multiChannel = true;
    r.channelCount = 4;
    r.powerMode = PowerMode::Total;
    r.totalPowerText = QStringLiteral("100");
    r.powerReserve = true;
    r.reservePercentText = QStringLiteral("20");
    r.amplifierReserve = r.attenuatorControl = r.fans = r.automaticPowerOn = r.powerSupplyReserve =
        r.cabinet = true;
    r.sourceLines = {
        QStringLiteral("K-1 Микрофон ручной - 3 шт."), QStringLiteral("ZEP60 Программа управления - 1 шт."),
        QStringLiteral("K-9 Консоль микрофонная - 3 шт."), QStringLiteral("K-10 Блок сопряжения - 1 шт.")};
    r.micCount = 3;
    return r;
}

TEST(RoundTrip, AComposedReportRestoresTheRequirements)
{
    const Requirements stated = everythingStated();
    Proposal proposal;
    proposal.totalPower = 120; // 100 W with the 20 % reserve
    proposal.lines = {QStringLiteral("K-1 Микрофон ручной - 3 шт."),
                      QStringLiteral("K-4 Усилитель (240) - 1 шт.")};
    proposal.schemeChoice = QStringLiteral("Схема 2");

    const QStringList lines = decodeLines(encodeLines(composeReport(stated, proposal, QLocale::c())));
    const Requirements loaded = replay(lines);
    EXPECT_EQ(loaded.semiAutomatic, stated.semiAutomatic);
    EXPECT_EQ(loaded.automatic, stated.automatic);
    EXPECT_EQ(loaded.music, stated.music);
    EXPECT_EQ(loaded.remoteConsole, stated.remoteConsole);
    EXPECT_EQ(loaded.multiZone, stated.multiZone);
    EXPECT_EQ(loaded.zoneCount, stated.zoneCount);
    EXPECT_EQ(loaded.multiChannel, stated.multiChannel);
    EXPECT_EQ(loaded.channelCount, stated.channelCount);
    EXPECT_EQ(loaded.powerMode, stated.powerMode);
    EXPECT_EQ(loaded.totalPowerText, stated.totalPowerText);
    EXPECT_EQ(loaded.powerReserve, stated.powerReserve);
    EXPECT_EQ(loaded.reservePercentText, stated.reservePercentText);
    EXPECT_EQ(loaded.amplifierReserve, stated.amplifierReserve);
    EXPECT_EQ(loaded.attenuatorControl, stated.attenuatorControl);
    EXPECT_EQ(loaded.fans, stated.fans);
    EXPECT_EQ(loaded.automaticPowerOn, stated.automaticPowerOn);
    EXPECT_EQ(loaded.powerSupplyReserve, stated.powerSupplyReserve);
    EXPECT_EQ(loaded.cabinet, stated.cabinet);
    EXPECT_EQ(loaded.sourceLines, stated.sourceLines); // the proposal's lines are not read back
    EXPECT_EQ(loaded.micCount, stated.micCount);
    EXPECT_TRUE(loaded.zoneLines.isEmpty());
}

TEST(RoundTrip, ZoneModeWithAReserveBringsTheZonesBackAndPowerZero)
{
    Requirements stated;
    stated.multiZone = true;
    stated.zoneCount = 3;
    stated.powerMode = PowerMode::PerZone;
    stated.zoneLines = {QStringLiteral("Зона 1 - 10 Вт"), QStringLiteral("Зона 2 - 11,5 Вт"),
                        QStringLiteral("Зона 3 -    10 Вт")};
    stated.powerReserve = true;
    stated.reservePercentText = QStringLiteral("10");
    stated.lineControl = LineControl::Manual;
    Proposal proposal;
    proposal.totalPower = 34.65;

    const Requirements loaded = replay(decodeLines(
        encodeLines(composeReport(stated, proposal, QLocale(QLocale::Russian, QLocale::Russia)))));
    EXPECT_EQ(loaded.powerMode, PowerMode::PerZone);
    EXPECT_EQ(loaded.zoneLines, stated.zoneLines);
    EXPECT_EQ(loaded.zoneListCount, 3);
    EXPECT_EQ(loaded.zoneCount, 3);
    EXPECT_TRUE(loaded.powerReserve);
    EXPECT_EQ(loaded.reservePercentText, QStringLiteral("10"));
    EXPECT_EQ(loaded.totalPowerText, QStringLiteral("0"));
    EXPECT_EQ(loaded.lineControl, LineControl::None); // line control is not read back
    EXPECT_TRUE(loaded.sourceLines.isEmpty());
}

TEST(RoundTrip, TheCommittedFixtureLoads)
{
    QFile file(QStringLiteral(ORVIKA_SOURCE_DIR "/tests/report/fixtures/full.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Requirements loaded = replay(decodeLines(file.readAll()));
    EXPECT_EQ(loaded.zoneCount, 12);
    EXPECT_EQ(loaded.channelCount, 2);
    EXPECT_EQ(loaded.totalPowerText, QStringLiteral("100"));
    EXPECT_EQ(loaded.sourceLines.size(), 5);
}

// Whatever a file holds, the parser returns: no crash, no hang, no quadratic time on a long line.
TEST(Robustness, LongLinesAreReadInLinearTime)
{
    const QString phrases = QStringLiteral("Суммарная мощность: - Количество зон - ZEP - K- шт. Вт % ");
    QString huge;
    for (int i = 0; i < 40000; ++i)
        huge += phrases;
    huge += QStringLiteral("Суммарная мощность подсчитана с учетом запаса ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ");
    ReportLineParser parser;
    parser.startLoad();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 3; ++i)
        parser.parseLine(huge);
    EXPECT_LT(timer.elapsed(), 5000);

    const QString digits =
        QStringLiteral("- Суммарная мощность: ") + QString(2'000'000, u'9') + QStringLiteral(" Вт");
    EXPECT_TRUE(parser.parseLine(digits).isEmpty()); // far beyond 32 bits
}

TEST(Robustness, BinaryJunkYieldsNothingHarmful)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 131 + 7) % 256));
    ReportLineParser parser;
    parser.startLoad();
    for (const QString &line : decodeLines(junk))
        for (const LoadAction &a : parser.parseLine(line))
            ADD_FAILURE() << "unexpected action of kind " << static_cast<int>(a.kind);
}

} // namespace
