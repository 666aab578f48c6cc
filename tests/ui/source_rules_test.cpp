#include "window_fixture.h"

#include <limits>

// The four source rows of the real main window and the procedures that count the sources.
namespace orvika::test {
namespace {

const QString SoftwareTwoLines =
    QStringLiteral("ПО уже выбрано.\n\rЕсли Вы хотите поменять версию ПО, то очистите "
                   "список звуковых источников.");
const QString SoftwareOneLine =
    QStringLiteral("ПО уже выбрано.Если Вы хотите поменять версию ПО, то очистите "
                   "список звуковых источников.");
const QString ConsolesTwoLines =
    QStringLiteral("Консоли уже добавлены.\n\rЕсли Вы хотите изменить число консолей, "
                   "то очистите список звуковых источников.");

using SourceRules = WindowTest;

struct SourceRow
{
    const char *name;
    QCheckBox *MainWindow::*kind;
    QComboBox *MainWindow::*picker;
    Spinner *MainWindow::*spinner;
    QPushButton *MainWindow::*add;
    QString item;
    bool spinnerOpens;
};

void PrintTo(const SourceRow &value, std::ostream *out)
{
    *out << value.name;
}

class SourceRows : public WindowTest, public ::testing::WithParamInterface<SourceRow>
{
protected:
    QCheckBox *kind() { return window.get()->*GetParam().kind; }
    QComboBox *picker() { return window.get()->*GetParam().picker; }
    Spinner *spinner() { return window.get()->*GetParam().spinner; }
    QPushButton *add() { return window.get()->*GetParam().add; }
};

TEST_P(SourceRows, KindBoxOpensThePickerAndAPickOpensTheRow)
{
    EXPECT_FALSE(picker()->isEnabled());
    EXPECT_FALSE(spinner()->isEnabled());
    EXPECT_FALSE(add()->isEnabled());

    click(kind());
    EXPECT_TRUE(picker()->isEnabled());
    EXPECT_FALSE(add()->isEnabled());

    pick(picker(), GetParam().item);
    EXPECT_EQ(spinner()->isEnabled(), GetParam().spinnerOpens);
    EXPECT_TRUE(add()->isEnabled());

    click(kind());
    EXPECT_FALSE(picker()->isEnabled());
    EXPECT_FALSE(spinner()->isEnabled());
    EXPECT_TRUE(add()->isEnabled()) << "the add button keeps its state";
    EXPECT_EQ(window->List1->count(), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_P(SourceRows, TypingIntoThePickerOpensNothing)
{
    click(kind());
    picker()->setFocus();
    QTest::keyClick(picker()->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    typeText(picker()->lineEdit(), GetParam().item);
    EXPECT_EQ(picker()->currentText(), GetParam().item);
    EXPECT_FALSE(spinner()->isEnabled());
    EXPECT_FALSE(add()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    , SourceRows,
    ::testing::Values(SourceRow{"Microphones", &MainWindow::Check4, &MainWindow::CmbMC, &MainWindow::VSMC,
                                &MainWindow::CmdMC, unit::HandMicrophone, true},
                      SourceRow{"MessageBlocks", &MainWindow::Check3, &MainWindow::CmbAL, &MainWindow::VSAL,
                                &MainWindow::CmdAL, unit::MessageBlock, false},
                      SourceRow{"MusicSources", &MainWindow::Check5, &MainWindow::CmbMZ, &MainWindow::VSMZ,
                                &MainWindow::CmdMZ, unit::Tuner, true},
                      SourceRow{"Consoles", &MainWindow::Check6, &MainWindow::CmbRM, &MainWindow::VSRM,
                                &MainWindow::CmdRM, unit::Console, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SourceRules, MicrophonesAreOnlyCountedAndConsolesTakeTwo)
{
    click(window->Check4);
    pick(window->CmbMC, unit::DeskMicrophone);
    click(window->VSMC, Arrow::Up, 2);
    EXPECT_EQ(window->LblMC->text(), "3");
    click(window->CmdMC);
    click(window->VSMC, Arrow::Down);
    EXPECT_EQ(window->LblMC->text(), "2");
    click(window->CmdMC);

    EXPECT_EQ(lines(window->List1),
              (QStringList{"K-100 Микрофон настольный - 3 шт.", "K-100 Микрофон настольный - 2 шт."}));
    EXPECT_EQ(state.micCount, 5);
    EXPECT_TRUE(window->CmdMC->isEnabled());
    EXPECT_EQ(state.workingTotals, Totals{});
    EXPECT_EQ(state.selectionTotals, Totals{});

    click(window->Check6);
    pick(window->CmbRM, unit::Console);
    click(window->VSRM, Arrow::Up);
    click(window->CmdRM);
    EXPECT_EQ(state.micCount, 3);
    EXPECT_TRUE(state.consoleAdded);
    EXPECT_FALSE(window->CmdRM->isEnabled());
    EXPECT_EQ(lines(window->List1).mid(2),
              (QStringList{"K-400 Консоль - 2 шт.", "K-410 Адаптер консолей - 1 шт."}));
}

TEST_F(SourceRules, CompanionLineCarriesTheSelectorCount)
{
    state.selectorCount = 3; // left by a calculation that has not been followed by a reset
    click(window->Check6);
    pick(window->CmbRM, unit::Console);
    click(window->CmdRM);
    EXPECT_EQ(lines(window->List1), (QStringList{"K-400 Консоль - 1 шт.", "K-410 Адаптер консолей - 3 шт."}));
}

struct ConsoleCase
{
    std::int32_t micBefore, musicBefore, micAfter, musicAfter;
};

class ConsoleCounting : public WindowTest, public ::testing::WithParamInterface<ConsoleCase>
{
};

TEST_P(ConsoleCounting, ConsoleTakesOverTwoMicrophonesAndOneMusicSource)
{
    state.micCount = GetParam().micBefore;
    state.musicSourceCount = GetParam().musicBefore;
    state.selectionTotals = {2, 35, 2};
    state.workingTotals = {};
    window->model().ДобКонс();
    EXPECT_EQ(state.micCount, GetParam().micAfter);
    EXPECT_EQ(state.musicSourceCount, GetParam().musicAfter);
    EXPECT_TRUE(state.consoleAdded);
    EXPECT_EQ(state.selectionTotals, (Totals{2, 35, 2}));
    EXPECT_EQ(state.workingTotals, (Totals{2, 35, 2}));
}

INSTANTIATE_TEST_SUITE_P(, ConsoleCounting,
                         ::testing::Values(ConsoleCase{0, 0, 0, 0}, ConsoleCase{1, 1, 0, 0},
                                           ConsoleCase{2, 2, 0, 1}, ConsoleCase{3, 5, 1, 4}));

TEST_F(SourceRules, ConsolesAreAddedOncePerFilling)
{
    click(window->Check6);
    pick(window->CmbRM, unit::Console);
    click(window->CmdRM);
    ASSERT_EQ(window->List1->count(), 2);

    pick(window->CmbRM, unit::Console);
    EXPECT_EQ(dialogs.takeMessages(), QStringList{ConsolesTwoLines});
    EXPECT_FALSE(window->CmdRM->isEnabled());

    click(window->Command2);
    pick(window->CmbRM, unit::Console);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(window->CmdRM->isEnabled());
}

TEST_F(SourceRules, UntickingTheConsoleRowLeavesItsButtonEnabled)
{
    click(window->Check6);
    pick(window->CmbRM, unit::Console);
    click(window->Check6);
    EXPECT_TRUE(window->CmdRM->isEnabled());
    click(window->CmdRM);
    EXPECT_EQ(window->List1->count(), 2);
}

TEST_F(SourceRules, OneMessageBlockPerFillingOfTheSourceList)
{
    click(window->Check3);
    pick(window->CmbAL, unit::MessageBlock);
    click(window->CmdAL);
    EXPECT_EQ(lines(window->List1), QStringList{"K-200 Блок сообщений - 1 шт."});
    EXPECT_EQ(state.alarmBlockCount, 1);
    EXPECT_TRUE(state.alarmBlockAdded);
    EXPECT_EQ(state.workingTotals, (Totals{1, 20, 1}));
    EXPECT_EQ(state.selectionTotals, (Totals{1, 20, 1}));
    EXPECT_FALSE(window->CmdAL->isEnabled());

    pick(window->CmbAL, unit::MessageBlock);
    pick(window->CmbAL, unit::SoftwareAL);
    EXPECT_FALSE(window->CmdAL->isEnabled());

    click(window->Command2);
    EXPECT_FALSE(window->CmdAL->isEnabled()) << "clearing the list leaves the button as it is";
    pick(window->CmbAL, unit::MessageBlock);
    EXPECT_TRUE(window->CmdAL->isEnabled());
    EXPECT_FALSE(window->VSAL->isEnabled());
    EXPECT_EQ(window->LblAL->text(), "1");
}

// Software added in one picker blocks the software of the other.
struct SoftwareCase
{
    const char *name;
    QCheckBox *MainWindow::*addKind;
    QComboBox *MainWindow::*addPicker;
    QPushButton *MainWindow::*addButton;
    QString added;
    std::int32_t number;
    QCheckBox *MainWindow::*otherKind;
    QComboBox *MainWindow::*otherPicker;
    QPushButton *MainWindow::*otherButton;
    QString other;
};

void PrintTo(const SoftwareCase &value, std::ostream *out)
{
    *out << value.name;
}

class SoftwareOnce : public WindowTest, public ::testing::WithParamInterface<SoftwareCase>
{
};

TEST_P(SoftwareOnce, SecondSoftwareChoiceIsRefused)
{
    const SoftwareCase &c = GetParam();
    MainWindow *w = window.get();
    click(w->*c.addKind);
    pick(w->*c.addPicker, c.added);
    click(w->*c.addButton);
    ASSERT_TRUE(state.softwareAdded);
    EXPECT_EQ(state.softwareNumber, c.number);
    EXPECT_EQ(state.workingTotals, Totals{});
    const QStringList listed = lines(w->List1);
    ASSERT_EQ(listed, QStringList{c.added + " - 1 шт."});

    click(w->*c.otherKind);
    pick(w->*c.otherPicker, c.other);
    EXPECT_EQ(dialogs.takeMessages(), QStringList{SoftwareTwoLines});
    EXPECT_FALSE((w->*c.otherButton)->isEnabled()) << "a refused choice opens nothing";
    EXPECT_EQ(lines(w->List1), listed);
    EXPECT_EQ(state.softwareNumber, c.number);
}

INSTANTIATE_TEST_SUITE_P(
    , SoftwareOnce,
    ::testing::Values(SoftwareCase{"MessageBlockThenMusic", &MainWindow::Check3, &MainWindow::CmbAL,
                                   &MainWindow::CmdAL, unit::SoftwareAL, 60, &MainWindow::Check5,
                                   &MainWindow::CmbMZ, &MainWindow::CmdMZ, unit::SoftwareMZ},
                      SoftwareCase{"MusicThenMessageBlock", &MainWindow::Check5, &MainWindow::CmbMZ,
                                   &MainWindow::CmdMZ, unit::SoftwareMZ, 24, &MainWindow::Check3,
                                   &MainWindow::CmbAL, &MainWindow::CmdAL, unit::SoftwareAL}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SourceRules, SoftwareAddedAgainThroughAnOpenButtonIsListedButNotCounted)
{
    click(window->Check5);
    pick(window->CmbMZ, unit::Tuner);
    ASSERT_TRUE(window->CmdMZ->isEnabled());
    click(window->Check3);
    pick(window->CmbAL, unit::SoftwareAL);
    click(window->CmdAL);
    ASSERT_EQ(state.softwareNumber, 60);

    pick(window->CmbMZ, unit::SoftwareMZ);
    EXPECT_EQ(dialogs.takeMessages(), QStringList{SoftwareTwoLines});
    EXPECT_TRUE(window->CmdMZ->isEnabled()) << "a refused choice disables nothing";

    click(window->CmdMZ);
    EXPECT_EQ(dialogs.takeMessages(), QStringList{SoftwareOneLine});
    EXPECT_EQ(lines(window->List1),
              (QStringList{"ZEP-60 Программа управления - 1 шт.", "ZEP-24 Программа - 1 шт."}));
    EXPECT_EQ(state.musicSourceCount, 0);
    EXPECT_EQ(state.softwareNumber, 60);
    EXPECT_EQ(state.alarmBlockCount, 1);
}

struct SoftwareName
{
    const char *name;
    QString text;
    std::int32_t number;
};

void PrintTo(const SoftwareName &value, std::ostream *out)
{
    *out << value.name;
}

class SoftwareNumber : public WindowTest, public ::testing::WithParamInterface<SoftwareName>
{
};

TEST_P(SoftwareNumber, ReadFromTheFifthAndSixthCharacters)
{
    window->model().ДобМузБл(GetParam().text, 1);
    EXPECT_TRUE(state.softwareAdded);
    EXPECT_EQ(state.softwareNumber, GetParam().number);
    EXPECT_EQ(state.musicSourceCount, 1);
    EXPECT_EQ(state.selectionTotals, Totals{}) << "software is not accounted";
}

INSTANTIATE_TEST_SUITE_P(, SoftwareNumber,
                         ::testing::Values(SoftwareName{"Sixty", "ZEP-60 Программа", 60},
                                           SoftwareName{"Single", "ZEP-7", 7},
                                           SoftwareName{"TooShort", "ZEP", 0},
                                           SoftwareName{"NoDigits", "ZEP-ab", 0},
                                           SoftwareName{"BlankSkipped", "ZEP- 9x", 9},
                                           SoftwareName{"ThirdDigitIgnored", "ZEP-128", 12}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SourceRules, LowerCaseZepIsAnOrdinaryMusicSource)
{
    click(window->Check5);
    pick(window->CmbMZ, unit::LowerCaseZep);
    click(window->VSMZ, Arrow::Up);
    click(window->CmdMZ);
    EXPECT_FALSE(state.softwareAdded);
    EXPECT_EQ(state.musicSourceCount, 2);
    EXPECT_EQ(state.selectionTotals, (Totals{2, 14, 2}));
    EXPECT_EQ(lines(window->List1), QStringList{"zep-30 Плеер - 2 шт."});
}

TEST_F(SourceRules, SelectionTotalsSurviveARequirementChangeBetweenAdditions)
{
    click(window->Check3);
    pick(window->CmbAL, unit::MessageBlock);
    click(window->CmdAL);
    ASSERT_EQ(state.selectionTotals, (Totals{1, 20, 1}));

    click(window->ChkAtt);
    ASSERT_EQ(state.workingTotals, Totals{});

    click(window->Check5);
    pick(window->CmbMZ, unit::Player);
    click(window->VSMZ, Arrow::Up);
    click(window->CmdMZ);
    EXPECT_EQ(state.workingTotals, (Totals{3, 70, 5}));
    EXPECT_EQ(state.selectionTotals, (Totals{3, 70, 5}));

    click(window->ChkRU);
    click(window->Check6);
    pick(window->CmbRM, unit::Console);
    click(window->CmdRM);
    EXPECT_EQ(state.selectionTotals, (Totals{3, 70, 5})) << "consoles add nothing to the totals";
    EXPECT_EQ(state.musicSourceCount, 1);
}

TEST_F(SourceRules, UnknownNameCountsOnlyItsPieces)
{
    window->model().ДобАварБл("Блок не из каталога", 1);
    EXPECT_EQ(state.selectionTotals, (Totals{1, 0, 0}));
    EXPECT_EQ(state.alarmBlockCount, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Figures that would overflow the totals are a fault of the data: reported, and nothing counted.
TEST_F(SourceRules, OverflowingFiguresAreReportedAndNotCounted)
{
    constexpr std::int32_t huge = std::numeric_limits<std::int32_t>::max();
    window->model().ДобМузБл(unit::Tuner, 1);
    ASSERT_EQ(state.selectionTotals, (Totals{1, 15, 1}));

    window->model().ДобМузБл(unit::Player, huge);
    EXPECT_EQ(dialogs.takeMessages(), QStringList{"Ошибка в базе данных: " + unit::Player});
    EXPECT_EQ(state.musicSourceCount, 1);
    EXPECT_EQ(state.selectionTotals, (Totals{1, 15, 1}));
    EXPECT_EQ(state.workingTotals, (Totals{1, 15, 1}));

    click(window->Check3);
    pick(window->CmbAL, unit::MessageBlock);
    window->model().ДобАварБл(unit::MessageBlock, huge);
    EXPECT_EQ(dialogs.takeMessages(), QStringList{"Ошибка в базе данных: " + unit::MessageBlock});
    EXPECT_FALSE(state.alarmBlockAdded);
    EXPECT_EQ(state.alarmBlockCount, 0);
    EXPECT_TRUE(window->CmdAL->isEnabled());
    EXPECT_EQ(state.selectionTotals, (Totals{1, 15, 1}));
}

TEST_F(SourceRules, ClearingTheSourceStateLeavesControlsAndWorkingTotals)
{
    click(window->Check3);
    pick(window->CmbAL, unit::SoftwareAL);
    click(window->CmdAL);
    click(window->Check5);
    pick(window->CmbMZ, unit::Tuner);
    click(window->CmdMZ);
    click(window->Check6);
    pick(window->CmbRM, unit::Console);
    click(window->CmdRM);
    state.micCount = 4;
    state.calculationDone = true;
    state.workingTotals = {9, 90, 9};

    window->model().ОчистСпиВх();

    EXPECT_EQ(window->List1->count(), 0);
    EXPECT_FALSE(state.alarmBlockAdded);
    EXPECT_FALSE(state.softwareAdded);
    EXPECT_FALSE(state.consoleAdded);
    EXPECT_FALSE(state.calculationDone);
    EXPECT_EQ(state.micCount, 0);
    EXPECT_EQ(state.musicSourceCount, 0);
    EXPECT_EQ(state.alarmBlockCount, 0);
    EXPECT_EQ(state.softwareNumber, 0);
    EXPECT_EQ(state.selectionTotals, Totals{});
    EXPECT_EQ(state.workingTotals, (Totals{9, 90, 9}));
    EXPECT_TRUE(window->CmdMZ->isEnabled());
    EXPECT_TRUE(window->Check5->isChecked());
    EXPECT_EQ(window->CmbMZ->currentText(), unit::Tuner);
}

} // namespace
} // namespace orvika::test
