#include "app/fonts.h"
#include "app/information_window.h"
#include "app/startup.h"
#include "engine/shared_state.h"
#include "scripted_dialogs.h"
#include "started_window.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace orvika::test::startup {
namespace {

struct StartCase
{
    const char *name;
    Base base;
    QStringList messages;
    bool windowMade;
};

class StartUp : public ::testing::TestWithParam<StartCase>
{
};

TEST_P(StartUp, ReportsInOrderAndMakesTheWindowOnlyForAGoodCatalogue)
{
    const StartCase &param = GetParam();
    DataFolder folder;
    ASSERT_TRUE(folder.isValid());
    prepare(folder, param.base);

    SharedState state;
    ScriptedDialogs dialogs;
    const std::unique_ptr<MainWindow> window = startUp(state, dialogs, folder.path(), QLocale::c());

    EXPECT_EQ(dialogs.messages, param.messages);
    EXPECT_EQ(window != nullptr, param.windowMade);
    if (window) {
        EXPECT_FALSE(window->isVisible()) << "start-up leaves showing the window to its caller";
    }
}

const StartCase startCases[] = {
    {"NoBaseFolder",
     Base::Missing,
     {QStringLiteral("Ошибка открытия файла Base-Date 76"), QStringLiteral("База данных повреждена")},
     false},
    {"NoCatalogueFile",
     Base::Empty,
     {QStringLiteral("Ошибка открытия файла Base-Date 53"), QStringLiteral("База данных повреждена")},
     false},
    {"NoCatalogueButSchemes",
     Base::WithSchemesOnly,
     {QStringLiteral("Ошибка открытия файла Base-Date 53"), QStringLiteral("База данных повреждена")},
     false},
    {"EmptyCatalogue", Base::EmptyCatalogue, {QStringLiteral("База данных повреждена")}, false},
    {"CatalogueOneLineShort", Base::ShortCatalogue, {QStringLiteral("База данных повреждена")}, false},
    {"NoSchemeLibrary", Base::WithoutSchemes, {QStringLiteral("Ошибка открытия файла Sxemm 53")}, true},
    {"EverythingInPlace", Base::Complete, {}, true},
};
INSTANTIATE_TEST_SUITE_P(WorkingDirectories, StartUp, ::testing::ValuesIn(startCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(StartUpValues, AreInPlaceWhateverTheStateHeldBefore)
{
    DataFolder folder;
    prepare(folder, Base::Complete);
    SharedState state;
    state.zoneListCount = 4;
    state.zoneCount = 7;
    state.channelCount = 3;
    state.selectorCount = 5;
    state.ampGroupCount = 2;
    state.workingTotals.blockCount = 9;
    state.softwareNumber = 60;
    ScriptedDialogs dialogs;

    const auto window = startUp(state, dialogs, folder.path(), QLocale::c());
    ASSERT_TRUE(window);
    EXPECT_EQ(state.appDir, folder.path());
    EXPECT_EQ(state.zoneListCount, 0);
    EXPECT_EQ(state.zoneCount, 1);
    EXPECT_EQ(state.channelCount, 1);
    EXPECT_EQ(state.selectorCount, 1);
    EXPECT_EQ(state.ampGroupCount, 0);
    EXPECT_EQ(state.workingTotals.blockCount, 0);
    EXPECT_EQ(state.softwareNumber, 0);
    EXPECT_EQ(state.blockCount, 59);
    EXPECT_EQ(state.schemes.schemeCount, SchemeLines.size());
    EXPECT_EQ(state.catalogue.microphones, Microphones);
}

TEST_F(StartedWindow, InformationShowsTheLineCountsEveryTimeItOpens)
{
    start(Base::Complete);
    const QStringList expected = {QStringLiteral("59"), QString::number(SchemeLines.size())};
    EXPECT_EQ(readInformationWindow(), expected);
    EXPECT_EQ(readInformationWindow(), expected);
    EXPECT_FALSE(informationWindow()->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(StartedWindow, InformationLeavesTheSchemeCountEmptyWithoutALibrary)
{
    start(Base::WithoutSchemes);
    EXPECT_EQ(readInformationWindow(), (QStringList{QStringLiteral("59"), QString()}));
}

TEST_F(StartedWindow, InformationWindowIsMadeToItsDesign)
{
    start(Base::Complete);
    EXPECT_TRUE(whileInformationIsUp([](InformationWindow &form) {
        EXPECT_EQ(form.objectName(), QStringLiteral("Form2"));
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Информация"));
        EXPECT_EQ(form.size(), QSize(273, 193)); // 4095 x 2895 twips at 96 dpi
        EXPECT_EQ(form.Label13->text(), QStringLiteral("Количество блоков в базе:"));
        EXPECT_EQ(form.Label3->text(), QStringLiteral("Количество схем в базе:"));
        EXPECT_EQ(form.Label13->pos(), QPoint(16, 16));
        EXPECT_EQ(form.Label1->pos(), QPoint(16, 40));
        EXPECT_EQ(form.Label3->pos(), QPoint(16, 104));
        EXPECT_EQ(form.Label2->pos(), QPoint(16, 128));
        EXPECT_DOUBLE_EQ(form.Label13->font().pointSizeF(), 11.25);
        EXPECT_DOUBLE_EQ(form.Label1->font().pointSizeF(), 12);
        EXPECT_TRUE(form.Label2->font().bold());
        EXPECT_EQ(form.findChildren<QWidget *>().size(), 4) << "four labels and nothing else";
        EXPECT_TRUE(form.isModal());
    }));
}

// A close request from the system while Form2 is up takes both windows down.
TEST_F(StartedWindow, ClosingWhileTheInformationWindowIsUpClosesBoth)
{
    start(Base::Complete);
    bool informationWasUp = false;
    QTimer::singleShot(0, [&] {
        informationWasUp = informationWindow()->isVisible();
        window->close();
    });
    window->Minf->trigger(); // returns once the information window has gone
    EXPECT_TRUE(informationWasUp);
    EXPECT_FALSE(informationWindow()->isVisible());
    EXPECT_FALSE(window->isVisible());
}

// Each way out: the window and the information window go, nothing is asked.
struct CloseCase
{
    const char *name;
    std::function<void(MainWindow &)> close;
};

class ClosingTheWindow : public StartedWindow, public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(ClosingTheWindow, ClosesItAndTheInformationWindowAskingNothing)
{
    start(Base::Complete);
    EXPECT_EQ(readInformationWindow().size(), 2);
    GetParam().close(*window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(informationWindow()->isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.inputs.isEmpty());
}

const CloseCase closeCases[] = {
    {"ExitMenuItem", [](MainWindow &w) { w.fEx->trigger(); }},
    {"FinishButton", [](MainWindow &w) { QTest::mouseClick(w.Command3, Qt::LeftButton); }},
    {"CloseControl", [](MainWindow &w) { w.close(); }},
};
INSTANTIATE_TEST_SUITE_P(WaysOut, ClosingTheWindow, ::testing::ValuesIn(closeCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace orvika::test::startup
