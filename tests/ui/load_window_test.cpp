#include "document_window.h"
#include "report/report_file.h"
#include "ui/spinner.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <random>

// Form3 and the loading of a report back into the main window.
namespace orvika::test::documents {
namespace {

const QString ChooseFromList = QStringLiteral("Выберите спецификацию из списка");
const QString SourceHeading = QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:");
const QString ProposalHeading = QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:");

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row)->text());
    return items;
}

QString sourceLine(const QString &name, int quantity)
{
    return name + QStringLiteral(" - ") + QString::number(quantity) + QStringLiteral(" шт.");
}

class LoadWindowTest : public OpenWindowTest
{
protected:
    // Leaves the window as a user's session would: requirements ticked, sources counted, zones listed.
    void fillWindow()
    {
        m().Check4->setChecked(true);
        m().Check6->setChecked(true);
        m().Check1->setChecked(true);
        m().VSKZ->setValue(4);
        m().ChkRU->setChecked(true);
        m().ChkZP->setChecked(true);
        m().VSZP->setValue(15);
        m().Opt2->setChecked(true);
        w->dialogs.answers.enqueue(QStringLiteral("200"));
        QTest::mouseClick(m().CmdAdd, Qt::LeftButton);
        choose(m().CmbMC, unit::DeskMicrophone);
        m().VSMC->setValue(5);
        QTest::mouseClick(m().CmdMC, Qt::LeftButton);
        choose(m().CmbAL, unit::Software40);
        QTest::mouseClick(m().CmdAL, Qt::LeftButton);
        choose(m().CmbRM, unit::Console10);
        QTest::mouseClick(m().CmdRM, Qt::LeftButton);
        m().List3->addItem(QStringLiteral("K-3520 Усилитель мощности (1000) - 1 шт."));
        ASSERT_EQ(m().List1->item(m().List1->count() - 1)->text(), sourceLine(unit::ConsoleAdapter, 1));
        ASSERT_EQ(m().List2->count(), 1);
        ASSERT_TRUE(w->state.consoleAdded);
        w->dialogs.messages.clear();
    }

    static void choose(QComboBox *combo, const QString &item)
    {
        const int row = combo->findText(item);
        ASSERT_GE(row, 0) << item.toStdString();
        combo->setCurrentIndex(row);
        emit combo->activated(row);
    }

    // The window as a load leaves it before its first line.
    void expectResetState()
    {
        for (const QCheckBox *box :
             {m().Check4, m().Check3, m().Check5, m().Check6, m().Check1, m().Check2, m().ChkBR, m().ChkAtt,
              m().ChkBL, m().ChkPD, m().ChkRP, m().ChkRU, m().ChkZP})
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_EQ(m().VSZP->value(), 5);
        EXPECT_EQ(m().LblZP->text(), QStringLiteral("5"));
        EXPECT_EQ(m().List1->count(), 0);
        EXPECT_EQ(m().List2->count(), 0);
        EXPECT_EQ(m().List3->count(), 0);
        EXPECT_EQ(w->state.zoneListCount, 0);
        EXPECT_EQ(w->state.micCount, 0);
        EXPECT_EQ(w->state.alarmBlockCount, 0);
        EXPECT_EQ(w->state.musicSourceCount, 0);
        EXPECT_FALSE(w->state.alarmBlockAdded);
        EXPECT_FALSE(w->state.softwareAdded);
        EXPECT_FALSE(w->state.consoleAdded);
        EXPECT_EQ(w->state.softwareNumber, 0);
        EXPECT_EQ(w->state.selectionTotals, Totals{});
    }

    // Writes the lines as a report file and loads it through Form3; the messages the load showed.
    QStringList load(const QStringList &lines, const QString &name = QStringLiteral("отчёт.dat"))
    {
        EXPECT_TRUE(dir.writeLines(name, lines));
        w->dialogs.messages.clear();
        EXPECT_TRUE(loadThroughWindow(*w, name));
        return w->dialogs.takeMessages();
    }
};

// ---- The window itself ----

TEST_F(LoadWindowTest, OpensWithItsCaptionsNothingSelectedAndCmd1Disabled)
{
    ASSERT_TRUE(dir.writeLines(QStringLiteral("a.dat"), {QStringLiteral("x")}));
    LoadWindow form(m(), w->window.get());
    form.show();
    EXPECT_EQ(form.objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Загрузить спецификацию"));
    EXPECT_EQ(form.Label1->text(), ChooseFromList);
    EXPECT_EQ(form.Cmd1->text(), QStringLiteral("Загрузить базу в данных"));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("Завершить"));
    EXPECT_FALSE(form.Cmd1->isEnabled());
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_TRUE(form.File1->selectedItems().isEmpty());
    EXPECT_TRUE(form.Cmd1->font().bold());
    EXPECT_TRUE(form.Command1->font().bold());
    EXPECT_TRUE(form.Label1->font().bold());
}

TEST_F(LoadWindowTest, ListsTheOrdinaryReportFilesOfTheWorkingDirectoryOnly)
{
    for (const QString &name :
         {QStringLiteral("б.dat"), QStringLiteral("a.dat"), QStringLiteral(".скрытый.dat"),
          QStringLiteral("c.txt"), QStringLiteral("d.dat.bak")})
        ASSERT_TRUE(dir.writeLines(name, {QStringLiteral("x")}));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("папка.dat")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("вложенная")));
    ASSERT_TRUE(dir.writeLines(QStringLiteral("вложенная/e.dat"), {QStringLiteral("x")}));
    LoadWindow form(m(), w->window.get());
    EXPECT_EQ(itemsOf(form.File1), (QStringList{QStringLiteral("a.dat"), QStringLiteral("б.dat")}));
}

TEST_F(LoadWindowTest, WithoutReportFilesTheListIsEmptyAndOnlyTheCloseButtonWorks)
{
    LoadWindow form(m(), w->window.get());
    form.show();
    EXPECT_EQ(form.File1->count(), 0);
    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(form.Cmd1, Qt::LeftButton);
    EXPECT_FALSE(form.Cmd1->isEnabled());
    EXPECT_TRUE(w->dialogs.messages.isEmpty());
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(LoadWindowTest, APickEnablesCmd1ForGoodAndCmd1WithoutAPickOnlyAsksForOne)
{
    fillWindow();
    ASSERT_TRUE(dir.writeLines(QStringLiteral("a.dat"), {QStringLiteral("- Наличие вентиляторов")}));
    LoadWindow form(m(), w->window.get());
    form.show();
    ASSERT_TRUE(clickFile(form, QStringLiteral("a.dat")));
    EXPECT_TRUE(form.Cmd1->isEnabled());

    // Ctrl+click takes the pick back; the button stays enabled and asks for a file, resetting nothing.
    const QRect entry = form.File1->visualItemRect(form.File1->item(0));
    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
    ASSERT_TRUE(form.File1->selectedItems().isEmpty());
    EXPECT_TRUE(form.Cmd1->isEnabled());
    QTest::mouseClick(form.Cmd1, Qt::LeftButton);
    EXPECT_EQ(w->dialogs.takeMessages(), QStringList{ChooseFromList});
    EXPECT_EQ(m().List1->count(), 4);
    EXPECT_TRUE(m().Check4->isChecked());
    EXPECT_FALSE(m().ChkBL->isChecked());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(LoadWindowTest, ADoubleClickLoadsAndTheWindowStaysOpenWithoutAMessage)
{
    fillWindow();
    ASSERT_TRUE(dir.writeLines(QStringLiteral("a.dat"), {QStringLiteral("- Наличие вентиляторов")}));
    LoadWindow form(m(), w->window.get());
    form.show();
    const QRect entry = form.File1->visualItemRect(form.File1->item(0));
    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {}, entry.center());
    QTest::mouseDClick(form.File1->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_TRUE(m().ChkBL->isChecked());
    EXPECT_FALSE(m().Check4->isChecked());
    EXPECT_EQ(m().List1->count(), 0);
    EXPECT_TRUE(w->dialogs.messages.isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Cmd1->isEnabled());
}

// A screen reader selects through the list's accessible interface, which leaves no current item: the
// file selected is the one loaded.
TEST_F(LoadWindowTest, AFileSelectedThroughAssistiveTechnologyIsLoaded)
{
    ASSERT_TRUE(dir.writeLines(QStringLiteral("a.dat"), {QStringLiteral("- Наличие вентиляторов")}));
    ASSERT_TRUE(
        dir.writeLines(QStringLiteral("b.dat"), {QStringLiteral("- Наличие шкафа для установки блоков")}));
    LoadWindow form(m(), w->window.get());
    form.show();
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(form.File1);
    ASSERT_TRUE(list && list->tableInterface());
    ASSERT_TRUE(list->tableInterface()->selectRow(1));
    ASSERT_EQ(form.File1->currentItem(), nullptr);
    EXPECT_TRUE(form.Cmd1->isEnabled());
    QTest::mouseClick(form.Cmd1, Qt::LeftButton);
    EXPECT_TRUE(w->dialogs.messages.isEmpty()) << w->dialogs.messages.join(u'|').toStdString();
    EXPECT_TRUE(m().ChkRU->isChecked());
    EXPECT_FALSE(m().ChkBL->isChecked());
}

// Through the menu: the window is modal over the main window, a load leaves it open, "Завершить"
// closes it, and the next opening shows it afresh.
TEST_F(LoadWindowTest, TheMenuOpensItModallyAndEveryOpeningIsFresh)
{
    ASSERT_TRUE(dir.writeLines(QStringLiteral("a.dat"), {QStringLiteral("- Наличие вентиляторов")}));
    struct Seen
    {
        bool modal = false, cmd1EnabledAtStart = true, selectedAtStart = true, openAfterLoad = false;
    };
    QList<Seen> seen;
    const auto drive = [&](bool loadFile) {
        QTimer::singleShot(0, [&, loadFile] {
            auto *form = qobject_cast<LoadWindow *>(QApplication::activeModalWidget());
            Seen s;
            if (form == nullptr || form->objectName() != QStringLiteral("Form3")) {
                seen.append(s);
                if (QApplication::activeModalWidget())
                    QApplication::activeModalWidget()->close();
                return;
            }
            s.modal = form->isModal();
            s.cmd1EnabledAtStart = form->Cmd1->isEnabled();
            s.selectedAtStart = !form->File1->selectedItems().isEmpty();
            if (loadFile && clickFile(*form, QStringLiteral("a.dat"))) {
                QTest::mouseClick(form->Cmd1, Qt::LeftButton);
                s.openAfterLoad = form->isVisible();
            }
            seen.append(s);
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        });
        m().M_z_spec->trigger();
    };
    drive(true);
    EXPECT_TRUE(m().ChkBL->isChecked());
    drive(false);
    ASSERT_EQ(seen.size(), 2);
    for (const Seen &s : seen) {
        EXPECT_TRUE(s.modal);
        EXPECT_FALSE(s.cmd1EnabledAtStart);
        EXPECT_FALSE(s.selectedAtStart);
    }
    EXPECT_TRUE(seen[0].openAfterLoad);
    EXPECT_TRUE(w->dialogs.messages.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// ---- What a load restores ----

TEST_F(LoadWindowTest, SemiAutomaticAlertingTicksOnlyItsOwnBox)
{
    EXPECT_EQ(load({QStringLiteral("- Полуавтоматическое оповещение при помощи микрофона")}), QStringList());
    EXPECT_TRUE(m().Check4->isChecked());
    EXPECT_TRUE(m().CmbMC->isEnabled());
    EXPECT_FALSE(m().Check3->isChecked());
}

TEST_F(LoadWindowTest, EveryRequirementLineTicksItsBoxAndRunsItsRule)
{
    load({QStringLiteral("- Автоматическое оповещение"), QStringLiteral("- Музыкальная трансляция"),
          QStringLiteral("- Наличие удаленной микрофонной консоли"), QStringLiteral("Многозонная система:"),
          QStringLiteral("- Количество зон - 12"), QStringLiteral("Многоканальная система:"),
          QStringLiteral("- Количество каналов - 4"),
          QStringLiteral("- Возможность резервирования усилителей"),
          QStringLiteral("- Возможность управления аттенюаторами"), QStringLiteral("- Наличие вентиляторов"),
          QStringLiteral("- Автоматическое включение питания"),
          QStringLiteral("- Возможность резервирования по питанию"),
          QStringLiteral("- Наличие шкафа для установки блоков")});
    for (const QCheckBox *box : {m().Check3, m().Check5, m().Check6, m().Check1, m().Check2, m().ChkBR,
                                 m().ChkAtt, m().ChkBL, m().ChkPD, m().ChkRP, m().ChkRU})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_FALSE(m().Check4->isChecked());
    EXPECT_TRUE(m().VSKZ->isEnabled());
    EXPECT_TRUE(m().CmbBR->isEnabled());
    EXPECT_EQ(m().LblZ->text(), QStringLiteral("12"));
    EXPECT_EQ(w->state.zoneCount, 12);
    EXPECT_EQ(m().VSKZ->value(), 2);
    EXPECT_EQ(m().LblCh->text(), QStringLiteral("4"));
    EXPECT_EQ(w->state.channelCount, 4);
}

// The power line and the reserve line: TxtP ends up with the power without the reserve.
struct PowerCase
{
    const char *label;
    QStringList lines;
    bool reserve;
    int spinner;
    QString txtP;
};

class PowerLines : public LoadWindowTest, public ::testing::WithParamInterface<PowerCase>
{
};

TEST_P(PowerLines, SelectTotalPowerAndTakeTheReserveOff)
{
    const PowerCase &c = GetParam();
    EXPECT_EQ(load(c.lines), QStringList());
    EXPECT_TRUE(m().Opt1->isChecked());
    EXPECT_TRUE(m().TxtP->isEnabled());
    EXPECT_EQ(m().TxtP->text(), c.txtP);
    EXPECT_EQ(m().ChkZP->isChecked(), c.reserve);
    EXPECT_EQ(m().VSZP->isEnabled(), c.reserve);
    EXPECT_EQ(m().VSZP->value(), c.spinner);
    EXPECT_EQ(m().LblZP->text(), QString::number(c.spinner));
}

const QString ReserveOf20 = QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 20%");
const QString ReserveOf5 = QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 5%");

INSTANTIATE_TEST_SUITE_P(
    Reports, PowerLines,
    ::testing::Values(PowerCase{"whole_power",
                                {QStringLiteral("- Суммарная мощность: - 300 Вт")},
                                false,
                                5,
                                QStringLiteral("300")},
                      PowerCase{"120_with_20_percent",
                                {QStringLiteral("- Суммарная мощность: - 120 Вт"), QString(), ReserveOf20},
                                true,
                                20,
                                QStringLiteral("100")},
                      PowerCase{"comma_fraction_ends_the_number",
                                {QStringLiteral("- Суммарная мощность: - 34,65 Вт"), ReserveOf5},
                                true,
                                5,
                                QStringLiteral("32")},
                      PowerCase{"point_fraction_is_read_whole",
                                {QStringLiteral("- Суммарная мощность: - 34.65 Вт"), ReserveOf5},
                                true,
                                5,
                                QStringLiteral("33")}),
    [](const ::testing::TestParamInfo<PowerCase> &info) { return std::string(info.param.label); });

TEST_F(LoadWindowTest, ZoneModeWithAReserveRestoresTheZonesAndLeavesZeroInTxtP)
{
    m().Opt1->setChecked(true);
    QTest::keyClicks(m().TxtP, QStringLiteral("450"));
    EXPECT_EQ(load({QStringLiteral("Многозонная система:"), QStringLiteral("- Количество зон - 3"),
                    QStringLiteral("Раскладка по зонам:"), QStringLiteral("- Зона 1 - 250 Вт"),
                    QStringLiteral("- Зона 2 - 1,5 Вт"), QStringLiteral("- Зона 3 -    40 Вт"),
                    QStringLiteral("ИТОГО: 291,5 Вт"), QString(),
                    QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 10%")}),
              QStringList());
    EXPECT_TRUE(m().Opt2->isChecked());
    EXPECT_FALSE(m().Opt1->isChecked());
    EXPECT_TRUE(m().CmdAdd->isEnabled());
    EXPECT_EQ(itemsOf(m().List2),
              (QStringList{QStringLiteral("Зона 1 - 250 Вт"), QStringLiteral("Зона 2 - 1,5 Вт"),
                           QStringLiteral("Зона 3 -    40 Вт")}));
    EXPECT_EQ(w->state.zoneListCount, 3);
    EXPECT_EQ(m().TxtP->text(), QStringLiteral("0"));
    EXPECT_EQ(m().VSZP->value(), 10);
}

TEST_F(LoadWindowTest, SourcesRegisterThroughTheirRowsAndAConsoleLineCountsOnce)
{
    const QStringList lines = {SourceHeading,
                               QString(29, u'_'),
                               QStringLiteral("- ") + sourceLine(unit::DeskMicrophone, 5),
                               QStringLiteral("- ") + sourceLine(unit::MessageBlock4, 1),
                               QStringLiteral("- ") + sourceLine(unit::Player, 2),
                               QStringLiteral("- ") + sourceLine(unit::Console10, 3),
                               QStringLiteral("- ") + sourceLine(unit::ConsoleAdapter, 1),
                               QString(),
                               ProposalHeading,
                               QStringLiteral("- ") + sourceLine(unit::HandMicrophone, 7)};
    EXPECT_EQ(load(lines), QStringList());
    EXPECT_EQ(itemsOf(m().List1),
              (QStringList{sourceLine(unit::DeskMicrophone, 5), sourceLine(unit::MessageBlock4, 1),
                           sourceLine(unit::Player, 2), sourceLine(unit::Console10, 3),
                           sourceLine(unit::ConsoleAdapter, 1)}));
    // 5 microphones less two for the one console call; 2 music sources less one.
    EXPECT_EQ(w->state.micCount, 3);
    EXPECT_EQ(w->state.musicSourceCount, 1);
    EXPECT_EQ(w->state.alarmBlockCount, 1);
    EXPECT_TRUE(w->state.alarmBlockAdded);
    EXPECT_TRUE(w->state.consoleAdded);
    EXPECT_FALSE(m().CmdRM->isEnabled());
    EXPECT_FALSE(m().CmdAL->isEnabled());
    // Message block 20 W 1 U, two players 15 W 1 U each.
    EXPECT_EQ(w->state.selectionTotals, (Totals{3, 50, 3}));
}

TEST_F(LoadWindowTest, ControlSoftwareListedInBothRowsIsRegisteredOnceWithoutAMessage)
{
    EXPECT_EQ(load({SourceHeading, QStringLiteral("- ") + sourceLine(unit::Software40, 1), ProposalHeading}),
              QStringList());
    EXPECT_TRUE(w->state.softwareAdded);
    EXPECT_EQ(w->state.softwareNumber, 40);
    EXPECT_EQ(w->state.alarmBlockCount, 1);
    EXPECT_EQ(w->state.musicSourceCount, 0);
    EXPECT_EQ(w->state.selectionTotals, Totals{});
}

// A second, different control software is refused as a user's second one is: its line stays, the
// message is shown once, the first one's zones stay and nothing more is counted.
TEST_F(LoadWindowTest, ASecondControlSoftwareIsRefusedWithTheMessage)
{
    const QString software60 = QStringLiteral("ZEP-60 Программа управления системой оповещения на 60 зон");
    const QString software20 = QStringLiteral("ZEP-20 Программа управления системой оповещения на 20 зон");
    const QStringList sources = {sourceLine(software60, 1), sourceLine(software20, 1)};
    EXPECT_EQ(load({SourceHeading, QStringLiteral("- ") + sources[0], QStringLiteral("- ") + sources[1],
                    ProposalHeading}),
              QStringList{QStringLiteral("ПО уже выбрано.Если Вы хотите поменять версию ПО, то очистите "
                                         "список звуковых источников.")});
    EXPECT_EQ(itemsOf(m().List1), sources);
    EXPECT_EQ(w->state.softwareNumber, 60);
    EXPECT_EQ(w->state.alarmBlockCount, 1);
    EXPECT_EQ(w->state.musicSourceCount, 0);
}

TEST_F(LoadWindowTest, TheLineControlChoiceIsLeftAsTheWindowHadIt)
{
    const QStringList report = {QStringLiteral("- Возможность автоматического контроля линий"),
                                QStringLiteral("- Возможность ручного контроля линий")};
    load(report);
    EXPECT_TRUE(m().Option1->isChecked());
    m().OptR->setChecked(true);
    load(report);
    EXPECT_TRUE(m().OptR->isChecked());
}

// Lines whose pieces cannot be found, or whose numbers are out of range, are skipped whole.
TEST_F(LoadWindowTest, MalformedLinesAreSkipped)
{
    EXPECT_EQ(load({QStringLiteral("Многозонная система:"), QStringLiteral("- Количество зон - 0"),
                    QStringLiteral("- Количество каналов - 0"), QStringLiteral("- Суммарная мощность: - 120"),
                    QStringLiteral("Суммарная мощность подсчитана с учетом запаса - 30%"),
                    QStringLiteral("Суммарная мощность подсчитана с учетом запаса 20"), SourceHeading,
                    QStringLiteral("- ") + unit::DeskMicrophone + QStringLiteral(" - 4"),
                    QStringLiteral("- ZEP"), ProposalHeading}),
              QStringList());
    EXPECT_TRUE(m().Check1->isChecked());
    EXPECT_EQ(m().LblZ->text(), QStringLiteral("2"));
    EXPECT_EQ(w->state.zoneCount, 2);
    EXPECT_EQ(w->state.channelCount, 1);
    EXPECT_FALSE(m().Opt1->isChecked());
    EXPECT_FALSE(m().ChkZP->isChecked());
    EXPECT_EQ(m().VSZP->value(), 5);
    EXPECT_EQ(m().List1->count(), 0);
    EXPECT_EQ(w->state.micCount, 0);
}

// ---- Loads over earlier state, and files that are no reports ----

TEST_F(LoadWindowTest, AnEmptyFileOrOneOfEmptyLinesOnlyResetsTheWindow)
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray("\r\n\r\n\r\r\n")}) {
        fillWindow();
        ASSERT_TRUE(dir.write(QStringLiteral("пусто.dat"), bytes));
        ASSERT_TRUE(loadThroughWindow(*w, QStringLiteral("пусто.dat")));
        EXPECT_TRUE(w->dialogs.messages.isEmpty());
        expectResetState();
        EXPECT_TRUE(m().Opt2->isChecked());
    }
}

TEST_F(LoadWindowTest, ALoadOverSourcesStartsTheCountsFromZero)
{
    const QStringList report = {QStringLiteral("- Полуавтоматическое оповещение при помощи микрофона"),
                                SourceHeading,
                                QStringLiteral("- ") + sourceLine(unit::HandMicrophone, 4),
                                QStringLiteral("- ") + sourceLine(unit::Software40, 1),
                                QStringLiteral("- ") + sourceLine(unit::Radio, 3),
                                ProposalHeading};
    load(report);
    const SharedState first = w->state;
    const QStringList firstList = itemsOf(m().List1);
    fillWindow();
    load(report);
    load(report);
    EXPECT_EQ(itemsOf(m().List1), firstList);
    EXPECT_EQ(w->state.micCount, first.micCount);
    EXPECT_EQ(w->state.alarmBlockCount, first.alarmBlockCount);
    EXPECT_EQ(w->state.musicSourceCount, first.musicSourceCount);
    EXPECT_EQ(w->state.alarmBlockAdded, first.alarmBlockAdded);
    EXPECT_EQ(w->state.softwareAdded, first.softwareAdded);
    EXPECT_FALSE(w->state.consoleAdded);
    EXPECT_EQ(w->state.softwareNumber, 40);
    EXPECT_EQ(w->state.selectionTotals, first.selectionTotals);
    EXPECT_EQ(w->state.selectionTotals, (Totals{3, 30, 3}));
    EXPECT_EQ(w->state.micCount, 4);
    EXPECT_EQ(w->state.musicSourceCount, 3);
}

TEST_F(LoadWindowTest, AReportCutOffInItsSourcesLeavesNoSourceSectionOpenForTheNextLoad)
{
    load({SourceHeading, QStringLiteral("- ") + sourceLine(unit::HandMicrophone, 2)});
    EXPECT_EQ(w->state.micCount, 2);
    // Before its own heading a ZEP or "- K-" line is no source line.
    load({QStringLiteral("- ") + sourceLine(unit::Software40, 1),
          QStringLiteral("- ") + sourceLine(unit::Radio, 1)});
    EXPECT_EQ(m().List1->count(), 0);
    EXPECT_FALSE(w->state.softwareAdded);
    EXPECT_EQ(w->state.micCount, 0);
}

TEST_F(LoadWindowTest, AFileRemovedAfterTheListWasFilledIsNamedAndTheWindowStaysReset)
{
    fillWindow();
    ASSERT_TRUE(dir.writeLines(QStringLiteral("пропавший.dat"), {QStringLiteral("- Наличие вентиляторов")}));
    LoadWindow form(m(), w->window.get());
    form.show();
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("пропавший.dat"))));
    ASSERT_TRUE(clickFile(form, QStringLiteral("пропавший.dat")));
    QTest::mouseClick(form.Cmd1, Qt::LeftButton);
    EXPECT_EQ(w->dialogs.takeMessages(),
              QStringList{QStringLiteral("Ошибка открытия файла пропавший.dat 53")});
    expectResetState();
    EXPECT_TRUE(form.isVisible());
}

TEST_F(LoadWindowTest, ABinaryFileIsReadAsTextWithoutHarm)
{
    fillWindow();
    std::mt19937 random(7);
    QByteArray bytes(256 * 1024, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    bytes.append(encodeLines({SourceHeading, QStringLiteral("- ZEP") + QByteArray(40, '\0')}));
    ASSERT_TRUE(dir.write(QStringLiteral("двоичный.dat"), bytes));
    ASSERT_TRUE(loadThroughWindow(*w, QStringLiteral("двоичный.dat")));
    EXPECT_TRUE(w->dialogs.messages.isEmpty());
    expectResetState();
}

TEST_F(LoadWindowTest, AFileOverFourMebibytesIsRefusedByNameAndOneAtTheLimitIsRead)
{
    fillWindow();
    const QByteArray filler = QByteArray(1022, 'x') + "\r\n";
    const QByteArray fans = encodeLines({QStringLiteral("- Наличие вентиляторов")});
    QByteArray bytes;
    while (bytes.size() + filler.size() + fans.size() <= LargestReportFile)
        bytes += filler;
    bytes.append(QByteArray(LargestReportFile - bytes.size() - fans.size(), 'y'));
    bytes.append(fans);
    ASSERT_EQ(bytes.size(), LargestReportFile);
    ASSERT_TRUE(dir.write(QStringLiteral("предел.dat"), bytes));
    bytes.append('\n');
    ASSERT_TRUE(dir.write(QStringLiteral("большой.dat"), bytes));

    ASSERT_TRUE(loadThroughWindow(*w, QStringLiteral("большой.dat")));
    EXPECT_EQ(w->dialogs.takeMessages(),
              QStringList{QStringLiteral("Файл большой.dat слишком велик для спецификации")});
    expectResetState();

    ASSERT_TRUE(loadThroughWindow(*w, QStringLiteral("предел.dat")));
    EXPECT_TRUE(w->dialogs.messages.isEmpty());
    EXPECT_TRUE(m().ChkBL->isChecked());
}

} // namespace
} // namespace orvika::test::documents
