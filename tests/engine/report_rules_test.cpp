#include "comparison/saved_report.h"
#include "engine/load_choice.h"
#include "engine/report_restore.h"
#include "model_fixture.h"
#include "report/report_file.h"
#include "report/report_writer.h"

#include <QDir>
#include <QFile>

// The calculation, the report and the saved reports loaded back, on the model over the bundled
// catalogue.
namespace orvika::test {
namespace {

// Restored and composed again with the catalogue it was saved with, a report is the same report:
// the requirements, sources, line control and reserve unit all came back.
class RestoredReports : public BundledModelTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(RestoredReports, ComposeAgainIntoTheSameReport)
{
    const QStringList lines = reportLines(QString::fromLatin1(GetParam()));
    restoreSavedReport(*model, lines, parseSavedReport(lines));
    const std::optional<FinishedCalculation> finished = model->runCalculation();
    ASSERT_TRUE(finished) << seam.messages.join(u'|').toStdString();
    EXPECT_EQ(composeReport(finished->requirements, finished->proposal, QLocale::c()), lines);
    EXPECT_EQ(model->proposalList().items, finished->proposal.lines);
    EXPECT_EQ(model->proposalList().toolTips.size(), finished->proposal.lines.size());
}

INSTANTIATE_TEST_SUITE_P(, RestoredReports,
                         ::testing::Values("console_with_companion.dat", "every_option.dat",
                                           "fraction_point.dat", "microphone_panel_as_line.dat",
                                           "microphones_block_300w.dat", "player_with_interfaces.dat",
                                           "software_zep20.dat", "software_zep40.dat",
                                           "two_channels_reserve_k3105.dat", "two_channels_reserve_k3240.dat",
                                           "zones_25_with_reserve.dat"));

TEST_F(BundledModelTest, RestoringTakesTheLineControlAndTheReserveUnitFromTheReport)
{
    const QStringList withReserve = reportLines(QStringLiteral("two_channels_reserve_k3240.dat"));
    restoreSavedReport(*model, withReserve, parseSavedReport(withReserve));
    EXPECT_TRUE(model->picker(PickerId::CmbBR).text.startsWith(QStringLiteral("K-3240 ")));
    EXPECT_TRUE(model->picker(PickerId::CmbBR).items.contains(model->picker(PickerId::CmbBR).text));
    const QStringList automatic = reportLines(QStringLiteral("every_option.dat"));
    restoreSavedReport(*model, automatic, parseSavedReport(automatic));
    EXPECT_EQ(model->lineControl(), LineControl::Automatic);
    // A report without a reserve unit leaves the picker's prompt, not the last report's unit.
    const QStringList none = reportLines(QStringLiteral("console_with_companion.dat"));
    restoreSavedReport(*model, none, parseSavedReport(none));
    EXPECT_EQ(model->picker(PickerId::CmbBR).text, model->picker(PickerId::CmbBR).prompt);
    EXPECT_EQ(model->lineControl(), LineControl::None);
}

TEST_F(BundledModelTest, ALoadStartsFromAClearedWindowEvenWhenTheFileCannotBeRead)
{
    model->setTicked(CheckBoxId::ChkRU, true);
    model->setCounterValue(CounterId::VSZP, 15);
    model->setPowerMode(PowerMode::PerZone);
    model->setTicked(CheckBoxId::Check1, true);
    seam.answers.enqueue(QStringLiteral("100"));
    model->click(ButtonId::CmdAdd);
    ASSERT_EQ(model->zoneList().items.size(), 1);

    EXPECT_FALSE(model->loadReport(dir.filePath(QStringLiteral("нет такого.dat"))));
    EXPECT_EQ(seam.messages.size(), 1);
    for (int box = 0; box < CheckBoxCount; ++box)
        EXPECT_FALSE(model->ticked(CheckBoxId(box))) << box;
    EXPECT_EQ(model->counter(CounterId::VSZP).shown, "5");
    EXPECT_TRUE(model->zoneList().items.isEmpty());
    EXPECT_EQ(state.zoneListCount, 0);
    EXPECT_EQ(model->powerMode(), PowerMode::PerZone); // the options stay as they are
}

TEST_F(BundledModelTest, TheReportIsWrittenAndItsDocumentsOfferedUntilList3ShowsSomethingElse)
{
    const QStringList lines = reportLines(QStringLiteral("every_option.dat"));
    model->loadReportLines(lines);
    model->setLineControl(LineControl::Automatic);
    model->click(ButtonId::CmdUs);
    EXPECT_EQ(seam.takeMessages().last(), "Данные находятся в файле Спецификация");
    ASSERT_TRUE(model->finishedCalculation());
    EXPECT_EQ(readReportLines(dir.filePath(ReportFileName), nullptr), lines);
    model->click(ButtonId::Command2);
    EXPECT_FALSE(model->finishedCalculation());
    EXPECT_TRUE(model->proposalList().items.isEmpty());
    // A calculation that stops offers nothing.
    model->setTotalPowerText(QString());
    model->click(ButtonId::CmdUs);
    EXPECT_EQ(seam.takeMessages().last(), "Суммарная мощность системы должна находится в диапазоне от 1 до "
                                          "160000 Вт.");
    EXPECT_FALSE(model->finishedCalculation());
}

TEST_F(BundledModelTest, TheLoadWindowLoadsTheSelectedReport)
{
    for (const char *name : {"b.dat", "a.dat", ".hidden.dat", "c.txt"})
        ASSERT_TRUE(QFile::copy(Reports + QStringLiteral("every_option.dat"),
                                dir.filePath(QString::fromLatin1(name))));
    LoadChoice choice(*model);
    EXPECT_EQ(choice.names(), (QStringList{"a.dat", "b.dat"}));
    EXPECT_FALSE(choice.loadEnabled());
    EXPECT_FALSE(choice.loadSelected());
    EXPECT_EQ(seam.takeMessages(), QStringList{"Выберите спецификацию из списка"});

    choice.select(1);
    EXPECT_TRUE(choice.loadSelected());
    EXPECT_TRUE(model->ticked(CheckBoxId::Check1));
    choice.select(-1);
    EXPECT_TRUE(choice.loadEnabled()); // stays open until the window closes
    EXPECT_FALSE(choice.loadSelected());
}

} // namespace
} // namespace orvika::test
