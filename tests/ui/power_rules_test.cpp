#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <algorithm>
#include <functional>

// The load in watts on the real main window: the two options, TxtP's key filter, the zone dialog
// and the two clearing buttons.
namespace orvika::test {
namespace {

const QString NotANumber = QStringLiteral("Ведите (цифровое)значение можности в ваттах");
const QString OverLimit = QStringLiteral("Мощность зоны не должна превышать 1500 Вт");
const QString NoMultiZone = QStringLiteral("Выберите многозонную систему и установите нужное количество зон");

using PowerRules = WindowTest;

// Queues the answers 100, 200 and 300 W and adds two zones with CmdAdd, leaving 300 W queued.
void queueZonesAndAddTwo(MainWindow &window, ScriptedDialogs &dialogs)
{
    dialogs.answers << "100"
                    << "200"
                    << "300";
    click(window.CmdAdd);
    click(window.CmdAdd);
}

TEST_F(PowerRules, TotalPowerOptionOpensTheBoxEmptyAndClosesTheZoneButtons)
{
    window->TxtP->setText("300");
    window->List2->addItem("Зона 1 - 100 Вт");
    state.zoneListCount = 1;
    leaveResults();

    click(window->Opt1);
    EXPECT_TRUE(window->TxtP->isEnabled());
    EXPECT_EQ(window->TxtP->text(), "");
    EXPECT_FALSE(window->CmdAdd->isEnabled());
    EXPECT_FALSE(window->CmdDl->isEnabled());
    EXPECT_TRUE(resultsDropped());
    EXPECT_EQ(window->List2->count(), 1);
    EXPECT_EQ(state.zoneListCount, 1);
}

TEST_F(PowerRules, ZonePowerOptionKeepsTheTotalAndTheClearButtonsState)
{
    click(window->Opt1);
    QTest::keyClicks(window->TxtP, "450");
    leaveResults();

    click(window->Opt2);
    EXPECT_FALSE(window->TxtP->isEnabled());
    EXPECT_EQ(window->TxtP->text(), "450");
    EXPECT_TRUE(window->CmdAdd->isEnabled());
    EXPECT_FALSE(window->CmdDl->isEnabled()) << "CmdDl keeps the state Opt1 gave it";
    EXPECT_TRUE(resultsDropped());
}

// Keys typed into TxtP.
struct Typing
{
    const char *name;
    QString before;
    std::function<void(QLineEdit *)> type;
    QString after;
};

void PrintTo(const Typing &value, std::ostream *out)
{
    *out << value.name;
}

class TotalPowerKeys : public WindowTest, public ::testing::WithParamInterface<Typing>
{
};

TEST_P(TotalPowerKeys, OnlyDigitsAndBackspaceAreTyped)
{
    click(window->Opt1);
    QLineEdit *box = window->TxtP;
    box->setText(GetParam().before);
    box->setFocus();
    QGuiApplication::clipboard()->setText("77");
    QSignalSpy entered(box, &QLineEdit::returnPressed);

    GetParam().type(box);
    EXPECT_EQ(box->text(), GetParam().after);
    EXPECT_EQ(entered.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    , TotalPowerKeys,
    ::testing::Values(
        Typing{"Digits", "", [](QLineEdit *b) { QTest::keyClicks(b, "0123456789"); }, "0123456789"},
        Typing{"LettersAndSigns", "", [](QLineEdit *b) { QTest::keyClicks(b, "1a-2+3 e4"); }, "1234"},
        Typing{"Separators", "", [](QLineEdit *b) { QTest::keyClicks(b, "1.5,2"); }, "152"},
        Typing{"Cyrillic", "",
               [](QLineEdit *b) {
                   typeText(b, "В");
                   QTest::keyClick(b, Qt::Key_5);
               },
               "5"},
        Typing{"Enter", "12", [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Return); }, "12"},
        Typing{"Backspace", "123", [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_Backspace); }, "12"},
        Typing{"ArrowsAndDelete", "123",
               [](QLineEdit *b) {
                   QTest::keyClick(b, Qt::Key_Left);
                   QTest::keyClick(b, Qt::Key_Left);
                   QTest::keyClick(b, Qt::Key_Delete);
                   QTest::keyClick(b, Qt::Key_9);
               },
               "193"},
        Typing{"HomeThenDigit", "23",
               [](QLineEdit *b) {
                   QTest::keyClick(b, Qt::Key_Home);
                   QTest::keyClick(b, Qt::Key_1);
               },
               "123"},
        Typing{"PasteShortcut", "5", [](QLineEdit *b) { QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier); },
               "5"},
        Typing{"PasteFromContextMenu", "",
               [](QLineEdit *b) {
                   QGuiApplication::clipboard()->setText("1.5");
                   std::unique_ptr<QMenu> menu(b->createStandardContextMenu());
                   const QList<QAction *> actions = menu->actions();
                   const auto paste = std::find_if(actions.begin(), actions.end(), [](const QAction *action) {
                       return action->text().startsWith(QStringLiteral("&Paste"));
                   });
                   ASSERT_NE(paste, actions.end());
                   (*paste)->trigger();
               },
               "1.5"},
        Typing{"SetByTheProgram", "", [](QLineEdit *b) { b->setText("-2,5"); }, "-2,5"}),
    [](const auto &info) { return std::string(info.param.name); });

// Answers to the zone dialog.
struct ZoneAnswer
{
    const char *name;
    QLocale::Language language;
    bool cancel;
    QString answer;
    QString message; // empty when the zone is taken
    QString line;
};

void PrintTo(const ZoneAnswer &value, std::ostream *out)
{
    *out << value.name;
}

class ZoneDialog : public WindowTest, public ::testing::WithParamInterface<ZoneAnswer>
{
};

TEST_P(ZoneDialog, AnswerIsCheckedAndKeptAsTyped)
{
    const ZoneAnswer &c = GetParam();
    QLocale::setDefault(QLocale(c.language));
    click(window->Check1);
    click(window->Opt2);
    if (!c.cancel)
        dialogs.answers.enqueue(c.answer);
    leaveResults();

    click(window->CmdAdd);

    ASSERT_EQ(dialogs.inputs.size(), 1);
    const auto &call = dialogs.inputs.first();
    EXPECT_EQ(call.title, "Раскладка по мощности");
    EXPECT_EQ(call.prompt, "Введите мощность зоны 1\n\rМощность зоны не должна превышать 1000Вт.");
    EXPECT_EQ(call.initialText, "");
    EXPECT_EQ(call.position, window->frameGeometry().topLeft());
    EXPECT_TRUE(resultsKept()) << "adding a zone resets nothing";

    if (c.message.isEmpty()) {
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
        EXPECT_EQ(lines(window->List2), QStringList{c.line});
        EXPECT_EQ(state.zoneListCount, 1);
    } else {
        EXPECT_EQ(dialogs.messages, QStringList{c.message});
        EXPECT_EQ(window->List2->count(), 0);
        EXPECT_EQ(state.zoneListCount, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    , ZoneDialog,
    ::testing::Values(ZoneAnswer{"Zero", QLocale::C, false, "0", NotANumber, ""},
                      ZoneAnswer{"Negative", QLocale::C, false, "-5", NotANumber, ""},
                      ZoneAnswer{"Letters", QLocale::C, false, "abc", NotANumber, ""},
                      ZoneAnswer{"DigitsThenLetters", QLocale::C, false, "250W", NotANumber, ""},
                      ZoneAnswer{"Cancel", QLocale::C, true, "", NotANumber, ""},
                      ZoneAnswer{"Blanks", QLocale::C, false, "   ", NotANumber, ""},
                      ZoneAnswer{"Limit", QLocale::C, false, "1500", "", "Зона 1 - 1500 Вт"},
                      ZoneAnswer{"OverLimit", QLocale::C, false, "1500.5", OverLimit, ""},
                      ZoneAnswer{"Exponent", QLocale::C, false, "2e3", OverLimit, ""},
                      ZoneAnswer{"Fraction", QLocale::C, false, "12.5", "", "Зона 1 - 12.5 Вт"},
                      ZoneAnswer{"CommaLocale", QLocale::Russian, false, "1,5", "", "Зона 1 - 1,5 Вт"},
                      ZoneAnswer{"CommaLocaleBelowOne", QLocale::Russian, false, "0,5", NotANumber, ""},
                      ZoneAnswer{"LeadingBlanks", QLocale::C, false, "   250", "", "Зона 1 -    250 Вт"},
                      ZoneAnswer{"TrailingBlank", QLocale::C, false, "40 ", "", "Зона 1 - 40  Вт"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PowerRules, ZonesNeedAMultiZoneSystem)
{
    click(window->Opt2);
    click(window->CmdAdd);
    EXPECT_EQ(dialogs.messages, QStringList{NoMultiZone});
    EXPECT_TRUE(dialogs.inputs.isEmpty());
}

TEST_F(PowerRules, ZonesAreNumberedUpToTheZoneCount)
{
    click(window->Check1);
    click(window->Opt2);
    queueZonesAndAddTwo(*window, dialogs);
    EXPECT_TRUE(window->CmdDl->isEnabled());
    EXPECT_EQ(lines(window->List2), (QStringList{"Зона 1 - 100 Вт", "Зона 2 - 200 Вт"}));
    ASSERT_EQ(dialogs.inputs.size(), 2);
    EXPECT_EQ(dialogs.inputs[1].prompt,
              "Введите мощность зоны 2\n\rМощность зоны не должна превышать 1000Вт.");

    click(window->CmdAdd);
    EXPECT_EQ(dialogs.messages, QStringList{"Общеее количество зон - 2"});
    EXPECT_EQ(dialogs.inputs.size(), 2) << "a full list opens no dialog";
    EXPECT_EQ(state.zoneListCount, 2);
}

TEST_F(PowerRules, LoweringTheZoneCountKeepsTheListedZones)
{
    click(window->Check1);
    click(window->VSKZ, Arrow::Up);
    click(window->Opt2);
    queueZonesAndAddTwo(*window, dialogs);
    click(window->CmdAdd);
    ASSERT_EQ(window->List2->count(), 3);

    click(window->VSKZ, Arrow::Down);
    ASSERT_EQ(state.zoneCount, 2);
    click(window->CmdAdd);
    EXPECT_EQ(dialogs.messages, QStringList{"Общеее количество зон - 2"});
    EXPECT_EQ(window->List2->count(), 3);
}

TEST_F(PowerRules, RefusedZoneMayBeEnteredAgain)
{
    click(window->Check1);
    click(window->Opt2);
    dialogs.answers << "abc"
                    << "75";
    click(window->CmdAdd);
    EXPECT_EQ(dialogs.inputs.size(), 1) << "the dialog does not reopen by itself";
    click(window->CmdAdd);
    EXPECT_EQ(lines(window->List2), QStringList{"Зона 1 - 75 Вт"});
}

TEST_F(PowerRules, ClearingTheZonesRestartsTheNumbering)
{
    click(window->Check1);
    click(window->Opt2);
    queueZonesAndAddTwo(*window, dialogs);
    leaveResults();

    click(window->CmdDl);
    EXPECT_EQ(window->List2->count(), 0);
    EXPECT_EQ(state.zoneListCount, 0);
    EXPECT_TRUE(window->CmdDl->isEnabled());
    EXPECT_TRUE(resultsKept());

    click(window->CmdAdd);
    EXPECT_EQ(lines(window->List2), QStringList{"Зона 1 - 300 Вт"});
    EXPECT_EQ(dialogs.inputs.last().prompt,
              "Введите мощность зоны 1\n\rМощность зоны не должна превышать 1000Вт.");
}

TEST_F(PowerRules, ClearingTheSourcesKeepsTheZonesAndTheTotal)
{
    click(window->Check1);
    click(window->Opt1);
    QTest::keyClicks(window->TxtP, "900");
    click(window->Opt2);
    dialogs.answers << "100";
    click(window->CmdAdd);
    click(window->Check3);
    pick(window->CmbAL, unit::MessageBlock);
    click(window->CmdAL);
    window->List3->addItem("K-200 Блок сообщений - 1 шт.");
    leaveResults();
    state.micCount = 2;

    click(window->Command2);

    EXPECT_EQ(window->List1->count(), 0);
    EXPECT_EQ(window->List3->count(), 0);
    EXPECT_TRUE(resultsDropped());
    EXPECT_EQ(state.selectionTotals, Totals{});
    EXPECT_EQ(state.micCount, 0);
    EXPECT_FALSE(state.alarmBlockAdded);
    EXPECT_EQ(lines(window->List2), QStringList{"Зона 1 - 100 Вт"});
    EXPECT_EQ(state.zoneListCount, 1);
    EXPECT_EQ(window->TxtP->text(), "900");
    EXPECT_TRUE(window->Check1->isChecked());
    EXPECT_EQ(window->CmbAL->currentText(), unit::MessageBlock);
}

} // namespace
} // namespace orvika::test
