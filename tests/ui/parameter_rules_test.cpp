#include "window_fixture.h"

#include <functional>

// Zones, channels, options, power reserve and line control on the real main window.
namespace orvika::test {
namespace {

using ParameterRules = WindowTest;

TEST_F(ParameterRules, CountsStartAtOneWhileTheLabelsShowTwo)
{
    EXPECT_EQ(state.zoneCount, 1);
    EXPECT_EQ(state.channelCount, 1);
    EXPECT_EQ(window->LblZ->text(), "2");
    EXPECT_EQ(window->LblCh->text(), "2");
    EXPECT_FALSE(window->VSKZ->isEnabled());
    EXPECT_FALSE(window->VSCH->isEnabled());
}

// The zone row and the channel row share their rules.
struct CountRow
{
    const char *name;
    QCheckBox *MainWindow::*box;
    Spinner *MainWindow::*spinner;
    QLabel *MainWindow::*label;
    std::int32_t SharedState::*count;
    int maximum;
};

void PrintTo(const CountRow &value, std::ostream *out)
{
    *out << value.name;
}

class CountRows : public WindowTest, public ::testing::WithParamInterface<CountRow>
{
};

TEST_P(CountRows, CountFollowsTheSpinnerOnlyWhileTicked)
{
    const CountRow &row = GetParam();
    QCheckBox *box = window.get()->*row.box;
    Spinner *spinner = window.get()->*row.spinner;
    QLabel *label = window.get()->*row.label;

    click(spinner, Arrow::Up);
    EXPECT_EQ(spinner->value(), 2) << "a disabled spinner does not move";
    EXPECT_EQ(state.*row.count, 1);

    click(box);
    ASSERT_TRUE(box->isChecked());
    EXPECT_TRUE(spinner->isEnabled());
    EXPECT_EQ(state.*row.count, 2);

    click(spinner, Arrow::Up, 5);
    EXPECT_EQ(spinner->value(), 7);
    EXPECT_EQ(label->text(), "7");
    EXPECT_EQ(state.*row.count, 7);

    click(box);
    EXPECT_FALSE(spinner->isEnabled());
    EXPECT_EQ(state.*row.count, 1);
    EXPECT_EQ(label->text(), "7");

    click(box);
    EXPECT_EQ(state.*row.count, 7);

    click(spinner, Arrow::Down, 9);
    EXPECT_EQ(spinner->value(), 2);
    EXPECT_EQ(label->text(), "2");

    click(spinner, Arrow::Up, row.maximum);
    EXPECT_EQ(spinner->value(), row.maximum);
    EXPECT_EQ(state.*row.count, row.maximum);
}

TEST_P(CountRows, ProgramSetSpinnerRunsItsRuleEvenWhenDisabled)
{
    const CountRow &row = GetParam();
    Spinner *spinner = window.get()->*row.spinner;
    ASSERT_FALSE(spinner->isEnabled());

    leaveResults();
    spinner->setValue(5);
    EXPECT_EQ(state.*row.count, 5);
    EXPECT_EQ((window.get()->*row.label)->text(), "5");
    EXPECT_TRUE(resultsDropped());

    leaveResults();
    spinner->setValue(5);
    EXPECT_TRUE(resultsKept()) << "setting the value it already has runs nothing";
}

INSTANTIATE_TEST_SUITE_P(, CountRows,
                         ::testing::Values(CountRow{"Zones", &MainWindow::Check1, &MainWindow::VSKZ,
                                                    &MainWindow::LblZ, &SharedState::zoneCount, 160},
                                           CountRow{"Channels", &MainWindow::Check2, &MainWindow::VSCH,
                                                    &MainWindow::LblCh, &SharedState::channelCount, 8}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ParameterRules, PpkzSetsTheZoneCountAndLeavesTheSpinner)
{
    click(window->Check1);
    leaveResults();
    window->model().ppkz(12);
    EXPECT_EQ(window->LblZ->text(), "12");
    EXPECT_EQ(state.zoneCount, 12);
    EXPECT_EQ(window->VSKZ->value(), 2);
    EXPECT_TRUE(resultsDropped());

    click(window->VSKZ, Arrow::Up);
    EXPECT_EQ(state.zoneCount, 3) << "the next arrow goes on from the spinner's own value";
    EXPECT_EQ(window->LblZ->text(), "3");
}

TEST_F(ParameterRules, PpkkSetsTheChannelCountWhateverTheSpinnerShows)
{
    leaveResults();
    window->model().ppkk(4);
    EXPECT_EQ(state.channelCount, 4);
    EXPECT_EQ(window->LblCh->text(), "4");
    EXPECT_EQ(window->VSCH->value(), 2);
    EXPECT_TRUE(resultsDropped());
}

TEST_F(ParameterRules, ReserveUnitPickerFollowsItsBoxAndKeepsItsText)
{
    EXPECT_FALSE(window->CmbBR->isEnabled());
    click(window->ChkBR);
    EXPECT_TRUE(window->CmbBR->isEnabled());

    leaveResults();
    pick(window->CmbBR, unit::BigReserveUnit);
    EXPECT_EQ(window->CmbBR->currentText(), unit::BigReserveUnit);
    EXPECT_TRUE(resultsKept()) << "choosing the reserve unit is no requirement change";

    click(window->ChkBR);
    EXPECT_FALSE(window->CmbBR->isEnabled());
    EXPECT_EQ(window->CmbBR->currentText(), unit::BigReserveUnit);
    EXPECT_TRUE(resultsDropped());
}

struct ReserveSteps
{
    const char *name;
    std::vector<Arrow> arrows;
    const char *shown;
};

void PrintTo(const ReserveSteps &value, std::ostream *out)
{
    *out << value.name;
}

class PowerReserve : public WindowTest, public ::testing::WithParamInterface<ReserveSteps>
{
};

TEST_P(PowerReserve, StepsByFiveBetweenFiveAndTwentyFive)
{
    EXPECT_FALSE(window->VSZP->isEnabled());
    click(window->ChkZP);
    ASSERT_TRUE(window->VSZP->isEnabled());
    for (Arrow arrow : GetParam().arrows)
        click(window->VSZP, arrow);
    EXPECT_EQ(window->LblZP->text(), GetParam().shown);
    EXPECT_EQ(window->VSZP->value(), QString(GetParam().shown).toInt());

    click(window->ChkZP);
    EXPECT_FALSE(window->VSZP->isEnabled());
    EXPECT_EQ(window->LblZP->text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    , PowerReserve,
    ::testing::Values(ReserveSteps{"None", {}, "20"}, ReserveSteps{"UpOnce", {Arrow::Up}, "25"},
                      ReserveSteps{"UpPastTheTop", {Arrow::Up, Arrow::Up, Arrow::Up}, "25"},
                      ReserveSteps{"DownOnce", {Arrow::Down}, "15"},
                      ReserveSteps{"DownToTheBottom", {Arrow::Down, Arrow::Down, Arrow::Down}, "5"},
                      ReserveSteps{
                          "DownPastTheBottom", {Arrow::Down, Arrow::Down, Arrow::Down, Arrow::Down}, "5"},
                      ReserveSteps{"DownAndUp", {Arrow::Down, Arrow::Down, Arrow::Up}, "15"}),
    [](const auto &info) { return std::string(info.param.name); });

// Every requirement change drops the results of the last calculation, and only those.
struct Change
{
    const char *name;
    std::function<void(MainWindow &)> prepare;
    std::function<void(MainWindow &)> change;
};

void PrintTo(const Change &value, std::ostream *out)
{
    *out << value.name;
}

class RequirementChanges : public WindowTest, public ::testing::WithParamInterface<Change>
{
};

TEST_P(RequirementChanges, DropTheResultsAndNothingElse)
{
    GetParam().prepare(*window);
    leaveResults();
    state.selectionTotals = {2, 40, 2};
    state.micCount = 3;
    state.musicSourceCount = 2;
    window->List1->addItem("K-100 Микрофон настольный - 3 шт.");
    window->List3->addItem("K-200 Блок сообщений - 1 шт.");

    GetParam().change(*window);

    EXPECT_EQ(state.workingTotals, Totals{});
    EXPECT_EQ(state.cabinetCount, 0);
    EXPECT_EQ(state.selectorCount, 1);
    EXPECT_EQ(state.ampGroupCount, 0);
    EXPECT_FALSE(state.ampPowerFound);
    EXPECT_FALSE(state.calculationDone);

    EXPECT_EQ(state.selectionTotals, (Totals{2, 40, 2}));
    EXPECT_EQ(state.micCount, 3);
    EXPECT_EQ(state.musicSourceCount, 2);
    EXPECT_EQ(window->List1->count(), 1);
    EXPECT_EQ(lines(window->List3), QStringList{"K-200 Блок сообщений - 1 шт."})
        << "the old proposal stays shown";
}

const auto nothing = [](MainWindow &) {};

INSTANTIATE_TEST_SUITE_P(
    , RequirementChanges,
    ::testing::Values(
        Change{"TickCheck1", nothing, [](MainWindow &w) { click(w.Check1); }},
        Change{"UntickCheck1", [](MainWindow &w) { click(w.Check1); },
               [](MainWindow &w) { click(w.Check1); }},
        Change{"TickCheck2", nothing, [](MainWindow &w) { click(w.Check2); }},
        Change{"UntickCheck2", [](MainWindow &w) { click(w.Check2); },
               [](MainWindow &w) { click(w.Check2); }},
        Change{"ZoneSpinner", [](MainWindow &w) { click(w.Check1); },
               [](MainWindow &w) { click(w.VSKZ, Arrow::Up); }},
        Change{"ChannelSpinner", [](MainWindow &w) { click(w.Check2); },
               [](MainWindow &w) { click(w.VSCH, Arrow::Up); }},
        Change{"TickChkBR", nothing, [](MainWindow &w) { click(w.ChkBR); }},
        Change{"UntickChkBR", [](MainWindow &w) { click(w.ChkBR); }, [](MainWindow &w) { click(w.ChkBR); }},
        Change{"TickChkAtt", nothing, [](MainWindow &w) { click(w.ChkAtt); }},
        Change{"TickChkBL", nothing, [](MainWindow &w) { click(w.ChkBL); }},
        Change{"TickChkPD", nothing, [](MainWindow &w) { click(w.ChkPD); }},
        Change{"TickChkRP", nothing, [](MainWindow &w) { click(w.ChkRP); }},
        Change{"TickChkRU", nothing, [](MainWindow &w) { click(w.ChkRU); }},
        Change{"UntickChkRU", [](MainWindow &w) { click(w.ChkRU); }, [](MainWindow &w) { click(w.ChkRU); }},
        Change{"TickChkZP", nothing, [](MainWindow &w) { click(w.ChkZP); }},
        Change{"ReserveSpinner", [](MainWindow &w) { click(w.ChkZP); },
               [](MainWindow &w) { click(w.VSZP, Arrow::Down); }},
        Change{"ManualLineControl", nothing, [](MainWindow &w) { click(w.OptR); }},
        Change{"AutomaticLineControl", nothing, [](MainWindow &w) { click(w.OptA); }},
        Change{"NoLineControlAfterAutomatic", [](MainWindow &w) { click(w.OptA); },
               [](MainWindow &w) { click(w.Option1); }},
        Change{"ManualAfterAutomatic", [](MainWindow &w) { click(w.OptA); },
               [](MainWindow &w) { click(w.OptR); }},
        Change{"TotalPowerOption", nothing, [](MainWindow &w) { click(w.Opt1); }},
        Change{"ZonePowerOption", nothing, [](MainWindow &w) { click(w.Opt2); }},
        Change{"ProcedureItself", nothing, [](MainWindow &w) { w.model().ОчистСпиУс(); }}),
    [](const auto &info) { return std::string(info.param.name); });

// A click that changes nothing runs nothing.
class NonChanges : public WindowTest, public ::testing::WithParamInterface<Change>
{
};

TEST_P(NonChanges, KeepTheResults)
{
    GetParam().prepare(*window);
    leaveResults();
    GetParam().change(*window);
    EXPECT_TRUE(resultsKept());
}

INSTANTIATE_TEST_SUITE_P(
    , NonChanges,
    ::testing::Values(
        Change{"NoLineControlAgain", nothing, [](MainWindow &w) { click(w.Option1); }},
        Change{"AutomaticAgain", [](MainWindow &w) { click(w.OptA); }, [](MainWindow &w) { click(w.OptA); }},
        Change{"ZoneSpinnerAtItsBottom", [](MainWindow &w) { click(w.Check1); },
               [](MainWindow &w) { click(w.VSKZ, Arrow::Down); }},
        Change{"ReserveSpinnerAtItsTop",
               [](MainWindow &w) {
                   click(w.ChkZP);
                   click(w.VSZP, Arrow::Up);
               },
               [](MainWindow &w) { click(w.VSZP, Arrow::Up); }},
        Change{"DisabledChannelSpinner", nothing, [](MainWindow &w) { click(w.VSCH, Arrow::Up); }},
        Change{"ZonePowerOptionAgain", [](MainWindow &w) { click(w.Opt2); },
               [](MainWindow &w) { click(w.Opt2); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ParameterRules, ResetLeavesCountsListsAndControlsAlone)
{
    click(window->Check1);
    click(window->VSKZ, Arrow::Up);
    window->model().ppkk(3);
    click(window->ChkRU);
    state.zoneListCount = 2;
    state.alarmBlockAdded = true;
    state.softwareNumber = 60;
    window->List2->addItem("Зона 1 - 100 Вт");

    window->model().ОчистСпиУс();

    EXPECT_EQ(state.zoneCount, 3);
    EXPECT_EQ(state.channelCount, 3);
    EXPECT_EQ(state.zoneListCount, 2);
    EXPECT_TRUE(state.alarmBlockAdded);
    EXPECT_EQ(state.softwareNumber, 60);
    EXPECT_EQ(window->List2->count(), 1);
    EXPECT_TRUE(window->Check1->isChecked());
    EXPECT_TRUE(window->ChkRU->isChecked());
    EXPECT_EQ(window->LblZ->text(), "3");
    EXPECT_EQ(window->VSKZ->value(), 3);
}

} // namespace
} // namespace orvika::test
