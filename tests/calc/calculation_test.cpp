#include "calc/calculation.h"
#include "calc_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;
using namespace orvika::testing;

namespace {

const QString As = QStringLiteral("K-3125 Блок подключения");
const QString Ai = QStringLiteral("K-3285 Блок интерфейсов");
const QString Sz1000 = QStringLiteral("K-3205 Селектор 1000");
const QString Pred = QStringLiteral("K-3400 Предусилитель");

const QString NoSource = QStringLiteral("Вы не выбрали звуковой источник");
const QString PowerRange =
    QStringLiteral("Суммарная мощность системы должна находится в диапазоне от 1 до 160000 Вт.");
const QString SoftwareZones =
    QStringLiteral("Количество зон выбранного ПО меньше суммарного количества зон.\n\rВыберите ПО с большим "
                   "количеством зон.\n\rМаксимальное количество зон для работы с ПО серии ZEP - 60");
const QString NoSelector = QStringLiteral("Селектор зон не выбран");
const QString NoPowerAmplifier = QStringLiteral("Не выбран усилитель по мощности");
const QString NoInputAmplifier = QStringLiteral("Не выбран усилитель по входам");

QString line(const QString &name, int quantity)
{
    return name + QStringLiteral(" - %1 шт.").arg(quantity);
}

Catalogue driverCatalogue()
{
    Catalogue catalogue = emptyCatalogue();
    addUnitLine(catalogue, As, 5, 1, QStringLiteral("AS"));
    addUnitLine(catalogue, Ai, 10, 1, QStringLiteral("AI"));
    addSelector(catalogue, QStringLiteral("K-3110 Селектор 500"), 500, 20, 1);
    addSelector(catalogue, Sz1000, 1000, 25, 1);
    addExampleAmplifiers(catalogue, QStringLiteral("1|2+1/1//1"));
    addPreamp(catalogue, Pred, QStringLiteral("1|4+0/2//1"), 30, 1);
    addUnitLine(catalogue, QStringLiteral("K-3600 Блок коммутации"), 20, 1, QStringLiteral("AR"));
    addUnitLine(catalogue, QStringLiteral("K-3610 Ручной контроль"), 15, 1, QStringLiteral("MO"));
    addUnitLine(catalogue, QStringLiteral("K-3620 Автоконтроль"), 25, 1, QStringLiteral("ML"));
    addUnitLine(catalogue, QStringLiteral("K-3630 Аттенюаторы"), 15, 1, QStringLiteral("RP"));
    addUnitLine(catalogue, QStringLiteral("K-3640 Блок включения"), 10, 1, QStringLiteral("PD"));
    addUnitLine(catalogue, Bl, 5, 1, QStringLiteral("BL"));
    addUnitLine(catalogue, QStringLiteral("K-3660 Блок питания"), 50, 3, QStringLiteral("UP"));
    addUnitLine(catalogue, QStringLiteral("K-3105 Блок резервирования"), 20, 1, QStringLiteral("BR"));
    catalogue.asName = As;
    catalogue.aiName = Ai;
    catalogue.arName = QStringLiteral("K-3600 Блок коммутации");
    catalogue.arNumber = 6;
    catalogue.moName = QStringLiteral("K-3610 Ручной контроль");
    catalogue.mlName = QStringLiteral("K-3620 Автоконтроль");
    catalogue.mlNumber = 8;
    catalogue.rpName = QStringLiteral("K-3630 Аттенюаторы");
    catalogue.pdName = QStringLiteral("K-3640 Блок включения");
    catalogue.pdNumber = 4;
    catalogue.blName = Bl;
    catalogue.blNumber = 6;
    catalogue.upName = QStringLiteral("K-3660 Блок питания");
    catalogue.upNumber = 1000;
    catalogue.cabinets60 = {{QStringLiteral("K-3700 Шкаф 24"), 24}, {QStringLiteral("K-3702 Шкаф 42"), 42}};
    catalogue.cabinets80 = {{QStringLiteral("K-3710 Шкаф АКБ 24"), 24},
                            {QStringLiteral("K-3712 Шкаф АКБ 42"), 42}};
    return catalogue;
}

const QStringList Schemes{QStringLiteral("СХЕМА 1.1.*K-3504"),
                          QStringLiteral("СХЕМА 2.1.*K-3205 K-3125 K-3285"),
                          QStringLiteral("СХЕМА 3.1.*K-3205 K-3125 MN")};

// One microphone and one message block, 300 W in total.
Requirements simpleRequirements()
{
    Requirements requirements;
    requirements.sourceLines = {QStringLiteral("K-3122 Микрофон - 1 шт."),
                                QStringLiteral("K-3260 Блок - 1 шт.")};
    requirements.micCount = 1;
    requirements.alarmBlockCount = 1;
    requirements.powerMode = PowerMode::Total;
    requirements.totalPowerText = QStringLiteral("300");
    requirements.selectionTotals = {2, 27, 1};
    return requirements;
}

Proposal run(const Requirements &requirements, const Catalogue &catalogue = driverCatalogue())
{
    return calculate(catalogue, Schemes, requirements);
}

TEST(Calculation, ComposesTheWholeList)
{
    Requirements requirements;
    requirements.sourceLines = {QStringLiteral("K-3120 Панель - 5 шт."), QString(),
                                QStringLiteral("K-3280 Проигрыватель - 2 шт."),
                                QStringLiteral("K-3260 Блок - 1 шт.")};
    requirements.micCount = 1;
    requirements.alarmBlockCount = 1;
    requirements.musicSourceCount = 1;
    requirements.multiZone = true;
    requirements.zoneCount = 25;
    requirements.powerMode = PowerMode::Total;
    requirements.totalPowerText = QStringLiteral("2400");
    requirements.selectionTotals = {3, 50, 3};

    const Proposal proposal = run(requirements);

    EXPECT_TRUE(proposal.complete);
    EXPECT_TRUE(proposal.messages.isEmpty());
    // AS for three selectors; AI after its source; the selector; 900 W left over and one 1500 W block;
    // 13 units by 6 per BL unit.
    EXPECT_EQ(proposal.lines, (QStringList{line(As, 3), QStringLiteral("K-3280 Проигрыватель - 2 шт."),
                                           line(Ai, 2), QStringLiteral("K-3260 Блок - 1 шт."),
                                           line(Sz1000, 3), line(A1500, 1), line(A1500, 1), line(Bl, 3)}));
    EXPECT_EQ(proposal.totals, (Totals{16, 50 + 15 + 20 + 75 + 4000 + 15, 3 + 3 + 2 + 3 + 8 + 3}));
    EXPECT_DOUBLE_EQ(proposal.totalPower, 2400);
    EXPECT_EQ(proposal.schemeChoice, QStringLiteral("СХЕМА 2.1."));
    EXPECT_EQ(proposal.micCount, 1);
}

TEST(Calculation, EveryOptionInItsOrder)
{
    Requirements requirements = simpleRequirements();
    requirements.multiZone = true;
    requirements.zoneCount = 70;
    requirements.multiChannel = true;
    requirements.channelCount = 2;
    requirements.totalPowerText = QStringLiteral("6500");
    requirements.lineControl = LineControl::Automatic;
    requirements.attenuatorControl = true;
    requirements.amplifierReserve = true;
    requirements.reserveUnitText = QStringLiteral("K-3105 Блок резервирования");
    requirements.automaticPowerOn = true;
    requirements.powerSupplyReserve = true;
    requirements.cabinet = true;

    const Proposal proposal = run(requirements);

    ASSERT_TRUE(proposal.complete) << proposal.messages.value(0).text.toStdString();
    QStringList models;
    for (const QString &entry : proposal.lines)
        models.append(entry.section(u' ', 0, 0) + u'x' + entry.section(u' ', -2, -2));
    // Per channel four 1500 W blocks and a 500 W remainder: 10 amplifiers in one group, 2 AR units;
    // 9 ML units for 70 zones; a reserve set of one channel; 44 units by 4 per PD unit; the consumption
    // of 26822 W with a quarter on top by 1000 W units; 198 rack units in cabinets of class 80.
    EXPECT_EQ(models, (QStringList{"K-3122x1", "K-3260x1", "K-3205x7", "K-4050x2", "K-4150x8", "K-3600x2",
                                   "K-3620x9", "K-3630x7", "K-3105x2", "K-4050x1", "K-4150x4", "K-3640x11",
                                   "K-3660x34", "K-3712x5"}));
    EXPECT_EQ(proposal.schemeChoice, QStringLiteral("СХЕМА 3.1."));
    // The cabinets hold the units; they are not counted among them.
    EXPECT_EQ(proposal.totals, (Totals{89, 26822 + 34 * 50, 198}));
}

TEST(Calculation, RepeatedRunGivesTheSameProposal)
{
    Requirements requirements = simpleRequirements();
    requirements.cabinet = true;
    const Catalogue catalogue = driverCatalogue();
    const Proposal first = run(requirements, catalogue);
    const Proposal second = run(requirements, catalogue);
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_EQ(first.totals, second.totals);
    EXPECT_EQ(first.schemeChoice, second.schemeChoice);
}

TEST(Calculation, NoSourceWarnsAndGoesOn)
{
    Requirements requirements = simpleRequirements();
    requirements.sourceLines = {};
    requirements.micCount = 0;
    requirements.alarmBlockCount = 0;
    requirements.selectionTotals = {};
    const Proposal proposal = run(requirements);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{NoSource, false}}));
    EXPECT_TRUE(proposal.complete);
    EXPECT_EQ(proposal.lines, (QStringList{line(A500, 1), line(Bl, 1)}));
}

TEST(Calculation, ZoneListShorterThanTheZonesStops)
{
    Requirements requirements = simpleRequirements();
    requirements.multiZone = true;
    requirements.zoneCount = 5;
    requirements.powerMode = PowerMode::PerZone;
    requirements.zoneLines = {"Зона 1 - 10 Вт", "Зона 2 - 10 Вт", "Зона 3 - 10 Вт", "Зона 4 - 10 Вт"};
    requirements.zoneListCount = 4;
    const Proposal proposal = run(requirements);
    EXPECT_EQ(
        proposal.messages,
        (QList<CalcMessage>{
            {QStringLiteral("Вы указали количество зон - 5\n\rа в раскладке по зонам у вас их всего - 4"),
             true}}));
    EXPECT_FALSE(proposal.complete);
    EXPECT_EQ(proposal.lines, requirements.sourceLines);
    EXPECT_EQ(proposal.totals, requirements.selectionTotals);
}

TEST(Calculation, ZoneListChecksOnlyPerZonePowerOfAMultiZoneSystem)
{
    Requirements requirements = simpleRequirements();
    requirements.powerMode = PowerMode::PerZone;
    requirements.zoneLines = {"Зона 1 - 100 Вт", "Зона 2 - 250 Вт"}; // more lines than zones: all count
    requirements.zoneListCount = 2;
    const Proposal proposal = run(requirements);
    EXPECT_TRUE(proposal.complete);
    EXPECT_DOUBLE_EQ(proposal.totalPower, 350);
}

TEST(Calculation, SoftwareForFewerZonesWarnsAndNeedsAMicrophonePlace)
{
    Requirements requirements = simpleRequirements();
    requirements.micCount = 0;
    requirements.softwareAdded = true;
    requirements.softwareNumber = 20;
    requirements.multiZone = true;
    requirements.zoneCount = 25;
    const Proposal proposal = run(requirements);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{SoftwareZones, false}}));
    EXPECT_TRUE(proposal.complete);
    EXPECT_EQ(proposal.micCount, 1);

    requirements.softwareNumber = 60;
    EXPECT_TRUE(run(requirements).messages.isEmpty());
}

TEST(Calculation, MicrophonesAreNotRaisedWithoutSoftware)
{
    Requirements requirements = simpleRequirements();
    requirements.micCount = 0;
    EXPECT_EQ(run(requirements).micCount, 0);
}

TEST(Calculation, WarningsComeInOrderBeforeTheStop)
{
    Requirements requirements = simpleRequirements();
    requirements.sourceLines = {};
    requirements.softwareAdded = true;
    requirements.softwareNumber = 0;
    requirements.powerMode = PowerMode::None;
    const Proposal proposal = run(requirements);
    EXPECT_EQ(proposal.messages,
              (QList<CalcMessage>{{NoSource, false}, {SoftwareZones, false}, {PowerRange, true}}));
    EXPECT_FALSE(proposal.complete);
    EXPECT_TRUE(proposal.schemeChoice.isEmpty());
}

struct RangeCase
{
    const char *label;
    PowerMode mode;
    const char16_t *text;
    bool reserve;
    bool passes;
};

class PowerRangeTest : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(PowerRangeTest, AcceptsAboveZeroUpTo160000)
{
    Requirements requirements = simpleRequirements();
    requirements.powerMode = GetParam().mode;
    requirements.totalPowerText = QString::fromUtf16(GetParam().text);
    requirements.powerReserve = GetParam().reserve;
    requirements.reservePercentText = QStringLiteral("5");
    const Proposal proposal = run(requirements);
    EXPECT_EQ(proposal.complete, GetParam().passes);
    if (!GetParam().passes) {
        EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{PowerRange, true}}));
        EXPECT_EQ(proposal.lines, requirements.sourceLines);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PowerRangeTest,
    ::testing::Values(RangeCase{"Exactly160000", PowerMode::Total, u"160000", false, true},
                      RangeCase{"HalfAWattMore", PowerMode::Total, u"160000.5", false, false},
                      RangeCase{"ReserveBeyond", PowerMode::Total, u"152400", true, false},
                      RangeCase{"ReserveWithin", PowerMode::Total, u"152380", true, true},
                      RangeCase{"Zero", PowerMode::Total, u"0", false, false},
                      RangeCase{"Negative", PowerMode::Total, u"-5", false, false},
                      RangeCase{"NotANumber", PowerMode::Total, u"сто", false, false},
                      RangeCase{"NoMode", PowerMode::None, u"300", false, false},
                      RangeCase{"SmallFraction", PowerMode::Total, u"0.4", false, true}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(Calculation, AveragePowerAboveTheSelectorsStopsAfterTwoMessages)
{
    Requirements requirements = simpleRequirements();
    requirements.multiZone = true;
    requirements.zoneCount = 2;
    requirements.totalPowerText = QStringLiteral("3001");
    const Proposal proposal = run(requirements);
    EXPECT_EQ(proposal.messages,
              (QList<CalcMessage>{
                  {QStringLiteral("Средняя мощность 1 зоны превышает коммутационные возможности "
                                  "селекторов.\n\rРазбейте свою систему на большее количество зон."),
                   false},
                  {NoSelector, true}}));
    EXPECT_FALSE(proposal.complete);
    EXPECT_EQ(proposal.lines, requirements.sourceLines);
    EXPECT_EQ(proposal.totals, Totals{}); // the results are reset
}

TEST(Calculation, NoSelectorLargeEnoughStops)
{
    Requirements requirements = simpleRequirements();
    requirements.multiZone = true;
    requirements.zoneCount = 10;
    requirements.totalPowerText = QStringLiteral("1200");
    const Proposal proposal = run(requirements);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{NoSelector, true}}));
    EXPECT_EQ(proposal.totals, Totals{});
}

TEST(Calculation, SingleZoneHasNoSelector)
{
    const Proposal proposal = run(simpleRequirements());
    EXPECT_TRUE(proposal.complete);
    EXPECT_EQ(proposal.lines,
              (QStringList{"K-3122 Микрофон - 1 шт.", "K-3260 Блок - 1 шт.", line(A500, 1), line(Bl, 1)}));
    EXPECT_EQ(proposal.totals, (Totals{2 + 1 + 1, 27 + 700 + 5, 1 + 3 + 1}));
}

TEST(Calculation, NoAmplifierForThePowerStopsAndResets)
{
    Catalogue catalogue = driverCatalogue();
    catalogue.amplifiers.removeLast(); // no 1500 W model
    Requirements requirements = simpleRequirements();
    requirements.totalPowerText = QStringLiteral("3200");
    const Proposal proposal = run(requirements, catalogue);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{NoPowerAmplifier, true}}));
    EXPECT_EQ(proposal.lines, requirements.sourceLines); // no amplifier that cannot carry the load
    EXPECT_EQ(proposal.totals, Totals{});
}

TEST(Calculation, InputsNotServedStopsWithoutReset)
{
    Catalogue catalogue = driverCatalogue();
    catalogue.preamps.clear();
    Requirements requirements = simpleRequirements();
    requirements.musicSourceCount = 5;
    const Proposal proposal = run(requirements, catalogue);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{NoInputAmplifier, true}}));
    EXPECT_EQ(proposal.lines, (QStringList{"K-3122 Микрофон - 1 шт.", "K-3260 Блок - 1 шт.", line(A500, 1)}));
    EXPECT_EQ(proposal.totals, (Totals{3, 27 + 700, 1 + 3}));
}

TEST(Calculation, PreampServesWhatTheAmplifierCannot)
{
    Requirements requirements = simpleRequirements();
    requirements.alarmBlockCount = 4;
    const Proposal proposal = run(requirements);
    EXPECT_TRUE(proposal.complete);
    EXPECT_EQ(proposal.lines.mid(2, 2), (QStringList{line(A500, 1), line(Pred, 1)}));
}

struct SourceCase
{
    const char *label;
    const char16_t *source;
    QStringList lines; // what the source gives in the list
};

class SourceCopyTest : public ::testing::TestWithParam<SourceCase>
{
};

TEST_P(SourceCopyTest, CopiesOrReplacesTheSource)
{
    Requirements requirements = simpleRequirements();
    requirements.multiZone = true;
    requirements.zoneCount = 20;
    requirements.sourceLines = {QString::fromUtf16(GetParam().source)};
    const Proposal proposal = run(requirements);
    ASSERT_TRUE(proposal.complete);
    EXPECT_EQ(proposal.lines.mid(0, GetParam().lines.size()), GetParam().lines);
    EXPECT_EQ(proposal.lines.value(GetParam().lines.size()), line(QStringLiteral("K-3110 Селектор 500"), 2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SourceCopyTest,
    ::testing::Values(
        SourceCase{"PanelBecomesOnePerSelector", u"K-3120 Панель - 5 шт.", {line(As, 2)}},
        SourceCase{"LowerCasePanelIsCopied", u"k-3120 Панель - 5 шт.", {"k-3120 Панель - 5 шт."}},
        SourceCase{
            "PlayerBringsItsInterfaces", u"K-3280 Плеер - 3 шт.", {"K-3280 Плеер - 3 шт.", line(Ai, 3)}},
        SourceCase{"AtMostFourInterfaces", u"K-3280 Плеер - 7 шт.", {"K-3280 Плеер - 7 шт.", line(Ai, 4)}},
        SourceCase{"InterfacesRoundedHalfToEven",
                   u"K-3280 Плеер - 2.5 шт.",
                   {"K-3280 Плеер - 2.5 шт.", line(Ai, 2)}},
        SourceCase{"NoInterfacesForNoNumber", u"K-3280 Плеер - шт.", {"K-3280 Плеер - шт.", line(Ai, 0)}}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(Calculation, AccountsTheInterfacesAndPanels)
{
    Requirements requirements = simpleRequirements();
    requirements.sourceLines = {QStringLiteral("K-3120 Панель - 1 шт."),
                                QStringLiteral("K-3280 Плеер - 3 шт.")};
    requirements.selectionTotals = {4, 100, 4};
    const Proposal proposal = run(requirements);
    // AS 1 and AI 3 on top of the sources, then the 500 W amplifier and 9 units by 6 per BL unit.
    EXPECT_EQ(proposal.totals, (Totals{4 + 1 + 3 + 1 + 2, 100 + 5 + 30 + 700 + 10, 4 + 1 + 3 + 3 + 2}));
}

TEST(Calculation, CatalogueFigureThatCannotDivideStops)
{
    Catalogue catalogue = driverCatalogue();
    catalogue.blNumber = 0;
    const Proposal proposal = run(simpleRequirements(), catalogue);
    EXPECT_FALSE(proposal.complete);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: ") + Bl, true}}));
    EXPECT_EQ(proposal.lines.last(), line(A500, 1));
}

TEST(Calculation, TotalsBeyondTheIntegerRangeStop)
{
    Catalogue catalogue = driverCatalogue();
    catalogue.lines[1] = Ai + QStringLiteral("#1000000000%1&AI");
    Requirements requirements = simpleRequirements();
    requirements.sourceLines = {QStringLiteral("K-3280 Плеер - 3 шт.")};
    const Proposal proposal = run(requirements, catalogue);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: ") + Ai, true}}));
    EXPECT_EQ(proposal.lines, QStringList{"K-3280 Плеер - 3 шт."});
    EXPECT_EQ(proposal.totals, requirements.selectionTotals);
}

TEST(Calculation, MissingPanelUnitIsACatalogueError)
{
    Catalogue catalogue = driverCatalogue();
    catalogue.asName.clear();
    Requirements requirements = simpleRequirements();
    requirements.sourceLines = {QStringLiteral("K-3120 Панель - 1 шт.")};
    const Proposal proposal = run(requirements, catalogue);
    EXPECT_EQ(proposal.messages, (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: AS"), true}}));
    EXPECT_TRUE(proposal.lines.isEmpty());
}

} // namespace
