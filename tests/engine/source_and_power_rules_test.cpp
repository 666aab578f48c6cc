#include "model_fixture.h"

// Frame3 and Frame2 on the model: the source rows, the zone list and the clearing buttons.
namespace orvika::test {
namespace {

const QString SoftwareAgain =
    QStringLiteral("ПО уже выбрано.\n\rЕсли Вы хотите поменять версию ПО, то очистите "
                   "список звуковых источников.");

struct Addition
{
    CheckBoxId kind;
    PickerId picker;
    QString unit;
    ButtonId add;
    int count = 1;
};

struct SourceCase
{
    const char *name;
    QList<Addition> additions;
    QStringList listed;
    QStringList messages;
    std::int32_t mics, alarmBlocks, musicSources;
    Totals selection;
    std::int32_t softwareNumber;
};

class SourceRules : public ModelTest, public ::testing::WithParamInterface<SourceCase>
{
};

TEST_P(SourceRules, AdditionsAreListedAndCounted)
{
    const SourceCase &c = GetParam();
    for (const Addition &a : c.additions) {
        model->setTicked(a.kind, true);
        pick(a.picker, a.unit);
        if (a.picker == PickerId::CmbMC)
            model->setCounterValue(CounterId::VSMC, a.count);
        if (a.picker == PickerId::CmbMZ)
            model->setCounterValue(CounterId::VSMZ, a.count);
        if (a.picker == PickerId::CmbRM)
            model->setCounterValue(CounterId::VSRM, a.count);
        model->click(a.add);
    }
    EXPECT_EQ(model->sourceList().items, c.listed);
    EXPECT_EQ(seam.messages, c.messages);
    EXPECT_EQ(state.micCount, c.mics);
    EXPECT_EQ(state.alarmBlockCount, c.alarmBlocks);
    EXPECT_EQ(state.musicSourceCount, c.musicSources);
    EXPECT_EQ(state.selectionTotals, c.selection);
    EXPECT_EQ(state.softwareNumber, c.softwareNumber);
}

const Addition Mics{CheckBoxId::Check4, PickerId::CmbMC, unit::DeskMicrophone, ButtonId::CmdMC, 3};
const Addition Block{CheckBoxId::Check3, PickerId::CmbAL, unit::MessageBlock, ButtonId::CmdAL};
const Addition SoftwareBlock{CheckBoxId::Check3, PickerId::CmbAL, unit::SoftwareAL, ButtonId::CmdAL};
const Addition Players{CheckBoxId::Check5, PickerId::CmbMZ, unit::Player, ButtonId::CmdMZ, 2};
const Addition SoftwareMusic{CheckBoxId::Check5, PickerId::CmbMZ, unit::SoftwareMZ, ButtonId::CmdMZ};
const Addition Consoles{CheckBoxId::Check6, PickerId::CmbRM, unit::Console, ButtonId::CmdRM, 2};

INSTANTIATE_TEST_SUITE_P(
    , SourceRules,
    ::testing::Values(
        SourceCase{
            "MicrophonesAreOnlyCounted", {Mics}, {"K-100 Микрофон настольный - 3 шт."}, {}, 3, 0, 0, {}, 0},
        SourceCase{"AMessageBlockCountsItsFigures",
                   {Block},
                   {"K-200 Блок сообщений - 1 шт."},
                   {},
                   0,
                   1,
                   0,
                   Totals{1, 20, 1},
                   0},
        SourceCase{"PlayersCountTheirFigures",
                   {Players},
                   {"K-301 Проигрыватель - 2 шт."},
                   {},
                   0,
                   0,
                   2,
                   Totals{2, 50, 4},
                   0},
        SourceCase{"AConsoleTakesTwoMicrophonesAndAMusicSource",
                   {Mics, Players, Consoles},
                   {"K-100 Микрофон настольный - 3 шт.", "K-301 Проигрыватель - 2 шт.",
                    "K-400 Консоль - 2 шт.", "K-410 Адаптер консолей - 1 шт."},
                   {},
                   1,
                   0,
                   1,
                   Totals{2, 50, 4},
                   0},
        SourceCase{"SoftwareIsChosenOnce",
                   {SoftwareBlock, SoftwareMusic},
                   {"ZEP-60 Программа управления - 1 шт.", "ZEP-24 Программа - 1 шт."},
                   {SoftwareAgain, QString(SoftwareAgain).remove(QStringLiteral("\n\r"))},
                   0,
                   1,
                   0,
                   {},
                   60}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ModelTest, ConsolesAreAddedOncePerFilling)
{
    model->setTicked(CheckBoxId::Check6, true);
    pick(PickerId::CmbRM, unit::Console);
    model->click(ButtonId::CmdRM);
    EXPECT_FALSE(model->buttonEnabled(ButtonId::CmdRM));
    pick(PickerId::CmbRM, unit::Console);
    EXPECT_EQ(seam.takeMessages(),
              QStringList{"Консоли уже добавлены.\n\rЕсли Вы хотите изменить число консолей, "
                          "то очистите список звуковых источников."});
    EXPECT_FALSE(model->buttonEnabled(ButtonId::CmdRM));
    // "Очистить" takes the sources and the proposal, and the row may be filled again.
    model->click(ButtonId::Command2);
    EXPECT_TRUE(model->sourceList().items.isEmpty());
    pick(PickerId::CmbRM, unit::Console);
    EXPECT_TRUE(model->buttonEnabled(ButtonId::CmdRM));
}

TEST_F(ModelTest, TypingIntoAPickerDecidesNothing)
{
    model->setTicked(CheckBoxId::Check5, true);
    model->setPickerText(PickerId::CmbMZ, unit::Tuner);
    EXPECT_EQ(model->picker(PickerId::CmbMZ).text, unit::Tuner);
    EXPECT_FALSE(model->buttonEnabled(ButtonId::CmdMZ));
    EXPECT_FALSE(model->counter(CounterId::VSMZ).enabled);
}

TEST_F(ModelTest, ThePowerOptionsOpenTheirInputs)
{
    model->setPowerMode(PowerMode::PerZone);
    EXPECT_TRUE(model->buttonEnabled(ButtonId::CmdAdd));
    EXPECT_FALSE(model->totalPower().enabled);
    model->setTotalPowerText(QStringLiteral("300"));
    model->setPowerMode(PowerMode::Total);
    EXPECT_TRUE(model->totalPower().enabled);
    EXPECT_EQ(model->totalPower().text, QString()); // selecting the total starts it afresh
    EXPECT_FALSE(model->buttonEnabled(ButtonId::CmdAdd));
    EXPECT_FALSE(model->buttonEnabled(ButtonId::CmdDl));
}

struct ZoneCase
{
    const char *name;
    bool multiZone;
    int zones;
    QStringList answers;
    QStringList listed;
    QStringList messages;
};

class ZoneRule : public ModelTest, public ::testing::WithParamInterface<ZoneCase>
{
};

TEST_P(ZoneRule, EachZoneIsAskedForOverTheWindowAndChecked)
{
    const ZoneCase &c = GetParam();
    model->setTicked(CheckBoxId::Check1, c.multiZone);
    model->setCounterValue(CounterId::VSKZ, c.zones);
    model->setPowerMode(PowerMode::PerZone);
    for (const QString &answer : c.answers) {
        seam.answers.enqueue(answer);
        model->click(ButtonId::CmdAdd);
    }
    EXPECT_EQ(model->zoneList().items, c.listed);
    EXPECT_EQ(state.zoneListCount, c.listed.size());
    EXPECT_EQ(seam.messages, c.messages);
    for (const ScriptedSeam::Input &input : seam.inputs) {
        EXPECT_EQ(input.title, "Раскладка по мощности");
        EXPECT_EQ(input.place, InputPlace::OverWindow);
    }
}

const QString NotANumber = QStringLiteral("Ведите (цифровое)значение можности в ваттах");

INSTANTIATE_TEST_SUITE_P(
    , ZoneRule,
    ::testing::Values(
        ZoneCase{"TwoZones", true, 2, {"100", "250.5"}, {"Зона 1 - 100 Вт", "Зона 2 - 250.5 Вт"}, {}},
        ZoneCase{"NotMultiZone",
                 false,
                 2,
                 {"100"},
                 {},
                 {"Выберите многозонную систему и установите нужное количество зон"}},
        ZoneCase{"MoreZonesThanCounted",
                 true,
                 2,
                 {"1", "2", "3"},
                 {"Зона 1 - 1 Вт", "Зона 2 - 2 Вт"},
                 {"Общеее количество зон - 2"}},
        ZoneCase{"LettersZeroAndCancel", true, 3, {"abc", "0", ""}, {}, {NotANumber, NotANumber, NotANumber}},
        ZoneCase{"AboveTheLimit",
                 true,
                 2,
                 {"1500", "1501"},
                 {"Зона 1 - 1500 Вт"},
                 {"Мощность зоны не должна превышать 1500 Вт"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ModelTest, TypedPowerTakesDigitsOnly)
{
    for (const char *typed : {"0", "123", "\b", ""})
        EXPECT_TRUE(MainWindowModel::acceptsTypedPower(QString::fromLatin1(typed))) << typed;
    for (const char *typed : {"a", "-", ",", ".", "1a", " "})
        EXPECT_FALSE(MainWindowModel::acceptsTypedPower(QString::fromLatin1(typed))) << typed;
}

} // namespace
} // namespace orvika::test
