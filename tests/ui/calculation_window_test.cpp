#include "report/report_writer.h"
#include "window_fixture.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

// "Составить спецификацию" on the real main window over the shipped catalogue (a copy kept with the
// tests): requirements set by clicks and keys, then List3 and "Спецификация.dat" compared with
// reports written out by hand.
namespace orvika::test {
namespace {

const QString FixtureDir = QStringLiteral(ORVIKA_SOURCE_DIR "/tests/ui/fixtures");
const QString Done = QStringLiteral("Данные находятся в файле Спецификация");
const QString NoSource = QStringLiteral("Вы не выбрали звуковой источник");
const QString PowerRange =
    QStringLiteral("Суммарная мощность системы должна находится в диапазоне от 1 до 160000 Вт.");
const QString SoftwareTooSmall =
    QStringLiteral("Количество зон выбранного ПО меньше суммарного количества зон.\n\r"
                   "Выберите ПО с большим количеством зон.\n\r"
                   "Максимальное количество зон для работы с ПО серии ZEP - 60");
const QString WriteFailed = QStringLiteral("Ошибка записи файла Спецификация.dat: ");

// One message: the report's write failed, followed by the system's reason.
void expectWriteFailure(const QStringList &messages)
{
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(WriteFailed)) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), WriteFailed.size()) << "the reason is given";
}

// Picker items of the catalogue.
namespace item {
const QString Panel = QStringLiteral("K-3120 Панель микрофонная вызова зон на 20 кнопок");
const QString DeskMic = QStringLiteral("K-3122 Микрофон настольный на гибкой стойке");
const QString HandMic = QStringLiteral("K-3124 Микрофон ручной динамический");
const QString Block4 = QStringLiteral("K-3260 Блок речевых сообщений на 4 сообщения");
const QString Block16 = QStringLiteral("K-3262 Блок речевых сообщений на 16 сообщений");
const QString PlayerRadio = QStringLiteral("K-3280 Проигрыватель компакт-дисков с радиоприёмником");
const QString Player = QStringLiteral("K-3284 Проигрыватель компакт-дисков");
const QString Radio = QStringLiteral("K-3286 Радиоприёмник трансляционный");
const QString Zep20 = QStringLiteral("ZEP-20 Программа управления системой оповещения на 20 зон");
const QString Zep40 = QStringLiteral("ZEP-40 Программа управления системой оповещения на 40 зон");
const QString Console20 = QStringLiteral("K-3142 Консоль микрофонная выносная на 20 зон с клавиатурой");
const QString Reserve4 = QStringLiteral("K-3105 Блок резервирования усилителей на 4 канала");
const QString Switchover = QStringLiteral("K-3240 Блок переключения на резервный усилитель");
} // namespace item

std::vector<std::string> utf8(const QStringList &texts)
{
    std::vector<std::string> out;
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The proposal as a report lists it: the items between the 26-character underline and the rule.
QStringList proposalOf(const QByteArray &report)
{
    const QStringList lines = decodeLines(report);
    QStringList items;
    for (qsizetype i = lines.indexOf(QString(26, u'_')) + 1; i > 0 && i < lines.size(); ++i) {
        if (!lines[i].startsWith(QStringLiteral("- ")))
            break;
        items.append(lines[i].mid(2));
    }
    return items;
}

// Whether any user may read the file: every folder above it open to others.
bool reachableByOthers(const QString &path)
{
    if (!QFileInfo(path).permissions().testFlag(QFile::ReadOther))
        return false;
    for (QDir dir = QFileInfo(path).absoluteDir(); !dir.isRoot(); dir.cdUp()) {
        if (!QFileInfo(dir.absolutePath()).permissions().testFlag(QFile::ExeOther))
            return false;
    }
    return true;
}

class CalculationWindow : public StartedMainWindow
{
public:
    // Starts the program in a working directory of its own; edit changes the catalogue's lines first.
    void start(const QLocale &locale = QLocale::c(), const std::function<void(QStringList &)> &edit = {})
    {
        QLocale::setDefault(locale);
        ASSERT_TRUE(workingDirIsValid());
        QStringList catalogue = decodeLines(readBytes(FixtureDir + QStringLiteral("/catalogue/Base-Date")));
        ASSERT_EQ(catalogue.size(), 59);
        if (edit)
            edit(catalogue);
        ASSERT_TRUE(writeBaseFile(workingDir(), QStringLiteral("Base-Date"), catalogue));
        ASSERT_TRUE(copyBaseFile(workingDir(), QStringLiteral("Sxemm"),
                                 FixtureDir + QStringLiteral("/catalogue/Sxemm")));

        startAndShow();
    }

    QString reportPath() const { return workingDir() + u'/' + ReportFileName; }
    QByteArray report() const { return readBytes(reportPath()); }
    bool reportExists() const { return QFileInfo::exists(reportPath()); }

    // The controls, as a user sets them.
    void tick(QCheckBox *box)
    {
        ASSERT_FALSE(box->isChecked());
        click(box);
        ASSERT_TRUE(box->isChecked());
    }

    void setSpinner(Spinner *spinner, int value)
    {
        const int steps = (value - spinner->value()) / spinner->singleStep();
        click(spinner, steps > 0 ? Arrow::Up : Arrow::Down, std::abs(steps));
        ASSERT_EQ(spinner->value(), value);
    }

    void addSource(QCheckBox *kind, QComboBox *picker, Spinner *spinner, QPushButton *add,
                   const QString &name, int count)
    {
        if (!kind->isChecked())
            tick(kind);
        pick(picker, name);
        if (spinner)
            setSpinner(spinner, count);
        click(add);
    }

    void microphones(const QString &name, int count)
    {
        addSource(window->Check4, window->CmbMC, window->VSMC, window->CmdMC, name, count);
    }
    void alarmBlock(const QString &name)
    {
        addSource(window->Check3, window->CmbAL, nullptr, window->CmdAL, name, 1);
    }
    void music(const QString &name, int count)
    {
        addSource(window->Check5, window->CmbMZ, window->VSMZ, window->CmdMZ, name, count);
    }
    void consoles(const QString &name, int count)
    {
        addSource(window->Check6, window->CmbRM, window->VSRM, window->CmdRM, name, count);
    }

    void zones(int count)
    {
        tick(window->Check1);
        setSpinner(window->VSKZ, count);
    }

    void channels(int count)
    {
        tick(window->Check2);
        setSpinner(window->VSCH, count);
    }

    void totalPower(const QString &keys)
    {
        click(window->Opt1);
        window->TxtP->setFocus();
        QTest::keyClicks(window->TxtP, keys);
        ASSERT_EQ(window->TxtP->text(), keys);
    }

    void zonePowers(const QStringList &answers)
    {
        click(window->Opt2);
        for (const QString &answer : answers) {
            dialogs.answers.enqueue(answer);
            click(window->CmdAdd);
        }
        ASSERT_EQ(window->List2->count(), answers.size());
    }

    void reserve(int percent)
    {
        tick(window->ChkZP);
        setSpinner(window->VSZP, percent);
    }

    void reserveUnit(const QString &name)
    {
        tick(window->ChkBR);
        pick(window->CmbBR, name);
        ASSERT_EQ(window->CmbBR->currentText(), name);
    }
};

using Steps = std::function<void(CalculationWindow &)>;

// A complete installation: what the user sets, the messages before the report is written, and the
// report expected.
struct Installation
{
    const char *name;
    Steps steps;
    QStringList warnings;
    QString report;
};

void PrintTo(const Installation &value, std::ostream *out)
{
    *out << value.name;
}

// One hand microphone, two channels of 3200 W in all, and the given amplifier reserve unit.
Installation twoChannelsWithReserveUnit(const char *name, const QString &unit, const QString &report)
{
    return Installation{name,
                        [unit](CalculationWindow &w) {
                            w.microphones(item::HandMic, 1);
                            w.channels(2);
                            w.totalPower(QStringLiteral("3200"));
                            w.reserveUnit(unit);
                        },
                        {},
                        report};
}

class CompleteInstallations : public CalculationWindow, public ::testing::WithParamInterface<Installation>
{
};

TEST_P(CompleteInstallations, ListAndReportFollowTheRules)
{
    start();
    GetParam().steps(*this);
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(utf8(dialogs.takeMessages()), utf8({}));

    const QByteArray expected = readBytes(FixtureDir + QStringLiteral("/reports/") + GetParam().report);
    ASSERT_FALSE(expected.isEmpty()) << GetParam().report.toStdString();
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        click(window->CmdUs);
        EXPECT_EQ(utf8(dialogs.takeMessages()), utf8(GetParam().warnings + QStringList{Done}));
        EXPECT_EQ(utf8(lines(window->List3)), utf8(proposalOf(expected)));
        for (int row = 0; row < window->List3->count(); ++row)
            EXPECT_FALSE(window->List3->item(row)->toolTip().isEmpty()) << "every line says why";
        const QByteArray written = report();
        EXPECT_EQ(utf8(decodeLines(written)), utf8(decodeLines(expected)));
        EXPECT_EQ(written, expected) << "byte for byte, CR LF after every line";

        // The totals live on only in the report.
        EXPECT_FALSE(state.calculationDone);
        EXPECT_EQ(state.workingTotals, Totals{});
        EXPECT_EQ(state.selectorCount, 1);
        EXPECT_EQ(state.cabinetCount, 0);
    }
}

const QStringList HundredWattZones = [] {
    QStringList answers(24, QStringLiteral("100"));
    answers.append(QStringLiteral("60.4"));
    return answers;
}();

INSTANTIATE_TEST_SUITE_P(
    CalculationWindow, CompleteInstallations,
    ::testing::Values(Installation{"MicrophonesBlockAndTotalPower",
                                   [](CalculationWindow &w) {
                                       w.microphones(item::DeskMic, 2);
                                       w.alarmBlock(item::Block4);
                                       w.totalPower(QStringLiteral("300"));
                                   },
                                   {},
                                   QStringLiteral("microphones_block_300w.dat")},
                      Installation{"TwentyFiveZonesWithReserve",
                                   [](CalculationWindow &w) {
                                       w.music(item::Player, 3);
                                       w.zones(25);
                                       w.zonePowers(HundredWattZones);
                                       w.reserve(10);
                                   },
                                   {},
                                   QStringLiteral("zones_25_with_reserve.dat")},
                      twoChannelsWithReserveUnit("TwoChannelsWithFullReserveSet", item::Reserve4,
                                                 QStringLiteral("two_channels_reserve_k3105.dat")),
                      twoChannelsWithReserveUnit("TwoChannelsWithSwitchover", item::Switchover,
                                                 QStringLiteral("two_channels_reserve_k3240.dat")),
                      Installation{"EveryOption",
                                   [](CalculationWindow &w) {
                                       w.alarmBlock(item::Block16);
                                       w.music(item::Radio, 2);
                                       w.zones(12);
                                       w.totalPower(QStringLiteral("1000"));
                                       click(w.window->OptA);
                                       w.tick(w.window->ChkAtt);
                                       w.tick(w.window->ChkBL);
                                       w.tick(w.window->ChkPD);
                                       w.tick(w.window->ChkRP);
                                       w.tick(w.window->ChkRU);
                                   },
                                   {},
                                   QStringLiteral("every_option.dat")},
                      Installation{"SoftwareForEnoughZones",
                                   [](CalculationWindow &w) {
                                       w.alarmBlock(item::Zep40);
                                       w.zones(30);
                                       w.totalPower(QStringLiteral("2000"));
                                   },
                                   {},
                                   QStringLiteral("software_zep40.dat")},
                      Installation{"SoftwareForTooFewZonesWarns",
                                   [](CalculationWindow &w) {
                                       w.alarmBlock(item::Zep20);
                                       w.zones(30);
                                       w.totalPower(QStringLiteral("2000"));
                                   },
                                   {SoftwareTooSmall},
                                   QStringLiteral("software_zep20.dat")},
                      Installation{"ConsoleWithCompanionLine",
                                   [](CalculationWindow &w) {
                                       w.microphones(item::DeskMic, 3);
                                       w.consoles(item::Console20, 2);
                                       w.totalPower(QStringLiteral("600"));
                                   },
                                   {},
                                   QStringLiteral("console_with_companion.dat")},
                      Installation{"MicrophonePanelBecomesTheAsLine",
                                   [](CalculationWindow &w) {
                                       w.microphones(item::Panel, 5);
                                       w.zones(20);
                                       w.totalPower(QStringLiteral("800"));
                                   },
                                   {},
                                   QStringLiteral("microphone_panel_as_line.dat")},
                      Installation{"PlayerFollowedByInterfaces",
                                   [](CalculationWindow &w) {
                                       w.music(item::PlayerRadio, 6);
                                       w.totalPower(QStringLiteral("250"));
                                   },
                                   {},
                                   QStringLiteral("player_with_interfaces.dat")},
                      Installation{"NoSourceWarns",
                                   [](CalculationWindow &w) { w.totalPower(QStringLiteral("100")); },
                                   {NoSource},
                                   QStringLiteral("no_source.dat")}),
    [](const ::testing::TestParamInfo<Installation> &info) { return std::string(info.param.name); });

TEST_F(CalculationWindow, SoftwareBesideNoMicrophoneCountsOne)
{
    start();
    alarmBlock(item::Zep40);
    zones(30);
    totalPower(QStringLiteral("2000"));
    ASSERT_EQ(state.micCount, 0);
    click(window->CmdUs);
    EXPECT_EQ(state.micCount, 1);
}

TEST_F(CalculationWindow, EachProposedLineSaysWhyOnHovering)
{
    start();
    microphones(item::DeskMic, 2);
    alarmBlock(item::Block4);
    totalPower(QStringLiteral("300"));
    click(window->CmdUs);
    QStringList tips;
    for (int row = 0; row < window->List3->count(); ++row)
        tips.append(window->List3->item(row)->toolTip());
    EXPECT_EQ(utf8(tips),
              utf8({QStringLiteral("выбран пользователем"), QStringLiteral("выбран пользователем"),
                    QStringLiteral("300 Вт ≤ 500 Вт; по 1 на канал, 1 канал; входы: линейных 1, "
                                   "микрофонных 2"),
                    QStringLiteral("распределение питания: 2 блока, по 6 на блок")}));
}

TEST_F(CalculationWindow, ConsolesTakeTwoMicrophonesOff)
{
    start();
    microphones(item::DeskMic, 3);
    consoles(item::Console20, 2);
    EXPECT_EQ(state.micCount, 1);
    EXPECT_EQ(utf8(lines(window->List1)),
              utf8({item::DeskMic + QStringLiteral(" - 3 шт."), item::Console20 + QStringLiteral(" - 2 шт."),
                    QStringLiteral("K-3125 Блок подключения микрофонных панелей - 1 шт.")}));
}

// The fractional total power is written with the user's decimal separator.
struct Separator
{
    const char *name;
    QLocale locale;
    QString report;
};

void PrintTo(const Separator &value, std::ostream *out)
{
    *out << value.name;
}

class FractionalPower : public CalculationWindow, public ::testing::WithParamInterface<Separator>
{
};

TEST_P(FractionalPower, FollowsTheUsersDecimalSeparator)
{
    start(GetParam().locale);
    microphones(item::HandMic, 1);
    totalPower(QStringLiteral("33"));
    reserve(5);
    ASSERT_FALSE(HasFailure());
    click(window->CmdUs);
    EXPECT_EQ(utf8(dialogs.takeMessages()), utf8({Done}));
    const QByteArray expected = readBytes(FixtureDir + QStringLiteral("/reports/") + GetParam().report);
    EXPECT_EQ(utf8(decodeLines(report())), utf8(decodeLines(expected)));
    EXPECT_EQ(report(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    CalculationWindow, FractionalPower,
    ::testing::Values(Separator{"Russian", QLocale(QLocale::Russian, QLocale::Russia),
                                QStringLiteral("fraction_comma.dat")},
                      Separator{"C", QLocale::c(), QStringLiteral("fraction_point.dat")}),
    [](const ::testing::TestParamInfo<Separator> &info) { return std::string(info.param.name); });

// A stopped calculation: its messages, the lines added before the stop, and no report.
struct Stop
{
    const char *name;
    Steps steps;
    QStringList messages;
    QStringList list3;
    std::function<void(QStringList &)> catalogue = {};
};

void PrintTo(const Stop &value, std::ostream *out)
{
    *out << value.name;
}

class Stops : public CalculationWindow, public ::testing::WithParamInterface<Stop>
{
};

TEST_P(Stops, ShowTheMessagesKeepTheLinesAndWriteNothing)
{
    start(QLocale::c(), GetParam().catalogue);
    const QByteArray previous = "earlier report\r\n";
    {
        QFile file(reportPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }
    GetParam().steps(*this);
    ASSERT_FALSE(HasFailure());
    dialogs.takeMessages();

    click(window->CmdUs);
    EXPECT_EQ(utf8(dialogs.takeMessages()), utf8(GetParam().messages));
    EXPECT_EQ(utf8(lines(window->List3)), utf8(GetParam().list3));
    EXPECT_EQ(report(), previous);
    EXPECT_FALSE(state.calculationDone);
    EXPECT_EQ(utf8(QDir(workingDir()).entryList(QDir::Files)), utf8({ReportFileName}));
}

const QString HandMicLine = item::HandMic + QStringLiteral(" - 1 шт.");

INSTANTIATE_TEST_SUITE_P(
    CalculationWindow, Stops,
    ::testing::Values(
        Stop{"FewerZonesListedThanSet",
             [](CalculationWindow &w) {
                 w.microphones(item::DeskMic, 1);
                 w.zones(5);
                 w.zonePowers({"100", "200", "300", "400"});
             },
             {QStringLiteral("Вы указали количество зон - 5\n\rа в раскладке по зонам у вас их всего - 4")},
             {item::DeskMic + QStringLiteral(" - 1 шт.")}},
        Stop{"NoLoadOptionChosen",
             [](CalculationWindow &w) { w.music(item::Player, 1); },
             {PowerRange},
             {item::Player + QStringLiteral(" - 1 шт.")}},
        Stop{"NoSourceAndNoPowerTyped",
             [](CalculationWindow &w) { click(w.window->Opt1); },
             {NoSource, PowerRange},
             {}},
        Stop{"PowerAboveTheRange",
             [](CalculationWindow &w) {
                 w.music(item::PlayerRadio, 2);
                 w.totalPower(QStringLiteral("160001"));
             },
             {PowerRange},
             {item::PlayerRadio + QStringLiteral(" - 2 шт."),
              QStringLiteral("K-3285 Блок входных интерфейсов источников - 2 шт.")}},
        Stop{"ZoneAverageBeyondTheSelectors",
             [](CalculationWindow &w) {
                 w.microphones(item::Panel, 1);
                 w.zones(2);
                 w.totalPower(QStringLiteral("3001"));
             },
             {QStringLiteral("Средняя мощность 1 зоны превышает коммутационные возможности селекторов.\n\r"
                             "Разбейте свою систему на большее количество зон."),
              QStringLiteral("Селектор зон не выбран")},
             {QStringLiteral("K-3125 Блок подключения микрофонных панелей - 1 шт.")}},
        Stop{"TooManyMicrophonesForAnyPreamplifier",
             [](CalculationWindow &w) {
                 w.microphones(item::HandMic, 50);
                 w.totalPower(QStringLiteral("100"));
             },
             {QStringLiteral("Не выбран усилитель по входам")},
             {item::HandMic + QStringLiteral(" - 50 шт."),
              QStringLiteral("K-3504 Усилитель мощности (120) - 1 шт.")}},
        Stop{"NoAmplifierStrongEnough",
             [](CalculationWindow &w) {
                 w.microphones(item::HandMic, 1);
                 w.totalPower(QStringLiteral("1300"));
             },
             {QStringLiteral("Не выбран усилитель по мощности")},
             {HandMicLine},
             [](QStringList &catalogue) {
                 // The strongest amplifier gives 1200 W instead of 1500 W.
                 const qsizetype line = catalogue.indexOf(QRegularExpression(QStringLiteral("^K-3530 .*")));
                 ASSERT_GE(line, 0);
                 catalogue[line] = QStringLiteral("K-3530 Усилитель мощности (1200)#1800%4&AMP*1|2+2/2//1");
             }}),
    [](const ::testing::TestParamInfo<Stop> &info) { return std::string(info.param.name); });

// The first amplifier reaching the power has no "*" in its line: it is proposed for the power, and
// a unit that is both amplifier and preamplifier serves the message block.
TEST_F(CalculationWindow, AmplifierWithoutInputsIsJoinedByAPreamplifier)
{
    const QString plain = QStringLiteral("K-3504 Усилитель мощности (120)");
    const QString mixer = QStringLiteral("K-3508 Усилитель-микшер (240)");
    start(QLocale::c(), [&](QStringList &catalogue) {
        for (QString &line : catalogue) {
            if (line.startsWith(QStringLiteral("K-3504 ")))
                line = plain + QStringLiteral("#200%2&AMP");
            else if (line.startsWith(QStringLiteral("K-3508 ")))
                line = mixer + QStringLiteral("#300%2&AMP PRED*2|4+2/4//2");
        }
    });
    alarmBlock(item::Block4);
    totalPower(QStringLiteral("25"));
    dialogs.takeMessages();

    click(window->CmdUs);
    EXPECT_EQ(utf8(dialogs.takeMessages()), utf8({Done}));
    const QStringList proposal = lines(window->List3);
    EXPECT_TRUE(proposal.contains(plain + QStringLiteral(" - 1 шт."))) << proposal.join(u'|').toStdString();
    EXPECT_EQ(proposal.indexOf(mixer + QStringLiteral(" - 1 шт.")),
              proposal.indexOf(plain + QStringLiteral(" - 1 шт.")) + 1);
    EXPECT_EQ(utf8(proposalOf(report())), utf8(proposal));
}

TEST_F(CalculationWindow, StopAfterACompleteRunLeavesItsReportAsItWas)
{
    start();
    microphones(item::DeskMic, 2);
    alarmBlock(item::Block4);
    totalPower(QStringLiteral("300"));
    click(window->CmdUs);
    const QByteArray expected = readBytes(FixtureDir + QStringLiteral("/reports/microphones_block_300w.dat"));
    ASSERT_EQ(report(), expected);
    dialogs.takeMessages();

    click(window->Opt2); // no zone listed: no power
    click(window->CmdUs);
    EXPECT_EQ(utf8(dialogs.takeMessages()), utf8({PowerRange}));
    EXPECT_EQ(utf8(lines(window->List3)),
              utf8({item::DeskMic + QStringLiteral(" - 2 шт."), item::Block4 + QStringLiteral(" - 1 шт.")}));
    EXPECT_EQ(report(), expected);
}

TEST_F(CalculationWindow, ProposalStaysThroughARequirementChange)
{
    start();
    microphones(item::HandMic, 1);
    totalPower(QStringLiteral("100"));
    click(window->CmdUs);
    const QStringList proposal = lines(window->List3);
    ASSERT_EQ(proposal.size(), 3);

    tick(window->ChkAtt);
    setSpinner(window->VSZP, 20);
    click(window->OptR);
    EXPECT_EQ(lines(window->List3), proposal);
    EXPECT_FALSE(state.calculationDone);
    EXPECT_EQ(state.workingTotals, Totals{});
    EXPECT_EQ(state.selectorCount, 1);
}

TEST_F(CalculationWindow, ReportNeedsACalculationFirst)
{
    start();
    window->model().Pech();
    EXPECT_EQ(utf8(dialogs.takeMessages()), utf8({QStringLiteral("Вначале произведите расчет")}));
    EXPECT_FALSE(reportExists());

    // After a finished calculation the flag is down again.
    totalPower(QStringLiteral("100"));
    click(window->CmdUs);
    const QByteArray written = report();
    ASSERT_FALSE(written.isEmpty());
    dialogs.takeMessages();
    tick(window->ChkBL);
    window->model().Pech();
    EXPECT_EQ(utf8(dialogs.takeMessages()), utf8({QStringLiteral("Вначале произведите расчет")}));
    EXPECT_EQ(report(), written);
}

// The report path taken by a folder: the write fails, the user is told which file, nothing else changes.
TEST_F(CalculationWindow, UnwritableReportIsReportedByName)
{
    start();
    ASSERT_TRUE(QDir(workingDir()).mkdir(ReportFileName));
    microphones(item::DeskMic, 2);
    alarmBlock(item::Block4);
    totalPower(QStringLiteral("300"));
    dialogs.takeMessages();

    click(window->CmdUs);
    expectWriteFailure(dialogs.takeMessages());
    const QByteArray expected = readBytes(FixtureDir + QStringLiteral("/reports/microphones_block_300w.dat"));
    EXPECT_EQ(utf8(lines(window->List3)), utf8(proposalOf(expected)));
    EXPECT_TRUE(QFileInfo(reportPath()).isDir());
    EXPECT_TRUE(QDir(reportPath()).isEmpty());
    EXPECT_EQ(utf8(QDir(workingDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)),
              utf8({QStringLiteral("Base"), ReportFileName}));
}

// A read-only working directory. Root writes there anyway, so as root the case runs again in a child
// process of this program as the user nobody.
TEST_F(CalculationWindow, ReadOnlyFolderKeepsThePreviousReport)
{
    if (geteuid() == 0) {
        const passwd *nobody = getpwnam("nobody");
        if (!nobody)
            GTEST_SKIP() << "no user nobody to run as";
        if (!reachableByOthers(QCoreApplication::applicationFilePath()) ||
            !reachableByOthers(FixtureDir + QStringLiteral("/catalogue/Base-Date")))
            GTEST_SKIP() << "user nobody cannot reach the test program or its files";
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(
            {QStringLiteral("--gtest_filter=CalculationWindow.ReadOnlyFolderKeepsThePreviousReport")});
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setWorkingDirectory(QDir::tempPath());
        child.setChildProcessModifier([uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(126);
        });
        child.start();
        if (!child.waitForStarted())
            GTEST_SKIP() << "the test program cannot be started as nobody";
        ASSERT_TRUE(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        if (child.exitCode() == 126)
            GTEST_SKIP() << "cannot become the user nobody";
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }

    start();
    microphones(item::DeskMic, 2);
    alarmBlock(item::Block4);
    totalPower(QStringLiteral("300"));
    click(window->CmdUs);
    const QByteArray expected = readBytes(FixtureDir + QStringLiteral("/reports/microphones_block_300w.dat"));
    ASSERT_EQ(report(), expected);
    dialogs.takeMessages();

    QFile folder(workingDir());
    const QFile::Permissions writable = folder.permissions();
    ASSERT_TRUE(folder.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    tick(window->ChkBL); // another report would name the fans
    click(window->CmdUs);
    const QStringList messages = dialogs.takeMessages();
    const QByteArray after = report();
    folder.setPermissions(writable);

    expectWriteFailure(messages);
    EXPECT_EQ(after, expected);
    EXPECT_EQ(utf8(lines(window->List3)), utf8(proposalOf(expected)));
}

} // namespace
} // namespace orvika::test
