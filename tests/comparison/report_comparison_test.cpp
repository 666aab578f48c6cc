#include "comparison/report_comparison.h"
#include "files/text_file.h"

#include <gtest/gtest.h>

// Two saved reports compared: what a reader of the comparison is told changed.
namespace orvika::test {
namespace {

const QString Rule(41, u'-');

// A report as the program writes it, from its parts.
QStringList report(const QStringList &requirements, const QStringList &sources, const QStringList &equipment,
                   int power = 775, int height = 5)
{
    QStringList lines = {QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ: (Требования предъявляемые к системе)"),
                         QString(57, u'_'), QString()};
    lines += requirements;
    lines << Rule << QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:") << QString(29, u'_');
    for (const QString &line : sources)
        lines << QStringLiteral("- ") + line;
    if (sources.isEmpty())
        lines << QStringLiteral("Список звуковых источников - пуст");
    lines << QString() << QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:") << QString(26, u'_');
    for (const QString &line : equipment)
        lines << QStringLiteral("- ") + line;
    lines << Rule << QStringLiteral("Суммарная потребляемая мощность системы - %1 Вт").arg(power)
          << QStringLiteral("Суммарная высота блоков (в юнитах) - %1").arg(height) << Rule
          << QStringLiteral("ПРИМЕРНАЯ БЛОК-СХЕМА: - СХЕМА 1.2.") << Rule;
    return lines;
}

const QStringList Requirements = {
    QStringLiteral("- Автоматическое оповещение"), QStringLiteral("Многозонная система:"),
    QStringLiteral("- Количество зон - 12"), QStringLiteral("- Суммарная мощность: - 1000 Вт")};
const QString Block = QStringLiteral("K-3260 Блок речевых сообщений");
const QString Amplifier = QStringLiteral("K-3520 Усилитель мощности (1000)");
const QString Selector = QStringLiteral("K-3110 Селектор зон");

QString line(const QString &designation, int quantity)
{
    return designation + QStringLiteral(" - %1 шт.").arg(quantity);
}

using Kind = DifferenceKind;

struct PairCase
{
    const char *label;
    QStringList a, b;
    QList<Difference> requirements, sources, equipment, totals;
};

void PrintTo(const PairCase &value, std::ostream *out)
{
    *out << value.label;
}

class CompareReports : public ::testing::TestWithParam<PairCase>
{
};

TEST_P(CompareReports, ListsOnlyWhatDiffers)
{
    const PairCase &c = GetParam();
    const Comparison comparison = compareReports(parseSavedReport(c.a), parseSavedReport(c.b));
    EXPECT_EQ(comparison.requirements, c.requirements);
    EXPECT_EQ(comparison.sources, c.sources);
    EXPECT_EQ(comparison.equipment, c.equipment);
    EXPECT_EQ(comparison.totals, c.totals);
}

const QStringList Base = report(Requirements, {line(Block, 1)}, {line(Block, 1), line(Amplifier, 1)});

INSTANTIATE_TEST_SUITE_P(
    Pairs, CompareReports,
    ::testing::Values(
        PairCase{"Identical", Base, Base, {}, {}, {}, {}},
        PairCase{"RequirementChangedAddedRemoved",
                 Base,
                 report({QStringLiteral("Многозонная система:"), QStringLiteral("- Количество зон - 16"),
                         QStringLiteral("- Суммарная мощность: - 1000 Вт"),
                         QStringLiteral("- Наличие вентиляторов")},
                        {line(Block, 1)}, {line(Block, 1), line(Amplifier, 1)}),
                 {{QStringLiteral("- Количество зон"), QStringLiteral("- Количество зон - 12"),
                   QStringLiteral("- Количество зон - 16"), Kind::Changed},
                  {QStringLiteral("- Наличие вентиляторов"), QString(),
                   QStringLiteral("- Наличие вентиляторов"), Kind::Added},
                  {QStringLiteral("- Автоматическое оповещение"),
                   QStringLiteral("- Автоматическое оповещение"), QString(), Kind::Removed}},
                 {},
                 {},
                 {}},
        PairCase{
            "QuantitiesInTheOrderOfBThenAOnly",
            report(Requirements, {line(Block, 1)}, {line(Block, 1), line(Amplifier, 1), line(Selector, 2)}),
            report(Requirements, {line(Block, 2)}, {line(Amplifier, 2), line(Block, 2)}, 775, 5),
            {},
            {{Block, QStringLiteral("1"), QStringLiteral("2"), Kind::Changed}},
            {{Amplifier, QStringLiteral("1"), QStringLiteral("2"), Kind::Changed},
             {Block, QStringLiteral("1"), QStringLiteral("2"), Kind::Changed},
             {Selector, QStringLiteral("2"), QStringLiteral("0"), Kind::Removed}},
            {}},
        PairCase{"RepeatedDesignationsCountTogether",
                 report(Requirements, {}, {line(Amplifier, 1), line(Block, 1), line(Amplifier, 2)}),
                 report(Requirements, {}, {line(Block, 1), line(Amplifier, 3)}),
                 {},
                 {},
                 {},
                 {}},
        PairCase{
            "ANewUnitAndTheTotals",
            Base,
            report(Requirements, {line(Block, 1)},
                   {line(Block, 1), line(Amplifier, 1), line(Selector, 1)}, 800, 6),
            {},
            {},
            {{Selector, QStringLiteral("0"), QStringLiteral("1"), Kind::Added}},
            {{QStringLiteral("Потребляемая мощность, Вт"), QStringLiteral("775"), QStringLiteral("800"),
              Kind::Changed},
             {QStringLiteral("Высота блоков, U"), QStringLiteral("5"), QStringLiteral("6"), Kind::Changed}}}),
    [](const ::testing::TestParamInfo<PairCase> &info) { return std::string(info.param.label); });

TEST(SavedReport, DamagedLinesAreSkippedAndCounted)
{
    QStringList lines = report(Requirements, {line(Block, 1), QStringLiteral("мусор")},
                               {line(Block, 1), QStringLiteral("K-3520 без количества"), line(Amplifier, 1)});
    lines.replaceInStrings(QStringLiteral("Суммарная высота блоков (в юнитах) - 5"),
                           QStringLiteral("Суммарная высота блоков (в юнитах) - 99999999999"));
    const SavedReport saved = parseSavedReport(lines);
    EXPECT_TRUE(saved.isReport);
    EXPECT_EQ(saved.damagedLines, 3);
    EXPECT_EQ(saved.sources, (QList<CountedItem>{{Block, 1}}));
    EXPECT_EQ(saved.equipment, (QList<CountedItem>{{Block, 1}, {Amplifier, 1}}));
    EXPECT_EQ(saved.requirements, Requirements);
    EXPECT_EQ(saved.powerDraw, 775);
    EXPECT_EQ(saved.heightUnits, std::nullopt);
}

TEST(SavedReport, AReportTheProgramWroteReadsWhole)
{
    QString reason;
    const auto saved = readSavedReport(
        QStringLiteral(ORVIKA_SOURCE_DIR "/tests/ui/fixtures/reports/every_option.dat"), &reason);
    ASSERT_TRUE(saved) << reason.toStdString();
    EXPECT_EQ(saved->damagedLines, 0);
    EXPECT_EQ(saved->requirements.size(), 11);
    EXPECT_EQ(saved->sources.size(), 2);
    EXPECT_EQ(saved->equipment.size(), 9);
    EXPECT_EQ(saved->powerDraw, 1695);
    EXPECT_EQ(saved->heightUnits, 21);
}

TEST(SavedReport, AFileThatIsNoReportOrCannotBeReadIsRefusedWithTheReason)
{
    QString reason;
    EXPECT_FALSE(readSavedReport(QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Sxemm"), &reason));
    EXPECT_EQ(reason, QStringLiteral("это не спецификация"));
    EXPECT_FALSE(readSavedReport(QStringLiteral(ORVIKA_SOURCE_DIR "/нет.dat"), &reason));
    EXPECT_EQ(reason, QStringLiteral("Ошибка открытия файла нет.dat 53"));
    EXPECT_FALSE(readSavedReport(QStringLiteral(ORVIKA_SOURCE_DIR "/data"), &reason));
}

TEST(ComparisonCsv, SectionsInOrderUnderTheHeader)
{
    const Comparison comparison = compareReports(
        parseSavedReport(Base), parseSavedReport(report({QStringLiteral("- Количество зон - 16")},
                                                        {line(Block, 1)}, {line(Block, 2)}, 700)));
    const QByteArray csv = comparisonCsv(comparison);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList rows = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows,
              (QStringList{
                  QStringLiteral("Раздел;Обозначение;Было;Стало"),
                  QStringLiteral("Требования;- Количество зон;- Количество зон - 12;- Количество зон - 16"),
                  QStringLiteral("Требования;- Автоматическое оповещение;- Автоматическое оповещение;"),
                  QStringLiteral("Требования;Многозонная система:;Многозонная система:;"),
                  QStringLiteral("Требования;- Суммарная мощность:;- Суммарная мощность: - 1000 Вт;"),
                  QStringLiteral("Оборудование;K-3260 Блок речевых сообщений;1;2"),
                  QStringLiteral("Оборудование;K-3520 Усилитель мощности (1000);1;0"),
                  QStringLiteral("Итого;Потребляемая мощность, Вт;775;700"), QString()}));
    EXPECT_EQ(markerOf(Kind::Added) + markerOf(Kind::Removed) + markerOf(Kind::Changed),
              QStringLiteral("+−±"));
}

} // namespace
} // namespace orvika::test
