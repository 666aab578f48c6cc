#include "calc/calculation.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/scheme_library.h"
#include "catalogue/text_file.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

const QString DataDir = QStringLiteral(ORVIKA_SOURCE_DIR "/data");

class BundledCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const TextReadResult file = readTextFile(DataDir + QStringLiteral("/Base/Base-Date"));
        ASSERT_FALSE(file.errorCode);
        auto parsed = parseCatalogue(file.lines, QLocale::c());
        ASSERT_TRUE(parsed);
        catalogue = *parsed;
        schemes = loadSchemeLibrary(DataDir).lines;
    }

    Catalogue catalogue;
    QStringList schemes;
};

TEST_F(BundledCatalogue, SmallInstallation)
{
    Requirements requirements;
    requirements.sourceLines = {QStringLiteral("K-3122 Микрофон настольный на гибкой стойке - 1 шт."),
                                QStringLiteral("K-3260 Блок речевых сообщений на 4 сообщения - 1 шт.")};
    requirements.micCount = 1;
    requirements.alarmBlockCount = 1;
    requirements.powerMode = PowerMode::Total;
    requirements.totalPowerText = QStringLiteral("300");
    requirements.selectionTotals = {2, 22, 1};

    const Proposal proposal = calculate(catalogue, schemes, requirements);

    EXPECT_TRUE(proposal.complete);
    EXPECT_TRUE(proposal.messages.isEmpty());
    EXPECT_EQ(proposal.lines,
              (QStringList{requirements.sourceLines.at(0), requirements.sourceLines.at(1),
                           QStringLiteral("K-3512 Усилитель мощности (500) - 1 шт."),
                           QStringLiteral("K-3650 Блок распределения питания на 6 потребителей - 1 шт.")}));
    EXPECT_EQ(proposal.totals, (Totals{4, 22 + 750 + 5, 1 + 3 + 1}));
    EXPECT_EQ(proposal.schemeChoice, QStringLiteral("СХЕМА 1.2."));
}

TEST_F(BundledCatalogue, LargeInstallationWithEveryOption)
{
    Requirements requirements;
    requirements.multiZone = true;
    requirements.zoneCount = 160;
    requirements.multiChannel = true;
    requirements.channelCount = 8;
    requirements.powerMode = PowerMode::PerZone;
    for (int zone = 1; zone <= 160; ++zone)
        requirements.zoneLines.append(QStringLiteral("Зона %1 - 20 Вт").arg(zone));
    requirements.zoneListCount = 160;
    requirements.powerReserve = true;
    requirements.lineControl = LineControl::Automatic;
    requirements.amplifierReserve = true;
    requirements.reserveUnitText = QStringLiteral("K-3240 Блок переключения на резервный усилитель");
    requirements.attenuatorControl = true;
    requirements.automaticPowerOn = true;
    requirements.powerSupplyReserve = true;
    requirements.cabinet = true;
    requirements.sourceLines = {
        QStringLiteral("K-3120 Панель микрофонная вызова зон на 20 кнопок - 1 шт."),
        QStringLiteral("K-3280 Проигрыватель компакт-дисков с радиоприёмником - 1 шт."),
        QStringLiteral("ZEP-60 Программа управления системой оповещения на 60 зон - 1 шт.")};
    requirements.alarmBlockCount = 1;
    requirements.musicSourceCount = 2;
    requirements.softwareAdded = true;
    requirements.softwareNumber = 60;
    requirements.selectionTotals = {3, 30, 2};

    const Proposal proposal = calculate(catalogue, schemes, requirements);

    ASSERT_TRUE(proposal.complete);
    ASSERT_EQ(proposal.messages.size(), 1); // the software serves 60 of the 160 zones
    EXPECT_FALSE(proposal.messages.first().stops);
    EXPECT_EQ(proposal.micCount, 1);
    EXPECT_DOUBLE_EQ(proposal.totalPower, 3840);
    // 3840 W in 8 channels: two blocks and 840 W in each.
    EXPECT_EQ(proposal.lines.mid(0, 7),
              (QStringList{QStringLiteral("K-3125 Блок подключения микрофонных панелей - 16 шт."),
                           requirements.sourceLines.at(1),
                           QStringLiteral("K-3285 Блок входных интерфейсов источников - 1 шт."),
                           requirements.sourceLines.at(2),
                           QStringLiteral("K-3110 Селектор зон на 10 линий до 500 Вт - 16 шт."),
                           QStringLiteral("K-3520 Усилитель мощности (1000) - 8 шт."),
                           QStringLiteral("K-3530 Усилитель мощности (1500) - 16 шт.")}));
    EXPECT_TRUE(proposal.lines.last().startsWith(QStringLiteral("K-3712 ")));
    EXPECT_EQ(proposal.schemeChoice, QStringLiteral("СХЕМА 3.3."));
}

} // namespace
