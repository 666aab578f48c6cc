#include "window_fixture.h"

// The window as a view of its model: what the model holds the controls show, whatever set it, and a
// user's action on a control reaches the model.
namespace orvika::test {
namespace {

using ViewTest = WindowTest;

TEST_F(ViewTest, TheControlsShowWhatTheModelWasToldWithoutThem)
{
    MainWindowModel &model = window->model();
    model.setTicked(CheckBoxId::Check1, true);
    model.setCounterValue(CounterId::VSKZ, 7);
    model.setTicked(CheckBoxId::ChkBR, true);
    model.setPickerText(PickerId::CmbBR, unit::ReserveUnit);
    model.setLineControl(LineControl::Manual);
    model.setPowerMode(PowerMode::Total);
    model.setTotalPowerText(QStringLiteral("450"));
    model.loadReportLines({QStringLiteral("- Количество каналов - 4")}); // a load clears the boxes again
    model.setTicked(CheckBoxId::Check2, true);

    EXPECT_FALSE(window->Check1->isChecked());
    EXPECT_TRUE(window->Check2->isChecked());
    EXPECT_TRUE(window->VSCH->isEnabled());
    EXPECT_EQ(window->VSKZ->value(), 7);
    EXPECT_EQ(window->LblZ->text(), "7");
    EXPECT_EQ(window->LblCh->text(), "4");
    EXPECT_FALSE(window->CmbBR->isEnabled());
    EXPECT_EQ(window->CmbBR->currentText(), unit::ReserveUnit);
    EXPECT_TRUE(window->OptR->isChecked());
    EXPECT_TRUE(window->Opt1->isChecked());
    EXPECT_TRUE(window->TxtP->isEnabled());
    EXPECT_EQ(window->TxtP->text(), "450");
}

TEST_F(ViewTest, TheUsersActionsReachTheModel)
{
    const MainWindowModel &model = window->model();
    click(window->Check5);
    pick(window->CmbMZ, unit::Tuner);
    click(window->VSMZ, Arrow::Up, 2);
    click(window->CmdMZ);
    click(window->OptA);
    click(window->Opt1);
    typeText(window->TxtP, QStringLiteral("12a5"));
    EXPECT_TRUE(model.ticked(CheckBoxId::Check5));
    EXPECT_EQ(model.picker(PickerId::CmbMZ).text, unit::Tuner);
    EXPECT_EQ(model.counter(CounterId::VSMZ).shown, "3");
    EXPECT_EQ(model.sourceList().items, QStringList{"K-300 Тюнер - 3 шт."});
    EXPECT_EQ(model.lineControl(), LineControl::Automatic);
    EXPECT_EQ(model.totalPower().text, "125");
}

// A message shows over the window as the rules have left it so far: the proposal is listed before
// the calculation's messages are read.
class SeeingDialogs : public ScriptedDialogs
{
public:
    void message(QWidget *parent, const QString &text) override
    {
        proposalLinesSeen.append(window ? window->List3->count() : -1);
        ScriptedDialogs::message(parent, text);
    }
    MainWindow *window = nullptr;
    QList<int> proposalLinesSeen;
};

TEST(View, AMessageCoversTheWindowBroughtUpToDate)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeBaseFile(dir.path(), QStringLiteral("Base-Date"), testCatalogueLines()));
    SharedState state;
    SeeingDialogs dialogs;
    const std::unique_ptr<MainWindow> window = startUp(state, dialogs, dir.path(), QLocale::c());
    ASSERT_TRUE(window);
    dialogs.window = window.get();
    click(window->Check4);
    pick(window->CmbMC, unit::DeskMicrophone);
    click(window->CmdMC);
    click(window->CmdUs); // no power given: the calculation lists the sources and stops with a message
    ASSERT_FALSE(dialogs.proposalLinesSeen.isEmpty());
    EXPECT_EQ(dialogs.proposalLinesSeen.last(), window->model().proposalList().items.size());
    EXPECT_GT(dialogs.proposalLinesSeen.last(), 0);
}

} // namespace
} // namespace orvika::test
