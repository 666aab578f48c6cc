#include "calc/calculation.h"
#include "calc/calculation_state.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/scheme_library.h"
#include "files/text_file.h"

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

    // Every line comes apart into its designation and quantity, with the figures its rule used.
    ASSERT_EQ(proposal.items.size(), proposal.lines.size());
    QStringList reasons;
    for (qsizetype i = 0; i < proposal.items.size(); ++i) {
        const ProposedItem &item = proposal.items.at(i);
        EXPECT_EQ(unitLine(item.designation, item.quantity), proposal.lines.at(i));
        reasons.append(QString::number(item.quantity) + QStringLiteral(": ") + item.reason);
    }
    const QString chosen = QStringLiteral("выбран пользователем");
    EXPECT_EQ(
        reasons,
        (QStringList{
            QStringLiteral("16: панели вызова зон: по 1 блоку на селектор зон → 16 шт."),
            QStringLiteral("1: ") + chosen,
            QStringLiteral("1: к проигрывателю K-3280: по 1 на проигрыватель, не более 4 → 1 шт."),
            QStringLiteral("1: ") + chosen,
            QStringLiteral("16: 160 зон: по 10 зон на селектор → 16 шт.; 3840 Вт ≤ 16 × 500 Вт"),
            QStringLiteral("8: остаток 840 Вт ≤ 1000 Вт; по 1 на канал, 8 каналов; входы: линейных 3, "
                           "микрофонных 1"),
            QStringLiteral("16: 2 блока по 1500 Вт × 8 каналов"),
            QStringLiteral("5: 24 усилителя, по 4 на группу: сверх них 20, 1 блок и ещё 1 на каждые 5"),
            QStringLiteral("20: автоматический контроль линий: 160 зон, по 8 на блок"),
            QStringLiteral("16: управление аттенюаторами: по 1 на селектор зон → 16 шт."),
            QStringLiteral("1: резервирование усилителей: 3 усилителя на канал, по 4 на блок"),
            QStringLiteral("1: резервный усилитель: по 1 на блок переключения → 1 шт."),
            QStringLiteral("26: автоматическое включение питания: 103 блока, по 4 на блок"),
            QStringLiteral("59: резервирование питания: 46920 Вт × 1,25 = 58650 Вт, по 1000 Вт на блок"),
            QStringLiteral("9: 372 U: 9 шкафов по 42 U"),
        }));
}

} // namespace
